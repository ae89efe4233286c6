#include "skins.h"

#include <QWidget>

namespace rfid {

namespace {
// The colours of one skin; every text colour is chosen against the
// background it is drawn on, so Chinese and English stay legible everywhere.
struct Colours {
    const char *window, *text, *panel, *border, *title;
    const char *base, *baseText;
    const char *button, *buttonText, *hover;
    const char *accent, *accentText;
    const char *menu, *menuText;
    const char *tab, *tabText;
    const char *status, *statusText;
    const char *disabled;
};

QString sheet(const Colours &c)
{
    QString s = QStringLiteral(R"(
QWidget { background-color: @window; color: @text; }
QMenuBar { background-color: @menu; color: @menuText; border-bottom: 1px solid @border; }
QMenuBar::item { background: transparent; padding: 3px 10px; }
QMenuBar::item:selected, QMenuBar::item:pressed { background-color: @accent; color: @accentText; }
QMenu { background-color: @menu; color: @menuText; border: 1px solid @border; }
QMenu::item { padding: 4px 28px 4px 20px; }
QMenu::item:selected { background-color: @accent; color: @accentText; }
QMenu::item:disabled { color: @disabled; }
QMenu::separator { height: 1px; background: @border; margin: 3px 6px; }
QTabWidget::pane { border: 1px solid @border; background-color: @panel; }
QTabBar::tab { background-color: @tab; color: @tabText; border: 1px solid @border; padding: 4px 8px; margin-right: 1px; }
QTabBar::tab:selected { background-color: @accent; color: @accentText; }
QTabBar::tab:hover:!selected { background-color: @hover; color: @buttonText; }
QGroupBox { background-color: @panel; border: 1px solid @border; border-radius: 3px; margin-top: 12px; padding-top: 6px; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0 4px; color: @title; background-color: @window; }
QLabel, QCheckBox, QRadioButton { background: transparent; color: @text; }
QCheckBox:disabled, QRadioButton:disabled, QLabel:disabled { color: @disabled; }
QCheckBox::indicator, QRadioButton::indicator { width: 12px; height: 12px; border: 1px solid @border; background-color: @base; }
QRadioButton::indicator { border-radius: 7px; }
QCheckBox::indicator:checked { background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @accent, stop:1 @accent); border: 1px solid @border; }
QRadioButton::indicator:checked { background-color: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5, stop:0 @accent, stop:0.55 @accent, stop:0.65 @base, stop:1 @base); }
QCheckBox::indicator:hover, QRadioButton::indicator:hover { border: 1px solid @accent; }
QPushButton { background-color: @button; color: @buttonText; border: 1px solid @border; border-radius: 3px; padding: 3px 10px; min-height: 18px; }
QPushButton:hover { background-color: @hover; }
QPushButton:pressed, QPushButton:checked { background-color: @accent; color: @accentText; }
QPushButton:disabled { color: @disabled; }
QPushButton:focus { border: 1px solid @accent; }
QLineEdit, QPlainTextEdit, QTextEdit, QListView, QListWidget, QComboBox, QSpinBox {
    background-color: @base; color: @baseText; border: 1px solid @border;
    selection-background-color: @accent; selection-color: @accentText; }
QLineEdit:disabled, QComboBox:disabled { color: @disabled; }
QLineEdit:focus, QPlainTextEdit:focus, QComboBox:focus { border: 1px solid @accent; }
QComboBox { padding: 1px 4px; }
QComboBox QAbstractItemView { background-color: @base; color: @baseText; border: 1px solid @border;
    selection-background-color: @accent; selection-color: @accentText; }
QScrollBar:vertical { background: @panel; width: 14px; margin: 0; border: 1px solid @border; }
QScrollBar:horizontal { background: @panel; height: 14px; margin: 0; border: 1px solid @border; }
QScrollBar::handle { background: @button; border: 1px solid @border; border-radius: 3px; }
QScrollBar::handle:vertical { min-height: 24px; }
QScrollBar::handle:horizontal { min-width: 24px; }
QScrollBar::handle:hover { background: @hover; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; background: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
QAbstractScrollArea::corner { background: @panel; }
QStatusBar { background-color: @status; color: @statusText; }
QStatusBar QLabel { color: @statusText; border: 1px solid @border; padding: 0 2px; }
QStatusBar::item { border: none; }
QToolTip { background-color: @base; color: @baseText; border: 1px solid @border; }
)");
    const std::pair<const char *, const char *> keys[] = {
        {"@window", c.window}, {"@text", c.text}, {"@panel", c.panel}, {"@border", c.border}, {"@title", c.title},
        {"@baseText", c.baseText}, {"@base", c.base}, {"@buttonText", c.buttonText}, {"@button", c.button},
        {"@hover", c.hover}, {"@accentText", c.accentText}, {"@accent", c.accent}, {"@menuText", c.menuText},
        {"@menu", c.menu}, {"@tabText", c.tabText}, {"@tab", c.tab}, {"@statusText", c.statusText},
        {"@status", c.status}, {"@disabled", c.disabled},
    };
    // Longer keys first where one is a prefix of another (@baseText, @base).
    for (const auto &[key, value] : keys)
        s.replace(QLatin1String(key), QLatin1String(value));
    return s;
}
} // namespace

