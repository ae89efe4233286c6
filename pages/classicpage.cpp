#include "classicpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/hextext.h"
#include "link/timestamp.h"
#include "session/readersession.h"
#include "exchangeflow.h"
#include "typeawidgets.h"

namespace rfid {

QString classicModeByte(bool all, bool keyB)
{
    return byteHex((all ? 0x01u : 0x00u) | (keyB ? 0x02u : 0x00u));
}

QString requestCode(bool all)
{
    return all ? QStringLiteral("52") : QStringLiteral("26");
}

QString haltFlag(bool halt)
{
    return halt ? QStringLiteral("01") : QStringLiteral("00");
}

QString classicReadCommand(const QString &mode, const QString &count, const QString &start, const QString &key)
{
    return QStringLiteral("20") + mode + count + start + key;
}

QString writeBlocksCommand(const QString &mode, const QString &count, const QString &start, const QString &key,
                           const QString &data)
{
    return QStringLiteral("21") + mode + count + start + key + data;
}

QString readCardNumberCommand(bool all, bool halt)
{
    return QStringLiteral("25") + requestCode(all) + haltFlag(halt);
}

QString valueCommand(const QString &code, const QString &mode, const QString &sector, const QString &key,
                     const QString &value)
{
    return code + mode + sector + key + value;
}

QString responseBytes(const Response &r, int from, int count)
{
    // Only the data bytes count: the check and end bytes are never card data.
    return bytesToHex(r.data().mid(from - 4, count));
}

QStringList classicReadLines(const Response &r, const QString &time)
{
    return {QStringLiteral("操作成功   ") + time, QStringLiteral("卡号为:") + responseBytes(r, 4, 4),
            QStringLiteral("卡的数据为:") + responseBytes(r, 8) + kCrLf};
}

QStringList writeBlocksLines(const Response &r, const QString &time)
{
    return {QStringLiteral("操作成功   ") + time, QStringLiteral("卡号为:") + responseBytes(r, 4, 4)};
}

QStringList haltLines(const QString &time)
{
    return {QStringLiteral("HALT操作成功   ") + time + kCrLf};
}

QStringList cardNumberLines(const Response &r, const QString &time)
{
    QStringList lines{QStringLiteral("操作成功   ") + time + kCrLf, QStringLiteral("返回卡号为:") + responseBytes(r, 5, 4)};
    const QString flag = responseBytes(r, 4, 1);
    if (flag == QLatin1String("00"))
        lines << QStringLiteral("检测到的卡的数量为一张卡..") + kCrLf;
    else if (flag == QLatin1String("01"))
        lines << QStringLiteral("检测到的卡的数量为多张卡..") + kCrLf;
    return lines;
}

QStringList initValueLines(const Response &r, const QString &time)
{
    return {QStringLiteral("操作成功   ") + time, QStringLiteral("返回卡ID号为:") + responseBytes(r, 4, 4) + kCrLf};
}

QStringList changeValueLines(const Response &r, const QString &time)
{
    return {QStringLiteral("操作成功   ") + time, QStringLiteral("返回卡ID号为:") + responseBytes(r, 4, 4),
            QStringLiteral("剩余值为为: ") + responseBytes(r, 8, 4) + kCrLf};
}

QString ClassicPage::ModePair::mode() const
{
    return classicModeByte(all->isChecked(), keyB->isChecked());
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
    using namespace typea;
    const QString readRow = QStringLiteral("读卡");
    const QString writeRow = QStringLiteral("写卡");

    // Read blocks.
    auto *reqi = radio("reqi", QStringLiteral("Idle"), readRow, true);
    auto *reqa = radio("reqa", QStringLiteral("All"), readRow);
    auto *keya = radio("keya", QStringLiteral("Key A"), readRow, true);
    auto *keyb = radio("keyb", QStringLiteral("Key B"), readRow);
    m_readMode = {reqa, keyb};
    m_readStart = combo("ComboBox3", blockNumbers(), QStringLiteral("10"));
    m_readCount = combo("ComboBox6", kCounts, QStringLiteral("04"));
    m_readKey = combo("ComboBox4", kKeys, QStringLiteral("3C 5E 71 9D 2B 64"));
    auto *read = button("Button8", QStringLiteral("读卡"));
    auto *readLoop = checkBox("CheckBox2", QStringLiteral("连续读      "), QStringLiteral("连续读（读卡）"));
    m_address10 = radio("RadioButton2", QStringLiteral("10"), QStringLiteral("读写器地址"));
    m_address11 = radio("RadioButton1", QStringLiteral("11"), QStringLiteral("读写器地址"));
    auto *writeReadLoop = checkBox("CheckBox12", QStringLiteral("CheckBox12"), QStringLiteral("连续写后读"));

    auto *readGrid = new QGridLayout;
    readGrid->addWidget(pairBox("GroupBox7", reqi, reqa), 0, 0);
    readGrid->addWidget(pairBox("GroupBox8", keya, keyb), 0, 1);
    readGrid->addLayout(labelled(QStringLiteral("起始块       "), m_readStart, readRow), 0, 2);
    readGrid->addLayout(labelled(QStringLiteral("块的数量     "), m_readCount, readRow), 0, 3);
    readGrid->addLayout(labelled(QStringLiteral("密钥       "), m_readKey, readRow), 1, 0, 1, 2);
    readGrid->addWidget(read, 1, 2);
    readGrid->addWidget(readLoop, 1, 3);
    readGrid->addWidget(pairBox("GroupBox26", m_address10, m_address11), 2, 0);
    readGrid->addWidget(writeReadLoop, 2, 1);

    // Write blocks.
    auto *reqii = radio("reqii", QStringLiteral("Idle"), writeRow, true);
    auto *reqaa = radio("reqaa", QStringLiteral("All"), writeRow);
    auto *keyaa = radio("keyaa", QStringLiteral("Key A"), writeRow, true);
    auto *keybb = radio("keybb", QStringLiteral("Key B"), writeRow);
    m_writeMode = {reqaa, keybb};
    m_writeStart = combo("ComboBox7", blockNumbers(), QStringLiteral("10"));
    m_writeCount = combo("ComboBox8", kCounts, QStringLiteral("01"));
    m_writeKey = combo("ComboBox9", kKeys, QStringLiteral("3C 5E 71 9D 2B 64"));
    m_writeData = edit("Edit3", QStringLiteral("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"));
    m_writeData->setAccessibleName(QStringLiteral("块数据"));
    auto *write = button("Button9", QStringLiteral("写卡"));
    auto *writeLoop = checkBox("CheckBox1", QStringLiteral("连续写        "), QStringLiteral("连续写"));

    auto *writeGrid = new QGridLayout;
    writeGrid->addWidget(pairBox("GroupBox9", reqii, reqaa), 0, 0);
    writeGrid->addWidget(pairBox("GroupBox10", keyaa, keybb), 0, 1);
    writeGrid->addLayout(labelled(QStringLiteral("起始地址        "), m_writeStart, writeRow), 0, 2);
    writeGrid->addLayout(labelled(QStringLiteral("块的数量      "), m_writeCount, writeRow), 0, 3);
    writeGrid->addLayout(labelled(QStringLiteral("密钥     "), m_writeKey, writeRow), 1, 0, 1, 2);
    writeGrid->addWidget(write, 1, 2);
    writeGrid->addWidget(writeLoop, 1, 3);
    writeGrid->addWidget(m_writeData, 2, 0, 1, 4);

    // Halt.
    auto *halt = button("Button16", QStringLiteral("Halt"));
    auto *haltRow = new QHBoxLayout;
    haltRow->addWidget(new QLabel(QStringLiteral("Halt命令：     ")));
    haltRow->addWidget(halt);
    haltRow->addStretch();
    haltRow->addWidget(new QLabel(QStringLiteral("需要录入数据      ")));

    // Read card number.
    const QString numberRow = QStringLiteral("读卡号");
    auto *reql5 = radio("reql5", QStringLiteral("Idle"), numberRow, true);
    m_numberAll = radio("reqa5", QStringLiteral("All"), numberRow);
    auto *nohalt = radio("nohalt", QStringLiteral("no halt"), numberRow, true);
    m_numberHalt = radio("yeshalt", QStringLiteral("halt"), numberRow);
    auto *number = button("Button29", QStringLiteral("读卡号"));
    auto *numberLoop = checkBox("CheckBox4", QStringLiteral("连续读        "), QStringLiteral("连续读（读卡号）"));
    auto *numberRowLayout = new QHBoxLayout;
    numberRowLayout->addWidget(pairBox("GroupBox12", reql5, m_numberAll));
    numberRowLayout->addWidget(pairBox("GroupBox13", nohalt, m_numberHalt));
    numberRowLayout->addWidget(number);
    numberRowLayout->addWidget(numberLoop);
    numberRowLayout->addStretch();

    // Value commands: one row each.
    struct ValueSpec {
        const char *sector, *value, *key, *req, *all, *keyA, *keyB, *button, *reqBox, *keyBox;
        QString sectorText, valueText, valueLabel, caption;
    };
    const ValueSpec specs[] = {
        {"Edit57", "Edit59", "Edit58", "reqiii", "reqaaa", "keyaaa", "keybbb", "Button26", "GroupBox14", "GroupBox15",
         QStringLiteral("01"), QStringLiteral("00 88 00 00"), QStringLiteral(" 初始值  "), QStringLiteral("初始化")},
        {"Edit1", "Edit2", "Edit5", "reqiiii", "reqaaaa", "keyaaaa", "keybbbb", "Button10", "GroupBox16", "GroupBox17",
         QStringLiteral("01"), QStringLiteral("00 20 00 00"), QStringLiteral(" 加值  "), QStringLiteral("加值")},
        {"Edit10", "Edit8", "Edit7", "reqiiiii", "reqaaaaa", "keyaaaaa", "keybbbbb", "Button15", "Panel71", "Panel72",
         QStringLiteral("01"), QStringLiteral("00 20 00 00"), QStringLiteral(" 减值  "), QStringLiteral("减值")},
    };
    ValueRow *rows[] = {&m_init, &m_increment, &m_decrement};
    QPushButton *valueButtons[3];
    QGridLayout *valueGrids[3];
    for (int i = 0; i < 3; ++i) {
        const ValueSpec &s = specs[i];
        ValueRow &row = *rows[i];
        row.name = s.caption;
        row.valueName = s.valueLabel.trimmed();
        row.sector = edit(s.sector, s.sectorText);
        row.sector->setMaximumWidth(50);
        row.value = edit(s.value, s.valueText);
        row.key = edit(s.key, QStringLiteral("3C 5E 71 9D 2B 64"));
        auto *req = radio(s.req, QStringLiteral("Idle"), s.caption, true);
        auto *all = radio(s.all, QStringLiteral("All"), s.caption);
        auto *keyA = radio(s.keyA, QStringLiteral("Key A"), s.caption, true);
        auto *keyB = radio(s.keyB, QStringLiteral("Key B"), s.caption);
        row.mode = {all, keyB};
        valueButtons[i] = button(s.button, s.caption);
        auto *grid = new QGridLayout;
        grid->addLayout(labelled(QStringLiteral("扇区   "), row.sector, s.caption), 0, 0);
        grid->addLayout(labelled(s.valueLabel, row.value, s.caption), 0, 1);
        grid->addLayout(labelled(QStringLiteral("密钥     "), row.key, s.caption), 0, 2);
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
    const QString row = QStringLiteral("读卡");
    if (!fieldsWhole(m_host, {{QStringLiteral("块的数量（%1）").arg(row), m_readCount->currentText()},
                              {QStringLiteral("起始块（%1）").arg(row), m_readStart->currentText()},
                              {QStringLiteral("密钥（%1）").arg(row), m_readKey->currentText()}}))
        return;
    const Response r = sendAndWait(m_host,
                                   classicReadCommand(m_readMode.mode(), m_readCount->currentText(),
                                                     m_readStart->currentText(), m_readKey->currentText()),
                                   500);
    if (reportOutcome(m_host, r, {kClassicFailure}))
        logLines(m_host, classicReadLines(r, timeStamp()));
}

void ClassicPage::Button9Click()
{
    const QString row = QStringLiteral("写卡");
    if (!fieldsWhole(m_host, {{QStringLiteral("块的数量（%1）").arg(row), m_writeCount->currentText()},
                              {QStringLiteral("起始地址（%1）").arg(row), m_writeStart->currentText()},
                              {QStringLiteral("密钥（%1）").arg(row), m_writeKey->currentText()},
                              {QStringLiteral("块数据（%1）").arg(row), m_writeData->text()}}))
        return;
    const Response r = sendAndWait(m_host,
                                   writeBlocksCommand(m_writeMode.mode(), m_writeCount->currentText(),
                                                      m_writeStart->currentText(), m_writeKey->currentText(),
                                                      m_writeData->text()),
                                   500);
    if (reportOutcome(m_host, r, {kClassicFailure}))
        logLines(m_host, writeBlocksLines(r, timeStamp()));
}

void haltCard(ReaderSession &host)
{
    const Response r = sendAndWait(host, kHaltCommand, 300);
    if (reportOutcome(host, r, {kHaltFailure}))
        logLines(host, haltLines(timeStamp()));
}

void ClassicPage::Button16Click()
{
    haltCard(m_host);
}

void ClassicPage::Button29Click()
{
    const Response r = sendAndWait(m_host, readCardNumberCommand(m_numberAll->isChecked(), m_numberHalt->isChecked()), 300);
    if (reportOutcome(m_host, r, {QStringLiteral("读卡号操作失败   ")}))
        logLines(m_host, cardNumberLines(r, timeStamp()));
}

void ClassicPage::valueClick(const QString &code, const ValueRow &row, bool change)
{
    if (!fieldsWhole(m_host, {{QStringLiteral("扇区（%1）").arg(row.name), row.sector->text()},
                              {QStringLiteral("密钥（%1）").arg(row.name), row.key->text()},
                              {QStringLiteral("%1（%2）").arg(row.valueName, row.name), row.value->text()}}))
        return;
    const Response r = sendAndWait(
        m_host, valueCommand(code, row.mode.mode(), row.sector->text(), row.key->text(), row.value->text()), 500);
    if (reportOutcome(m_host, r, {kClassicFailure}))
        logLines(m_host, change ? changeValueLines(r, timeStamp()) : initValueLines(r, timeStamp()));
}

void ClassicPage::Button26Click()
{
    valueClick(QStringLiteral("22"), m_init, false);
}

void ClassicPage::Button10Click()
{
    valueClick(QStringLiteral("24"), m_increment, true);
}

void ClassicPage::Button15Click()
{
    valueClick(QStringLiteral("23"), m_decrement, true);
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
