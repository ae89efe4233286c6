// The main window: pages on the left, the log on the right, a status bar with
// a clock below. It owns the reader session that every page uses and shows
// the session's log entries.
#pragma once

#include <QMainWindow>
#include <QList>
#include <QString>

class QLabel;
class QTabWidget;
class QTimer;

namespace rfid {

class CommGroup;
class LogPane;
class MainMenus;
class ReaderMenu;
class ReaderSession;
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

class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(const WindowOptions &options, QWidget *parent = nullptr);
    ~TForm1() override;

    ReaderSession &session() const { return *m_session; }
    LogPane *logPane() const { return m_log; }
    RepeatLoops *repeatLoops() const { return m_loops; }
    SkinData *skinData() const { return m_skin; }
    MainMenus *menus() const { return m_menus; }
    ReaderMenu *readerMenu() const { return m_readerMenu; }

    // "Exit": ends the message loop; inside a wait (a handler or a repeat loop
    // suspended) the program ends at once, so that nothing more is sent.
    void exitProgram();

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
    void saveCardFieldOnce();
    void checkSaveFolder();

    ReaderSession *m_session;
    bool m_allPages;
    QString m_saveFieldDir;
    bool m_fieldSaved = false;
    int m_shownPage = 0;   // the current page as last accepted

    QTabWidget *m_pages = nullptr;
    LogPane *m_log = nullptr;
    QLabel *m_clock = nullptr;
    QTimer *m_timer = nullptr;
    CommGroup *m_comm = nullptr;
    QList<QWidget *> m_hiddenGroups;   // shown with every page

    RepeatLoops *m_loops = nullptr;
    SkinData *m_skin = nullptr;
    MainMenus *m_menus = nullptr;
    ReaderMenu *m_readerMenu = nullptr;
    QLabel *m_readerPanel = nullptr;
};

} // namespace rfid
