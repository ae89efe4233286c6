#include "classicpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/hextext.h"
#include "pages/controls.h"
#include "pages/exchangeflow.h"
#include "session/readersession.h"

namespace rfid {

classic::Access ClassicPage::ModePair::access(const QString &key) const
{
    return {all->isChecked() ? classic::RequestMode::All : classic::RequestMode::Idle,
            keyB->isChecked() ? classic::KeyType::B : classic::KeyType::A, HexPart::typed(key)};
}

namespace {
QStringList blockNumbers()
{
    QStringList items;
    for (int b = 0; b < 0x40; ++b)
        items << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
    return items;
}

const QStringList kKeys = {QStringLiteral("6B 27 E9 40 D3 18"), QStringLiteral("8E 52 C6 0F 97 3A"),
                           QStringLiteral("3C 5E 71 9D 2B 64")};
const QStringList kCounts = {QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03"), QStringLiteral("04")};
} // namespace

ClassicPage::ClassicPage(ReaderSession &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("TabSheet2"));
    using namespace controls;
    const QString readRow = tr("读卡");
    const QString writeRow = tr("写卡");

    // Read blocks.
    auto *reqi = radio("reqi", tr("Idle"), readRow, true);
    auto *reqa = radio("reqa", tr("All"), readRow);
    auto *keya = radio("keya", tr("Key A"), readRow, true);
    auto *keyb = radio("keyb", tr("Key B"), readRow);
    m_readMode = {reqa, keyb};
    m_readStart = combo("ComboBox3", blockNumbers(), QStringLiteral("10"));
    m_readCount = combo("ComboBox6", kCounts, QStringLiteral("04"));
    m_readKey = combo("ComboBox4", kKeys, QStringLiteral("3C 5E 71 9D 2B 64"));
    auto *read = button("Button8", tr("读卡"));
    auto *readLoop = checkBox("CheckBox2", tr("连续读      "), tr("连续读（读卡）"));
    m_address10 = radio("RadioButton2", QStringLiteral("10"), tr("读写器地址"));
    m_address11 = radio("RadioButton1", QStringLiteral("11"), tr("读写器地址"));
    auto *writeReadLoop = checkBox("CheckBox12", QStringLiteral("CheckBox12"), tr("连续写后读"));

    auto *readGrid = new QGridLayout;
    readGrid->addWidget(pairBox("GroupBox7", reqi, reqa), 0, 0);
    readGrid->addWidget(pairBox("GroupBox8", keya, keyb), 0, 1);
    readGrid->addLayout(labelled(tr("起始块       "), m_readStart, readRow), 0, 2);
    readGrid->addLayout(labelled(tr("块的数量     "), m_readCount, readRow), 0, 3);
    readGrid->addLayout(labelled(tr("密钥       "), m_readKey, readRow), 1, 0, 1, 2);
    readGrid->addWidget(read, 1, 2);
    readGrid->addWidget(readLoop, 1, 3);
    readGrid->addWidget(pairBox("GroupBox26", m_address10, m_address11), 2, 0);
    readGrid->addWidget(writeReadLoop, 2, 1);

    // Write blocks.
    auto *reqii = radio("reqii", tr("Idle"), writeRow, true);
    auto *reqaa = radio("reqaa", tr("All"), writeRow);
    auto *keyaa = radio("keyaa", tr("Key A"), writeRow, true);
    auto *keybb = radio("keybb", tr("Key B"), writeRow);
    m_writeMode = {reqaa, keybb};
    m_writeStart = combo("ComboBox7", blockNumbers(), QStringLiteral("10"));
    m_writeCount = combo("ComboBox8", kCounts, QStringLiteral("01"));
    m_writeKey = combo("ComboBox9", kKeys, QStringLiteral("3C 5E 71 9D 2B 64"));
    m_writeData = edit("Edit3", QStringLiteral("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"));
    m_writeData->setAccessibleName(tr("块数据"));
    auto *write = button("Button9", tr("写卡"));
    auto *writeLoop = checkBox("CheckBox1", tr("连续写        "), tr("连续写"));

    auto *writeGrid = new QGridLayout;
    writeGrid->addWidget(pairBox("GroupBox9", reqii, reqaa), 0, 0);
    writeGrid->addWidget(pairBox("GroupBox10", keyaa, keybb), 0, 1);
    writeGrid->addLayout(labelled(tr("起始地址        "), m_writeStart, writeRow), 0, 2);
    writeGrid->addLayout(labelled(tr("块的数量      "), m_writeCount, writeRow), 0, 3);
    writeGrid->addLayout(labelled(tr("密钥     "), m_writeKey, writeRow), 1, 0, 1, 2);
    writeGrid->addWidget(write, 1, 2);
    writeGrid->addWidget(writeLoop, 1, 3);
    writeGrid->addWidget(m_writeData, 2, 0, 1, 4);

