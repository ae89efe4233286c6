// The main menu (System, Stype, About) and the log pane's context menu.
#pragma once

#include <QObject>
#include <QPointer>

#include "tform2.h"

class QAction;
class QMainWindow;
class QMenu;

namespace rfid {

class LogPane;
class SkinData;

class MainMenus : public QObject
{
    Q_OBJECT
public:
    // The menu bar of window; the context menu of pane; skins applied by skins.
    MainMenus(QMainWindow &window, LogPane &pane, SkinData &skins);

    QMenu *popupMenu() const { return m_popup; }
    QMenu *stypeMenu() const { return m_stype; }
    // The help window while it exists.
    TForm2 *helpWindow() const { return m_help; }

public slots:
    void N4Click();     // Exit
    void N11Click();    // skins 0 to 5
    void N12Click();
    void N13Click();
    void N14Click();
    void N51Click();
    void N61Click();
    void N5Click();     // Help

    void MenuItem1Click();   // 清空
    void MenuItem2Click();   // 保存
    void N15Click();         // 撤消
    void N20Click();         // 全选
    void N17Click();         // 剪切
    void N18Click();         // 复制
    void N19Click();         // 粘贴...
    void openLogFolder();    // the session log's folder in the file manager

signals:
    // "Exit" was chosen.
    void exitRequested();

private:
    void skin(int index);

    QMainWindow &m_window;
    LogPane &m_pane;
    SkinData &m_skins;
    QMenu *m_popup;
    QMenu *m_stype;
    QPointer<TForm2> m_help;
};

} // namespace rfid
