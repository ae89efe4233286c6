// The main menu (System, Stype, About) and the log pane's context menu.
#pragma once

#include <QObject>
#include <QPointer>

#include "tform2.h"

class QAction;
class QMenu;

namespace rfid {

class TForm1;

class MainMenus : public QObject
{
    Q_OBJECT
public:
    explicit MainMenus(TForm1 &form);

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

private:
    void skin(int index);

    TForm1 &m_form;
    QMenu *m_popup;
    QMenu *m_stype;
    QPointer<TForm2> m_help;
};

} // namespace rfid
