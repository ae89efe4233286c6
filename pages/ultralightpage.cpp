#include "ultralightpage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/hextext.h"
#include "link/timestamp.h"
#include "pages/classicpage.h"
#include "pages/controls.h"
#include "pages/exchangeflow.h"
#include "session/readersession.h"

namespace rfid {

namespace {
ultralight::RequestMode modeOf(const QRadioButton *all)
{
    return all->isChecked() ? ultralight::RequestMode::All : ultralight::RequestMode::Idle;
}
} // namespace

namespace {
QListWidget *pageList(const char *name, int selected)
{
    auto *list = new QListWidget;
    list->setObjectName(QString::fromLatin1(name));
    for (int page = 0; page <= 15; ++page)
        list->addItem(QStringLiteral("%1").arg(page, 2, 10, QLatin1Char('0')));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setCursor(Qt::PointingHandCursor);
    list->setStyleSheet(QStringLiteral("QListWidget { background: #d4d0c8; }"));
    list->setCurrentRow(selected);
    list->setMinimumHeight(200);
    return list;
}
} // namespace

UltralightPage::UltralightPage(ReaderSession &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("TabSheet3"));
    using namespace controls;

    // Serial number and halt.
    const QString serialRow = tr("Read");
    auto *uli = radio("Uli", tr("Idle"), serialRow, true);
    m_serialAll = radio("Ula", tr("All"), serialRow);
    auto *readSerial = button("Button55", tr("Read"));
    auto *serialLoop = checkBox("CheckBox8", tr("连续读      "), tr("连续读（Read）"));
    auto *halt = button("Button17", tr("Halt"));
    auto *outer = new QGroupBox;
    outer->setObjectName(QStringLiteral("GroupBox6"));
    auto *outerGrid = new QGridLayout(outer);
    outerGrid->addWidget(pairBox("GroupBox23", uli, m_serialAll), 0, 0);
    outerGrid->addWidget(new QLabel(tr("Read  Card series number:  ")), 0, 1);
    outerGrid->addWidget(readSerial, 0, 2);
    outerGrid->addWidget(serialLoop, 0, 3);
    outerGrid->addWidget(separator("Panel9"), 1, 0, 1, 4);
    outerGrid->addWidget(new QLabel(tr("Halt:")), 2, 1);
    outerGrid->addWidget(halt, 2, 2);

    // Read half.
    const QString readRow = tr("读卡");
    m_readPage = pageList("ListBox1", 0);
    auto *ulii = radio("Ulii", tr("Idle"), readRow, true);
    m_readAll = radio("Ulaa", tr("All"), readRow);
    auto *readPage = button("Button18", tr("读卡"));
    auto *readLoop = checkBox("CheckBox9", tr("连续读      "), tr("连续读（读卡）"));
    auto *readHalf = new QGroupBox(tr(" 读卡 "));
    readHalf->setObjectName(QStringLiteral("GroupBox19"));
    auto *readLayout = new QVBoxLayout(readHalf);
    readLayout->addLayout(labelled(tr("扇区："), m_readPage, readRow));
    readLayout->addWidget(pairBox("GroupBox24", ulii, m_readAll));
    readLayout->addWidget(readPage);
    readLayout->addWidget(readLoop);

    // Write half.
    const QString writeRow = tr("写卡");
    m_writePage = pageList("ListBox2", 4);
    m_data = edit("Edit56", QStringLiteral("00 00 00 00"));
    m_data->setAccessibleName(tr("页数据（写卡）"));
    auto *uliii = radio("Uliii", tr("Idle"), writeRow, true);
    m_writeAll = radio("Ulaaa", tr("All"), writeRow);
    auto *writePage = button("Button54", tr("Write"));
    auto *writeLoop = checkBox("CheckBox10", tr("连续写      "), tr("连续写（写卡）"));
    auto *writeHalf = new QGroupBox(tr(" 写卡 "));
    writeHalf->setObjectName(QStringLiteral("GroupBox20"));
    auto *writeLayout = new QVBoxLayout(writeHalf);
    writeLayout->addLayout(labelled(tr("扇区："), m_writePage, writeRow));
    writeLayout->addWidget(m_data);
    writeLayout->addWidget(pairBox("GroupBox25", uliii, m_writeAll));
    writeLayout->addWidget(writePage);
    writeLayout->addWidget(writeLoop);

    auto *readWrite = new QGroupBox(tr("Ultralight 卡读写"));
    readWrite->setObjectName(QStringLiteral("GroupBox18"));
    auto *halves = new QHBoxLayout(readWrite);
    halves->addWidget(readHalf);
    halves->addWidget(writeHalf);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(outer);
    layout->addWidget(separator("Panel16"));
    layout->addWidget(readWrite);
    layout->addStretch();

    connect(readSerial, &QPushButton::clicked, this, &UltralightPage::Button55Click);
    connect(halt, &QPushButton::clicked, this, &UltralightPage::Button17Click);
    connect(readPage, &QPushButton::clicked, this, &UltralightPage::Button18Click);
    connect(writePage, &QPushButton::clicked, this, &UltralightPage::Button54Click);
}

std::optional<quint8> UltralightPage::selectedPage(QListWidget *list, const QString &name)
{
    const QListWidgetItem *item = list->currentItem();
    const std::optional<quint8> page =
        item && item->isSelected() ? ultralight::pageNumber(item->text()) : std::nullopt;
    if (!page)
        m_host.log(ultralight::noPageLine(name, timeStamp()) + kCrLf);
    return page;
}

void UltralightPage::Button55Click()
{
    run(m_host, ultralight::readSerial(modeOf(m_serialAll)), 300,
        judge({ultralight::serialFailureText()}, linesOf<ultralight::Serial>));
}

void UltralightPage::Button17Click()
{
    haltCard(m_host);
}

void UltralightPage::Button18Click()
{
    const std::optional<quint8> page =
        selectedPage(m_readPage, fieldName(tr("扇区"), tr("读卡")));
    if (!page)
        return;
    run(m_host, ultralight::readPage(modeOf(m_readAll), *page), 800,
        judge({ultralight::readFailureText()}, linesOf<ultralight::PageRead>));
}

void UltralightPage::Button54Click()
{
    const std::optional<quint8> page =
        selectedPage(m_writePage, fieldName(tr("扇区"), tr("写卡")));
    const QString data = m_data->text();
    if (!page || !fieldsWhole(m_host, {{fieldName(tr("页数据"), tr("写卡")), data}}))
        return;
    run(m_host, ultralight::writePage(modeOf(m_writeAll), *page, HexPart::typed(data)), 500,
        judge({ultralight::writeFailureText()}, linesOf<ultralight::PageWritten>));
}

} // namespace rfid
