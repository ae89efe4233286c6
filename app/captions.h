// The captions of a window kept in their source language, so that they can be
// set again in whichever language is chosen. Each text is translated in the
// context of the class whose code made it: the nearest rfid:: class among its
// owners (tr() in that class's constructor marks it for lupdate).
#pragma once

#include <QByteArray>
#include <QPointer>
#include <QSet>
#include <QString>
#include <vector>

class QObject;

namespace rfid {

class Captions
{
public:
    // Records the texts under root (root included) as they are now, which must
    // be the source texts: the window captures itself before it applies a
    // language (one window a process, so no other translator is installed). With a context, every text is translated in it.
    // Dialogs under root are left to themselves.
    void capture(QObject *root, const char *context = nullptr);
    // Keeps object and what it holds out of later captures: it sets its own texts.
    void leaveAlone(QObject *object) { m_captured.insert(object); }
    // Sets every text to its translation in the current language. A text the
    // program has changed since (a status, a clock) is its own: it is left
    // alone and forgotten.
    void apply();

private:
    enum class Kind { Text, Title, ToolTip, AccessibleName, WindowTitle, TabText, ItemText, Placeholder };
    struct Entry {
        QPointer<QObject> object;
        Kind kind;
        int index;
        QByteArray context;
        QString source;
        QString shown;
    };
    void record(QObject *object, const QByteArray &context);
    void add(QObject *object, Kind kind, int index, const QByteArray &context, const QString &text);

    std::vector<Entry> m_entries;
    QSet<QObject *> m_captured;
};

} // namespace rfid
