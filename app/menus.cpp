#include "menus.h"

#include <QDesktopServices>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include "link/response.h"
#include "link/timestamp.h"
#include "filedialogs.h"
#include "logpane.h"
#include "skins.h"
#include "tform2.h"

namespace rfid {

namespace {
template <typename Slot> QAction *item(QMenu *menu, const char *name, const QString &text, MainMenus *menus, Slot slot)
{
    QAction *a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    QObject::connect(a, &QAction::triggered, menus, slot);
    return a;
}

QMenu *menu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *m = bar->addMenu(title);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}
} // namespace

MainMenus::MainMenus(QMainWindow &window, LogPane &pane, SkinData &skins)
    : QObject(&window)
    , m_window(window)
    , m_pane(pane)
    , m_skins(skins)
{
    setObjectName(QStringLiteral("MainMenu1"));
    QMenuBar *bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenuBar"));
    QMenu *system = menu(bar, "N1", QStringLiteral("System"));
    item(system, "N4", QStringLiteral("Exit"), this, &MainMenus::N4Click);
    QMenu *stype = m_stype = menu(bar, "N2", QStringLiteral("Stype"));
    item(stype, "N11", QStringLiteral("Stype one"), this, &MainMenus::N11Click);
    item(stype, "N12", QStringLiteral("Stype two"), this, &MainMenus::N12Click);
    item(stype, "N13", QStringLiteral("Stype three"), this, &MainMenus::N13Click);
    item(stype, "N14", QStringLiteral("Stype four"), this, &MainMenus::N14Click);
    item(stype, "N51", QStringLiteral("Stype five"), this, &MainMenus::N51Click);
    item(stype, "N61", QStringLiteral("Stype six"), this, &MainMenus::N61Click);
    QMenu *about = menu(bar, "N3", QStringLiteral("About"));
    item(about, "N5", QStringLiteral("Help"), this, &MainMenus::N5Click);

    m_popup = new QMenu(&window);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    item(m_popup, "MenuItem1", QStringLiteral("清空"), this, &MainMenus::MenuItem1Click);
    item(m_popup, "MenuItem2", QStringLiteral("保存"), this, &MainMenus::MenuItem2Click);
    m_popup->addSeparator()->setObjectName(QStringLiteral("N16"));
    item(m_popup, "N15", QStringLiteral("撤消"), this, &MainMenus::N15Click);
    item(m_popup, "N20", QStringLiteral("全选"), this, &MainMenus::N20Click);
    m_popup->addSeparator()->setObjectName(QStringLiteral("N21"));
    item(m_popup, "N17", QStringLiteral("剪切"), this, &MainMenus::N17Click);
    item(m_popup, "N18", QStringLiteral("复制"), this, &MainMenus::N18Click);
    item(m_popup, "N19", QStringLiteral("粘贴..."), this, &MainMenus::N19Click);
    m_popup->addSeparator()->setObjectName(QStringLiteral("LogFolderSeparator"));
    QAction *folder = item(m_popup, "OpenLogFolder", QStringLiteral("Open log folder"), this, &MainMenus::openLogFolder);
    pane.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_popup, &QMenu::aboutToShow, &pane, [&pane, folder] {
        pane.flush();
        folder->setEnabled(pane.sessionLog() && !pane.sessionLog()->filePath().isEmpty());
    });
    connect(&pane, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_popup->popup(m_pane.viewport()->mapToGlobal(pos)); });

    // Exists from the start, hidden, until its first closing.
    m_help = new TForm2(&window);
    m_help->setAttribute(Qt::WA_DeleteOnClose);
}

void MainMenus::N4Click()
{
    emit exitRequested();
}

void MainMenus::skin(int index)
{
    m_skins.loadFromCollection(index);
}

void MainMenus::N11Click() { skin(0); }
void MainMenus::N12Click() { skin(1); }
void MainMenus::N13Click() { skin(2); }
void MainMenus::N14Click() { skin(3); }
void MainMenus::N51Click() { skin(4); }
void MainMenus::N61Click() { skin(5); }

void MainMenus::N5Click()
{
    if (!m_help) {
        m_help = new TForm2(&m_window);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->exec();
}

void MainMenus::MenuItem1Click()
{
    m_pane.clearAll();
}

void MainMenus::MenuItem2Click()
{
    const QString name = chooseFile(&m_window, {true, QStringLiteral("保存接收数据！"), QStringLiteral("文本文件(.txt)|*.txt")});
    if (name.isEmpty())
        return;
    // An empty pane still holds its one empty block; it saves as an empty file.
    const QStringList lines = m_pane.document()->isEmpty() ? QStringList() : m_pane.lines();
    QString error;
    if (!writeFile(name, linesAsFile(lines), &error))
        m_pane.addEntry(QStringLiteral("日志无法保存到 %1：%2   ").arg(name, error) + timeStamp() + kCrLf);
}

void MainMenus::N15Click()
{
    m_pane.undoEdit();
}

void MainMenus::N20Click()
{
    m_pane.flush();   // entries still on their way belong to "all"
    m_pane.selectAll();
}

void MainMenus::N17Click()
{
    m_pane.cutEdit();
}

void MainMenus::N18Click()
{
    m_pane.flush();
    m_pane.copy();
}

void MainMenus::N19Click()
{
    m_pane.paste();
}

void MainMenus::openLogFolder()
{
    if (SessionLog *file = m_pane.sessionLog())
        QDesktopServices::openUrl(QUrl::fromLocalFile(file->dir()));
}

} // namespace rfid
