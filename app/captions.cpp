#include "captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

#include "pages/controls.h"

namespace rfid {

namespace {
QByteArray ownerContext(QObject *object)
{
    for (QObject *o = object; o; o = o->parent()) {
        const QByteArray name = o->metaObject()->className();
        if (name.startsWith("rfid::"))
            return name;
    }
    return {};
}

bool hasLetters(const QString &text)
{
    for (QChar c : text)
        if (c.isLetter())
            return true;
    return false;
}
} // namespace

void Captions::capture(QObject *root, const char *context)
{
    // Captured once, by the first capture that reaches it; a dialog keeps its
    // own captions (it may be made again later, in another language).
    if (m_captured.contains(root))
        return;
    m_captured.insert(root);
    record(root, context ? QByteArray(context) : ownerContext(root));
    for (QObject *child : root->children())
        if (!qobject_cast<QDialog *>(child))
            capture(child, context);
}

void Captions::add(QObject *object, Kind kind, int index, const QByteArray &context, const QString &text)
{
    // Numbers, hex bytes and empty texts have nothing to translate.
    if (hasLetters(text) && !context.isEmpty())
        m_entries.push_back({object, kind, index, context, text, text});
}

void Captions::record(QObject *o, const QByteArray &context)
{
    if (auto *w = qobject_cast<QWidget *>(o)) {
        add(o, Kind::ToolTip, 0, context, w->toolTip());
        add(o, Kind::AccessibleName, 0, context, w->accessibleName());
        if (w->isWindow())
            add(o, Kind::WindowTitle, 0, context, w->windowTitle());
    }
    if (auto *l = qobject_cast<QLabel *>(o))
        add(o, Kind::Text, 0, context, l->text());
    else if (auto *b = qobject_cast<QAbstractButton *>(o))
        add(o, Kind::Text, 0, context, b->text());
    else if (auto *g = qobject_cast<QGroupBox *>(o))
        add(o, Kind::Title, 0, context, g->title());
    else if (auto *m = qobject_cast<QMenu *>(o))
        add(o, Kind::Title, 0, context, m->title());
    else if (auto *a = qobject_cast<QAction *>(o)) {
        if (!a->menu())
            add(o, Kind::Text, 0, context, a->text());
    } else if (auto *t = qobject_cast<QTabWidget *>(o)) {
        for (int i = 0; i < t->count(); ++i)
            add(o, Kind::TabText, i, context, t->tabText(i));
    } else if (auto *c = qobject_cast<QComboBox *>(o)) {
        // An editable combo's items are what is sent: never translated.
        if (!c->isEditable())
            for (int i = 0; i < c->count(); ++i)
                add(o, Kind::ItemText, i, context, c->itemText(i));
    } else if (auto *e = qobject_cast<QLineEdit *>(o)) {
        add(o, Kind::Placeholder, 0, context, e->placeholderText());
    }
}

namespace {
template <typename Get, typename Set>
bool reset(const QString &shown, const QString &next, Get get, Set set)
{
    if (get() != shown)
        return false;
    set(next);
    return true;
}
} // namespace

void Captions::apply()
{
    std::vector<Entry> kept;
    kept.reserve(m_entries.size());
    for (Entry &e : m_entries) {
        QObject *o = e.object;
        if (!o)
            continue;
        QString next = QCoreApplication::translate(e.context.constData(), e.source.toUtf8().constData());
        auto *w = qobject_cast<QWidget *>(o);
        bool ok = false;
        switch (e.kind) {
        case Kind::Text:
            if (auto *l = qobject_cast<QLabel *>(o))
                ok = reset(e.shown, next, [l] { return l->text(); }, [l](const QString &s) { l->setText(s); });
            else if (auto *b = qobject_cast<QAbstractButton *>(o))
                ok = reset(e.shown, next, [b] { return b->text(); }, [b](const QString &s) { b->setText(s); });
            else if (auto *a = qobject_cast<QAction *>(o))
                ok = reset(e.shown, next, [a] { return a->text(); }, [a](const QString &s) { a->setText(s); });
            break;
        case Kind::Title:
            if (auto *g = qobject_cast<QGroupBox *>(o))
                ok = reset(e.shown, next, [g] { return g->title(); }, [g](const QString &s) { g->setTitle(s); });
            else if (auto *m = qobject_cast<QMenu *>(o))
                ok = reset(e.shown, next, [m] { return m->title(); }, [m](const QString &s) { m->setTitle(s); });
            break;
        case Kind::ToolTip:
            ok = reset(e.shown, next, [w] { return w->toolTip(); }, [w](const QString &s) { w->setToolTip(s); });
            break;
        case Kind::AccessibleName:
            if (w->accessibleName() != e.shown)
                break;
            // A name made of captions is made again from their translations.
            if (!controls::recomposeName(w, [&e](const QString &s) {
                    return QCoreApplication::translate(e.context.constData(), s.toUtf8().constData());
                }))
                w->setAccessibleName(next);
            ok = true;
            next = w->accessibleName();
            break;
        case Kind::WindowTitle:
            ok = reset(e.shown, next, [w] { return w->windowTitle(); }, [w](const QString &s) { w->setWindowTitle(s); });
            break;
        case Kind::TabText: {
            auto *t = qobject_cast<QTabWidget *>(o);
            const int i = e.index;
            ok = i < t->count()
                 && reset(e.shown, next, [t, i] { return t->tabText(i); }, [t, i](const QString &s) { t->setTabText(i, s); });
            break;
        }
        case Kind::ItemText: {
            auto *c = qobject_cast<QComboBox *>(o);
            const int i = e.index;
            ok = i < c->count()
                 && reset(e.shown, next, [c, i] { return c->itemText(i); }, [c, i](const QString &s) { c->setItemText(i, s); });
            break;
        }
        case Kind::Placeholder: {
            auto *l = qobject_cast<QLineEdit *>(o);
            ok = reset(e.shown, next, [l] { return l->placeholderText(); },
                       [l](const QString &s) { l->setPlaceholderText(s); });
            break;
        }
        }
        if (ok) {
            e.shown = next;
            kept.push_back(std::move(e));
        }
    }
    m_entries = std::move(kept);
}

} // namespace rfid
