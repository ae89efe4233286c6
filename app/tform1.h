// The main window: pages on the left, the log on the right, a status bar with
// a clock below. It owns the reader link that every page uses.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>

#include "../link/readerlibrary.h"
#include "../pages/commandhost.h"

class QComboBox;
class QLabel;
class QRadioButton;
class QTabWidget;
class QTimer;

namespace rfid {

class LogPane;
class MainMenus;
class ReaderMenu;
class RepeatLoops;
class SkinData;

struct WindowOptions {
    QString readerPath;       // the reader library to load
    bool allPages = false;    // show the tabs and groups the layout hides
    QString fieldFile;        // dumps to put into the virtual reader's field at start
    QString saveFieldDir;     // where the field's cards are saved when the window closes
    int logLines = 0;         // lines the log pane keeps; 0: its default
    QString logDir;           // the session log's folder; empty: the user's state folder
    QString device;           // the device commands go to (an id the reader library takes)
};

class TForm1 : public QMainWindow, public CommandHost
{
    Q_OBJECT
public:
    explicit TForm1(const WindowOptions &options, QWidget *parent = nullptr);
    ~TForm1() override;

    // CommandHost
    QString Send(const QString &command) override;
    QString SendHex(const QString &frame) override;
    void Delay(int ms, const QString &own) override;
    void Delayy(int ms) override;
    void log(const QString &entry) override;
    QString recdata() const override { return m_recdata; }
    void clearRecdata() override { m_recdata.clear(); }
    void setAddress(const QString &item) override;
    QString address() const override;

    // The plain wait: until the shared recdata is non-empty (the repeat
    // loops pace themselves by it).
    void Delay(int ms);
    // Serial bytes land here (appended). recdata holds at most kRecdataCap
    // characters: past it the new bytes are dropped, never the front. Returns
    // how many characters were appended (whole bytes).
    static constexpr qsizetype kRecdataCap = 2 * 64 * 1024;
    qsizetype appendRecdata(const QString &hex);
    // Takes back the last `chars` characters (a recognised card report's own).
    void dropRecdataTail(qsizetype chars) { m_recdata.chop(chars); }

    LogPane *logPane() const { return m_log; }
    ReaderLibrary &readerLibrary() { return m_library; }
    bool debugEcho() const;
    bool autoDetect() const;   // automatic card detection mode
    int waitDepth() const { return m_waitDepth; }
    RepeatLoops *repeatLoops() const { return m_loops; }
    SkinData *skinData() const { return m_skin; }
    MainMenus *menus() const { return m_menus; }
    ReaderMenu *readerMenu() const { return m_readerMenu; }

    // "Exit": ends the message loop; inside a wait (a handler or a repeat loop
    // suspended) the program ends at once, so that nothing more is sent.
    void exitProgram();

signals:
    // Before the window closes (the serial port closes on it).
    void aboutToClose();

public slots:
    void FormCreate();
    void PageControl1Change(int index);
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void openSessionLog(const WindowOptions &options);
    void showEverything();
    void wait(int ms, const std::function<bool()> &done);
    void endNowIfWaiting();
    void saveCardFieldOnce();
    void checkSaveFolder();

    ReaderLibrary m_library;
    QString m_recdata;
    int m_waitDepth = 0;
    bool m_allPages;
    QString m_saveFieldDir;
    bool m_fieldSaved = false;
    int m_shownPage = 0;   // the current page as last accepted

    QTabWidget *m_pages = nullptr;
    LogPane *m_log = nullptr;
    QLabel *m_clock = nullptr;
    QTimer *m_timer = nullptr;
    QComboBox *m_address = nullptr;
    QRadioButton *m_debug = nullptr;
    QRadioButton *m_autoDetect = nullptr;

    RepeatLoops *m_loops = nullptr;
    SkinData *m_skin = nullptr;
    MainMenus *m_menus = nullptr;
    ReaderMenu *m_readerMenu = nullptr;
    QLabel *m_readerPanel = nullptr;
};

} // namespace rfid