    // Halt.
    auto *halt = button("Button16", tr("Halt"));
    auto *haltRow = new QHBoxLayout;
    haltRow->addWidget(new QLabel(tr("Halt命令：     ")));
    haltRow->addWidget(halt);
    haltRow->addStretch();
    haltRow->addWidget(new QLabel(tr("需要录入数据      ")));

    // Read card number.
    const QString numberRow = tr("读卡号");
    auto *reql5 = radio("reql5", tr("Idle"), numberRow, true);
    m_numberAll = radio("reqa5", tr("All"), numberRow);
    auto *nohalt = radio("nohalt", tr("no halt"), numberRow, true);
    m_numberHalt = radio("yeshalt", tr("halt"), numberRow);
    auto *number = button("Button29", tr("读卡号"));
    auto *numberLoop = checkBox("CheckBox4", tr("连续读        "), tr("连续读（读卡号）"));
    auto *numberRowLayout = new QHBoxLayout;
    numberRowLayout->addWidget(pairBox("GroupBox12", reql5, m_numberAll));
    numberRowLayout->addWidget(pairBox("GroupBox13", nohalt, m_numberHalt));
    numberRowLayout->addWidget(number);
    numberRowLayout->addWidget(numberLoop);
    numberRowLayout->addStretch();

    // Value commands: one row each.
    struct ValueCommand {
        const char *sector, *value, *key, *req, *all, *keyA, *keyB, *button, *reqBox, *keyBox;
        QString sectorText, valueText;
        const char *valueLabel, *caption;   // source texts
    };
    const ValueCommand valueCommands[] = {
        {"Edit57", "Edit59", "Edit58", "reqiii", "reqaaa", "keyaaa", "keybbb", "Button26", "GroupBox14", "GroupBox15",
         QStringLiteral("01"), QStringLiteral("00 88 00 00"), QT_TR_NOOP(" 初始值  "), QT_TR_NOOP("初始化")},
        {"Edit1", "Edit2", "Edit5", "reqiiii", "reqaaaa", "keyaaaa", "keybbbb", "Button10", "GroupBox16", "GroupBox17",
         QStringLiteral("01"), QStringLiteral("00 20 00 00"), QT_TR_NOOP(" 加值  "), QT_TR_NOOP("加值")},
        {"Edit10", "Edit8", "Edit7", "reqiiiii", "reqaaaaa", "keyaaaaa", "keybbbbb", "Button15", "Panel71", "Panel72",
         QStringLiteral("01"), QStringLiteral("00 20 00 00"), QT_TR_NOOP(" 减值  "), QT_TR_NOOP("减值")},
    };
    ValueRow *rows[] = {&m_init, &m_increment, &m_decrement};
    QPushButton *valueButtons[3];
    QGridLayout *valueGrids[3];
    for (int i = 0; i < 3; ++i) {
        const ValueCommand &s = valueCommands[i];
        ValueRow &row = *rows[i];
        row.name = s.caption;
        row.valueName = s.valueLabel;
        const QString caption = tr(s.caption), valueLabel = tr(s.valueLabel);
        row.sector = edit(s.sector, s.sectorText);
        row.sector->setMaximumWidth(50);
        row.value = edit(s.value, s.valueText);
        row.key = edit(s.key, QStringLiteral("3C 5E 71 9D 2B 64"));
        auto *req = radio(s.req, tr("Idle"), caption, true);
        auto *all = radio(s.all, tr("All"), caption);
        auto *keyA = radio(s.keyA, tr("Key A"), caption, true);
        auto *keyB = radio(s.keyB, tr("Key B"), caption);
        row.mode = {all, keyB};
        valueButtons[i] = button(s.button, caption);
        auto *grid = new QGridLayout;
        grid->addLayout(labelled(tr("扇区   "), row.sector, caption), 0, 0);
        grid->addLayout(labelled(valueLabel, row.value, caption), 0, 1);
        grid->addLayout(labelled(tr("密钥     "), row.key, caption), 0, 2);
        const bool panel = i == 2;
        grid->addWidget(pairBox(s.reqBox, req, all, panel), 1, 0);
        grid->addWidget(pairBox(s.keyBox, keyA, keyB, panel), 1, 1);
        grid->addWidget(valueButtons[i], 1, 2);
        valueGrids[i] = grid;
    }

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->addWidget(separator("Panel7"));
    layout->addLayout(readGrid);
    layout->addWidget(separator("Panel1"));
    layout->addLayout(writeGrid);
    layout->addWidget(separator("Panel2"));
    layout->addLayout(haltRow);
    layout->addWidget(separator("Panel3"));
    layout->addLayout(numberRowLayout);
    layout->addWidget(separator("Panel4"));
    layout->addLayout(valueGrids[0]);
    layout->addWidget(separator("Panel5"));
    layout->addLayout(valueGrids[1]);
    layout->addWidget(separator("Panel6"));
    layout->addLayout(valueGrids[2]);
    layout->addWidget(separator("Panel8"));
    layout->addStretch();

