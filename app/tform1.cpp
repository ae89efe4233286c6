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

#include <cstdio>

#include "link/response.h"
#include "link/timestamp.h"
#include "pages/classicpage.h"
#include "pages/iso15693page.h"
#include "pages/outputformat.h"
#include "pages/systempage.h"
#include "pages/typebpage.h"
#include "pages/ultralightpage.h"
#include "session/readersession.h"
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
    , m_session(new ReaderSession(options.readerPath, this))
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
        loadCardField(m_session->library(), options.fieldFile, [this](const QString &entry) { m_session->log(entry); });
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
    m_session->log(line + QStringLiteral("   ") + timeStamp() + kCrLf);
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
        m_session->log(QStringLiteral("No session log is kept: %1").arg(file->error()));
    connect(file, &SessionLog::failed, m_session, &ReaderSession::log);
}

void TForm1::buildWindow()
{
    // Page 0: the output format page, with the groups the layout keeps hidden.
    auto *page0 = new QWidget;
    page0->setObjectName(QStringLiteral("TabSheet1"));
    auto *page0Layout = new QVBoxLayout(page0);
    page0Layout->addWidget(new OutputFormatPage(*m_session));
    auto *comm = m_comm = new CommGroup(*m_session);
    page0Layout->addWidget(comm);
    auto *console = new Console(*m_session);
    page0Layout->addWidget(console);
    console->setVisible(false);

    auto *mode = new QGroupBox(QStringLiteral("读卡状态切换"));
    mode->setObjectName(QStringLiteral("GroupBox4"));
    auto *modeLayout = new QVBoxLayout(mode);
    auto *readWrite = new QRadioButton(QStringLiteral("读写状态"));
    readWrite->setObjectName(QStringLiteral("RadioButton3"));
    readWrite->setChecked(true);
    auto *debug = new QRadioButton(QStringLiteral("USB数据调试状态状态            "));
    debug->setObjectName(QStringLiteral("RadioButton4"));
    auto *autoDetect = new QRadioButton(QStringLiteral("自动检测卡状态"));
    autoDetect->setObjectName(QStringLiteral("RadioButton19"));
    connect(debug, &QRadioButton::toggled, m_session, &ReaderSession::setDebugEcho);
    connect(autoDetect, &QRadioButton::toggled, m_session, &ReaderSession::setAutoDetect);
    modeLayout->addWidget(readWrite);
    modeLayout->addWidget(debug);
    modeLayout->addWidget(autoDetect);
    page0Layout->addWidget(mode);
    page0Layout->addStretch();
    m_hiddenGroups = {comm, mode, console};
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
    auto *system = new SystemPage(*m_session);
    system->setObjectName(QStringLiteral("TabSheet4"));
    m_pages->addTab(system, QStringLiteral("系统命令"));
    m_pages->addTab(new ClassicPage(*m_session), QStringLiteral("S50/S70"));
    m_pages->addTab(new UltralightPage(*m_session), QStringLiteral("Ultralight"));
    m_pages->addTab(new TypeBPage(*m_session), QStringLiteral("ISO14443B"));
    m_pages->addTab(new Iso15693Page(*m_session), QStringLiteral("ISO15693"));
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
    connect(m_session, &ReaderSession::logEntry, m_log, &LogPane::addEntry);

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
    m_menus = new MainMenus(*this, *m_log, *m_skin);
    connect(m_menus, &MainMenus::exitRequested, this, &TForm1::exitProgram);
    m_readerMenu = new ReaderMenu(m_session->library(), menuBar(), m_menus->stypeMenu(), m_readerPanel,
                                  [this](const QString &entry) { m_session->log(entry); }, this);
    // Every page is built: the repeat check boxes find their buttons by name.
    m_loops = new RepeatLoops(*m_session, this);
    m_loops->bind(this);

    resize(858, 651);
    if (m_allPages)
        showEverything();
}

void TForm1::showEverything()
{
    for (int i = 0; i < m_pages->count(); ++i)
        m_pages->setTabVisible(i, true);
    for (QWidget *group : m_hiddenGroups)
        group->setVisible(true);
}

void TForm1::FormCreate()
{
    m_pages->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: %1px; }").arg(529 / 3 - 1 - 24));
    m_comm->address()->setCurrentIndex(0);
    m_comm->baudRate()->setCurrentIndex(0);
    m_pages->setCurrentIndex(0);
    m_skin->loadFromCollection(4);
}

void TForm1::PageControl1Change(int)
{
    m_loops->pageChanged();
}

void TForm1::Timer1Timer()
{
    m_clock->setText(clockText(QDateTime::currentDateTime()));
}

void TForm1::saveCardFieldOnce()
{
    // The log pane goes with the window: the lines go to the standard error too.
    if (m_saveFieldDir.isEmpty() || m_fieldSaved)
        return;
    m_fieldSaved = true;
    saveCardField(m_session->library(), m_saveFieldDir, [this](const QString &entry) {
        m_session->log(entry);
        std::fprintf(stderr, "%s\n", qPrintable(entry.trimmed()));
    });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // First of all, so that the operator's writes to the cards are kept even
    // when a wait ends the program at once.
    saveCardFieldOnce();
    m_session->closePortNow();
    // The lines of the way out are in the file even when a close during a
    // wait ends the program at once.
    m_log->sessionLog()->flush();
    m_session->endNowIfWaiting();
    QMainWindow::closeEvent(event);
}

void TForm1::exitProgram()
{
    saveCardFieldOnce();   // quitting closes no window
    m_log->sessionLog()->flush();
    m_session->endNowIfWaiting();
    QCoreApplication::quit();
}

} // namespace rfid
