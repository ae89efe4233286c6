#include "tform1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "../link/frame.h"
#include "../link/hextext.h"
#include "../link/timestamp.h"
#include "../link/transport.h"
#include "../pages/classicpage.h"
#include "../pages/iso15693page.h"
#include "../pages/outputformat.h"
#include "../pages/systempage.h"
#include "../pages/typebpage.h"
#include "../pages/ultralightpage.h"
#include "cardfield.h"
#include "commgroup.h"
#include "console.h"
#include "logpane.h"
#include "menus.h"
#include "readermenu.h"
#include "repeatloops.h"
#include "sessionlog.h"
#include "skins.h"

namespace rfid {

namespace {
QLabel *panel(const char *name, const QString &text, int width)
{
    auto *l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(name));
    l->setFixedWidth(width);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}
} // namespace

TForm1::TForm1(const WindowOptions &options, QWidget *parent)
    : QMainWindow(parent)
    , m_library(options.readerPath)
    , m_allPages(options.allPages)
    , m_saveFieldDir(options.saveFieldDir)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("RFID"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    buildWindow();
    FormCreate();
    openSessionLog(options);
    if (!options.device.isEmpty())
        m_readerMenu->choose(options.device);
    if (!options.fieldFile.isEmpty())
        loadCardField(m_library, options.fieldFile, [this](const QString &entry) { log(entry); });
    checkSaveFolder();
}