const QVector<StoredSkin> &skinStore()
{
    static const QVector<StoredSkin> store = [] {
        // window, text, panel, border, title, base, baseText, button, buttonText, hover,
        // accent, accentText, menu, menuText, tab, tabText, status, statusText, disabled
        const Colours classicBlue = {"#dfe8f3", "#10203a", "#eef3f9", "#7a93b8", "#1d4a85", "#ffffff", "#000000",
                                     "#c9d8ec", "#10203a", "#b3c9e6", "#2f5f9e", "#ffffff", "#c9d8ec", "#10203a",
                                     "#c9d8ec", "#10203a", "#2f5f9e", "#ffffff", "#6b7a90"};
        const Colours graphite = {"#2b2d31", "#e8e8e8", "#33363b", "#5c6068", "#9cc4f0", "#1e1f22", "#f0f0f0",
                                  "#454950", "#f0f0f0", "#565b63", "#4f8fd6", "#ffffff", "#3a3d42", "#f0f0f0",
                                  "#3a3d42", "#d8d8d8", "#1e1f22", "#e8e8e8", "#8a8a8a"};
        const Colours olive = {"#e6eedb", "#1f2d12", "#f1f6ea", "#7f9a5c", "#3d6119", "#fbfdf7", "#000000",
                               "#cfdfb8", "#1f2d12", "#bcd29e", "#4f7a28", "#ffffff", "#cfdfb8", "#1f2d12",
                               "#d6e4c3", "#1f2d12", "#4f7a28", "#ffffff", "#7a8570"};
        const Colours sand = {"#efe6d8", "#3a2a17", "#f7f1e7", "#a88b62", "#7a4b1c", "#fffdf8", "#000000",
                              "#e2d2b8", "#3a2a17", "#d6c09d", "#8a5a2b", "#ffffff", "#e2d2b8", "#3a2a17",
                              "#e6d8c2", "#3a2a17", "#8a5a2b", "#ffffff", "#8c7d6a"};
        const Colours silver = {"#e4e7eb", "#1b1f24", "#f2f4f6", "#8d96a3", "#2c5a8a", "#ffffff", "#000000",
                                "#d3d8df", "#1b1f24", "#c1c8d2", "#3a6ea5", "#ffffff", "#f2f4f6", "#1b1f24",
                                "#d3d8df", "#1b1f24", "#3a4452", "#f2f4f6", "#7d8590"};
        const Colours navy = {"#14213d", "#f5f5f5", "#1b2b4f", "#4a6491", "#fcc05a", "#0d1628", "#ffffff",
                              "#27406e", "#ffffff", "#33538d", "#fca311", "#000000", "#1b2b4f", "#f5f5f5",
                              "#27406e", "#e6e6e6", "#0d1628", "#fca311", "#8a96ad"};
        return QVector<StoredSkin>{
            {QStringLiteral("skin1"), sheet(classicBlue)}, {QStringLiteral("skin2"), sheet(graphite)},
            {QStringLiteral("skin3"), sheet(olive)},       {QStringLiteral("skin4"), sheet(sand)},
            {QStringLiteral("Skin5"), sheet(silver)},      {QStringLiteral("Skin6"), sheet(navy)},
        };
    }();
    return store;
}

SkinData::SkinData(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("sd1"));
}

bool SkinData::loadFromCollection(int index)
{
    if (index < 0 || index >= skinStore().size() || !m_window)
        return false;
    m_index = index;
    m_window->setStyleSheet(skinStore()[index].styleSheet);
    return true;
}

QString SkinData::skinName() const
{
    return m_index < 0 ? QString() : skinStore()[m_index].name;
}

} // namespace rfid
