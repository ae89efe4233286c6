// Skins: six stored looks for the whole window (menus, tabs, buttons, edits,
// lists, group boxes, status bar), each a style sheet.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class QWidget;

namespace rfid {

struct StoredSkin {
    QString name;
    QString styleSheet;
};

// The store ("skinstore1"): skins 0 to 5, "skin1" to "Skin6".
const QVector<StoredSkin> &skinStore();

// Applies stored skins to one window ("sd1").
class SkinData : public QObject
{
    Q_OBJECT
public:
    explicit SkinData(QWidget *window);

    // Loads skin number index from the store and restyles the window at once;
    // a number beyond the store does nothing and returns false.
    bool loadFromCollection(int index);
    int skinIndex() const { return m_index; }
    QString skinName() const;

private:
    QPointer<QWidget> m_window;
    int m_index = -1;
};

} // namespace rfid