void TForm1::checkSaveFolder()
{
    // Said at once, while the operator can still choose another folder; the
    // save at the end is tried all the same.
    if (m_saveFieldDir.isEmpty())
        return;
    const QString problem = saveFolderProblem(m_saveFieldDir);
    if (problem.isEmpty())
        return;
    const QString line = QStringLiteral("%1: no folder to save the cards in (%2); the cards are saved only if it "
                                        "can be used when the program ends.")
                             .arg(m_saveFieldDir, problem);
    log(line + QStringLiteral("   ") + timeStamp() + kCrLf);
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

TForm1::~TForm1() = default;

void TForm1::openSessionLog(const WindowOptions &options)
{
    if (options.logLines > 0)
        m_log->setMaxLines(options.logLines);
    auto *file = new SessionLog(options.logDir.isEmpty() ? SessionLog::defaultDir() : options.logDir);
    m_log->setSessionLog(file);
    if (!file->isOpen())
        log(QStringLiteral("No session log is kept: %1").arg(file->error()));
    connect(file, &SessionLog::failed, this, [this](const QString &message) { log(message); });
    // Connected last: the lines logged on the way out are in the file too,
    // even when a close during a wait ends the program at once.
    connect(this, &TForm1::aboutToClose, file, &SessionLog::flush);
}

void TForm1::buildWindow()
{
    // Page 0: the output format page, with the groups the layout keeps hidden.
    auto *page0 = new QWidget;
    page0->setObjectName(QStringLiteral("TabSheet1"));
    auto *page0Layout = new QVBoxLayout(page0);
    page0Layout->addWidget(new OutputFormatPage(*this));
    auto *comm = new CommGroup(*this);
    m_address = comm->address();
    page0Layout->addWidget(comm);
    auto *console = new Console(*this);
    page0Layout->addWidget(console);
    console->setVisible(false);

    auto *mode = new QGroupBox(QStringLiteral("读卡状态切换"));
    mode->setObjectName(QStringLiteral("GroupBox4"));
    auto *modeLayout = new QVBoxLayout(mode);
    auto *readWrite = new QRadioButton(QStringLiteral("读写状态"));
    readWrite->setObjectName(QStringLiteral("RadioButton3"));
    readWrite->setChecked(true);
    m_debug = new QRadioButton(QStringLiteral("USB数据调试状态状态            "));
    m_debug->setObjectName(QStringLiteral("RadioButton4"));
    auto *autoDetect = m_autoDetect = new QRadioButton(QStringLiteral("自动检测卡状态"));
    autoDetect->setObjectName(QStringLiteral("RadioButton19"));
    modeLayout->addWidget(readWrite);
    modeLayout->addWidget(m_debug);
    modeLayout->addWidget(autoDetect);
    page0Layout->addWidget(mode);
    page0Layout->addStretch();
    comm->setVisible(false);
    mode->setVisible(false);

    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setMinimumSize(529, 561);
    // With its hidden groups shown the page is taller than the control: it
    // scrolls rather than squeezing its groups over each other.
    auto *page0Scroll = new QScrollArea;
    page0Scroll->setObjectName(QStringLiteral("TabSheet1Scroll"));
    page0Scroll->setFrameShape(QFrame::NoFrame);
    page0Scroll->setWidgetResizable(true);
    page0Scroll->setWidget(page0);
    m_pages->addTab(page0Scroll, QStringLiteral("USB reader intelligent setting  "));
    auto *system = new SystemPage(*this);
    system->setObjectName(QStringLiteral("TabSheet4"));
    m_pages->addTab(system, QStringLiteral("系统命令"));
    m_pages->addTab(new ClassicPage(*this), QStringLiteral("S50/S70"));
    m_pages->addTab(new UltralightPage(*this), QStringLiteral("Ultralight"));
    m_pages->addTab(new TypeBPage(*this), QStringLiteral("ISO14443B"));
    m_pages->addTab(new Iso15693Page(*this), QStringLiteral("ISO15693"));
    for (int i = 1; i < m_pages->count(); ++i)
        m_pages->setTabVisible(i, false);
    // Every change of the page, whatever made it (a click, the arrow keys,
    // Ctrl+Tab, the wheel, an accessibility client, setCurrentIndex), runs the
    // page-change handler once. A page whose tab is hidden is refused: the
    // shown page stays current and nothing changed.
    m_shownPage = m_pages->currentIndex();
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == m_shownPage)
            return;   // also the refusal below coming back
        if (index >= 0 && !m_pages->isTabVisible(index)) {
            m_pages->setCurrentIndex(m_shownPage);
            return;
        }
        m_shownPage = index;
        PageControl1Change(index);
    });

    auto *logGroup = new QGroupBox;
    logGroup->setObjectName(QStringLiteral("GroupBox2"));
    logGroup->setMinimumWidth(307);
    auto *logLayout = new QVBoxLayout(logGroup);
    m_log = new LogPane;
    logLayout->addWidget(m_log);

    auto *central = new QWidget;
    auto *layout = new QHBoxLayout(central);
    layout->addWidget(m_pages, 0);
    layout->addWidget(logGroup, 1);
    setCentralWidget(central);

    auto *bar = new QStatusBar;
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(27);
    bar->addWidget(panel("StatusPanel0", QStringLiteral("  RFID"), 150));
    m_readerPanel = panel("StatusPanel1", QString(), 30);
    m_readerPanel->setAlignment(Qt::AlignCenter);
    bar->addWidget(m_readerPanel);
    bar->addWidget(panel("StatusPanel2", QStringLiteral(" DEMO V 6.0"), 400));
    m_clock = panel("StatusPanel3", QString(), 200);
    // Its text is what a screen reader reads; the role goes in the description.
    m_clock->setAccessibleDescription(QStringLiteral("Clock"));
    bar->addWidget(m_clock);
    setStatusBar(bar);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &TForm1::Timer1Timer);
    m_timer->start();

    m_skin = new SkinData(this);
    m_menus = new MainMenus(*this);
    m_readerMenu = new ReaderMenu(m_library, menuBar(), m_menus->stypeMenu(), m_readerPanel,
                                  [this](const QString &entry) { log(entry); }, this);
    // Every page is built: the repeat check boxes find their buttons by name.
    m_loops = new RepeatLoops(*this);
    m_loops->bind(this);

    resize(858, 651);
    if (m_allPages)
        showEverything();
}

void TForm1::showEverything()
{
    for (int i = 0; i < m_pages->count(); ++i)
        m_pages->setTabVisible(i, true);
    for (const char *name : {"GroupBox1", "GroupBox4", "GroupBox5"})
        if (auto *g = findChild<QWidget *>(QString::fromLatin1(name)))
            g->setVisible(true);
}

void TForm1::FormCreate()
{
    m_pages->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: %1px; }").arg(529 / 3 - 1 - 24));
    m_address->setCurrentIndex(0);
    if (auto *baud = findChild<QComboBox *>(QStringLiteral("ComboBox2")))
        baud->setCurrentIndex(0);
    m_pages->setCurrentIndex(0);
    m_skin->loadFromCollection(4);
}

void TForm1::PageControl1Change(int)
{
    // A cleared box ends its loop at the loop's next check.
    for (int i = 1; i <= 11; ++i)
        for (auto *box : findChildren<QAbstractButton *>(QStringLiteral("CheckBox%1").arg(i)))
            box->setChecked(false);
}

void TForm1::Timer1Timer()
{
    m_clock->setText(clockText(QDateTime::currentDateTime()));
}