    connect(read, &QPushButton::clicked, this, &ClassicPage::Button8Click);
    connect(write, &QPushButton::clicked, this, &ClassicPage::Button9Click);
    connect(halt, &QPushButton::clicked, this, &ClassicPage::Button16Click);
    connect(number, &QPushButton::clicked, this, &ClassicPage::Button29Click);
    connect(valueButtons[0], &QPushButton::clicked, this, &ClassicPage::Button26Click);
    connect(valueButtons[1], &QPushButton::clicked, this, &ClassicPage::Button10Click);
    connect(valueButtons[2], &QPushButton::clicked, this, &ClassicPage::Button15Click);
    connect(m_address11, &QRadioButton::clicked, this, &ClassicPage::RadioButton1Click);
    connect(m_address10, &QRadioButton::clicked, this, &ClassicPage::RadioButton2Click);
}

void ClassicPage::Button8Click()
{
    const QString row = tr("读卡");
    const QString count = m_readCount->currentText(), start = m_readStart->currentText(), key = m_readKey->currentText();
    if (!fieldsWhole(m_host, {{fieldName(tr("块的数量"), row), count},
                              {fieldName(tr("起始块"), row), start},
                              {fieldName(tr("密钥"), row), key}}))
        return;
    run(m_host, classic::readBlocks(m_readMode.access(key), HexPart::typed(count), HexPart::typed(start)), 500,
        judge({classic::failureText()}, linesOf<classic::BlocksRead>));
}

void ClassicPage::Button9Click()
{
    const QString row = tr("写卡");
    const QString count = m_writeCount->currentText(), start = m_writeStart->currentText(),
                  key = m_writeKey->currentText(), data = m_writeData->text();
    if (!fieldsWhole(m_host, {{fieldName(tr("块的数量"), row), count},
                              {fieldName(tr("起始地址"), row), start},
                              {fieldName(tr("密钥"), row), key},
                              {fieldName(tr("块数据"), row), data}}))
        return;
    run(m_host,
        classic::writeBlocks(m_writeMode.access(key), HexPart::typed(count), HexPart::typed(start), HexPart::typed(data)), 500,
        judge({classic::failureText()}, linesOf<classic::BlocksWritten>));
}

void haltCard(ReaderSession &host)
{
    run(host, classic::halt(), 300, judge({classic::haltFailureText()}, done(classic::haltDoneText())));
}

void ClassicPage::Button16Click()
{
    haltCard(m_host);
}

void ClassicPage::Button29Click()
{
    const auto mode = m_numberAll->isChecked() ? classic::RequestMode::All : classic::RequestMode::Idle;
    run(m_host, classic::readCardNumber(mode, m_numberHalt->isChecked()), 300,
        judge({classic::cardNumberFailureText()}, linesOf<classic::CardNumber>));
}

void ClassicPage::valueClick(classic::ValueOp op, const ValueRow &row)
{
    const QString sector = row.sector->text(), key = row.key->text(), value = row.value->text();
    const QString name = tr(row.name);
    if (!fieldsWhole(m_host, {{fieldName(tr("扇区"), name), sector},
                              {fieldName(tr("密钥"), name), key},
                              {fieldName(tr(row.valueName).trimmed(), name), value}}))
        return;
    const SuccessLines success = op == classic::ValueOp::Initialise ? SuccessLines(linesOf<classic::ValueInitialised>)
                                                                     : SuccessLines(linesOf<classic::ValueChanged>);
    run(m_host, classic::value(op, row.mode.access(key), HexPart::typed(sector), HexPart::typed(value)), 500,
        judge({classic::failureText()}, success));
}

void ClassicPage::Button26Click()
{
    valueClick(classic::ValueOp::Initialise, m_init);
}

void ClassicPage::Button10Click()
{
    valueClick(classic::ValueOp::Increment, m_increment);
}

void ClassicPage::Button15Click()
{
    valueClick(classic::ValueOp::Decrement, m_decrement);
}

void ClassicPage::RadioButton1Click()
{
    // Both buttons of the pair do the same: the selected one decides.
    if (m_address10->isChecked())
        m_host.setAddress(QStringLiteral("10"));
    if (m_address11->isChecked())
        m_host.setAddress(QStringLiteral("11"));
}

void ClassicPage::RadioButton2Click()
{
    RadioButton1Click();
}

} // namespace rfid