bool TForm1::debugEcho() const
{
    return m_debug->isChecked();
}

bool TForm1::autoDetect() const
{
    return m_autoDetect->isChecked();
}

qsizetype TForm1::appendRecdata(const QString &hex)
{
    qsizetype room = std::max<qsizetype>(0, kRecdataCap - m_recdata.size());
    room -= room % 2;
    const qsizetype take = std::min(room, hex.size() - hex.size() % 2);
    m_recdata += QStringView(hex).left(take);
    return take;
}

void TForm1::log(const QString &entry)
{
    m_log->addEntry(entry);
}

void TForm1::setAddress(const QString &item)
{
    const int index = m_address->findText(item);
    if (index >= 0)
        m_address->setCurrentIndex(index);
}

QString TForm1::address() const
{
    return m_address->currentText();
}

QString TForm1::Send(const QString &command)
{
    if (hasOddDigits(command)) {
        log(QStringLiteral("Command %1 has an odd number of hex digits; nothing was sent.   %2")
                .arg(hexDigits(command), timeStamp()) + kCrLf);
        return {};
    }
    return SendHex(frameText(m_address->currentText(), command));
}

QString TForm1::SendHex(const QString &frame)
{
    const QString digits = hexDigits(frame);
    if (digits.size() % 2) {
        log(QStringLiteral("The frame has an odd number of hex digits; nothing was sent.   ") + timeStamp() + kCrLf);
        return {};
    }
    if (digits.size() / 2 > kMaxFrameBytes) {
        log(QStringLiteral("The frame of %1 bytes is longer than %2 bytes; nothing was sent.   ")
                .arg(digits.size() / 2)
                .arg(kMaxFrameBytes)
            + timeStamp() + kCrLf);
        return {};
    }
    // Echoed only now: a refused frame never went out.
    if (debugEcho())
        log(QStringLiteral("发送...") + digits);
    // Every exchange starts empty, so no earlier answer passes for this one.
    m_recdata.clear();
    const ExchangeResult result = exchange(m_library, hexToBytes(digits));
    if (!result.error.isEmpty()) {
        log(result.error);
        return {};
    }
    m_recdata = result.recdata;
    if (debugEcho())
        log(QStringLiteral("接收...") + m_recdata);
    return result.recdata;
}

void TForm1::wait(int ms, const std::function<bool()> &done)
{
    // Sleeps until the next event or the deadline: the wait costs no processor
    // time, and clicks, timers and repaints are still served at once.
    QElapsedTimer clock;
    clock.start();
    ++m_waitDepth;
    QCoreApplication::processEvents();
    QTimer wake;
    wake.setSingleShot(true);
    while (!done()) {
        const qint64 left = ms - clock.elapsed();
        if (left <= 0)
            break;
        wake.start(int(left));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    --m_waitDepth;
}

void TForm1::Delay(int ms, const QString &own)
{
    // The handler's own answer decides: neither a nested command nor serial
    // bytes end this wait or stand in for the answer.
    wait(ms, [&own] { return !own.isEmpty(); });
}

void TForm1::Delay(int ms)
{
    wait(ms, [this] { return !m_recdata.isEmpty(); });
}

void TForm1::Delayy(int ms)
{
    wait(ms, [] { return false; });
}

void TForm1::endNowIfWaiting()
{
    if (m_waitDepth > 0) {
        // A handler or loop is suspended in a wait: the program ends here, so
        // that none of them resumes and nothing more goes to the reader.
        std::fflush(nullptr);
        std::_Exit(0);
    }
}

void TForm1::saveCardFieldOnce()
{
    // The log pane goes with the window: the lines go to the standard error too.
    if (m_saveFieldDir.isEmpty() || m_fieldSaved)
        return;
    m_fieldSaved = true;
    saveCardField(m_library, m_saveFieldDir, [this](const QString &entry) {
        log(entry);
        std::fprintf(stderr, "%s\n", qPrintable(entry.trimmed()));
    });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // First of all, so that the operator's writes to the cards are kept even
    // when a wait ends the program at once.
    saveCardFieldOnce();
    emit aboutToClose();
    endNowIfWaiting();
    QMainWindow::closeEvent(event);
}

void TForm1::exitProgram()
{
    saveCardFieldOnce();   // quitting closes no window
    if (m_waitDepth > 0) {
        emit aboutToClose();
        endNowIfWaiting();
    }
    QCoreApplication::quit();
}

} // namespace rfid
