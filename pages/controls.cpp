#include "controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace rfid::controls {

QRadioButton *radio(const char *name, const QString &caption, const QString &row, bool checked)
{
    auto *b = new QRadioButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QStringLiteral("%1（%2）").arg(caption.trimmed(), row));
    b->setChecked(checked);
    return b;
}

QWidget *pairBox(const char *name, QRadioButton *first, QRadioButton *second, bool panel)
{
    QWidget *box = panel ? static_cast<QWidget *>(new QFrame) : new QGroupBox;
    box->setObjectName(QString::fromLatin1(name));
    if (auto *frame = qobject_cast<QFrame *>(box))
        frame->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(first);
    layout->addWidget(second);
    return box;
}

QComboBox *combo(const char *name, const QStringList &items, const QString &text)
{
    auto *c = new QComboBox;
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    const int index = c->findText(text);
    if (index >= 0)
        c->setCurrentIndex(index);
    else
        c->setEditText(text);
    return c;
}

QLineEdit *edit(const char *name, const QString &text)
{
    auto *e = new QLineEdit(text);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QPushButton *button(const char *name, const QString &caption, const QString &row)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    if (!row.isEmpty())
        b->setAccessibleName(caption + QStringLiteral("：") + row);
    return b;
}

QLabel *label(const char *name, const QString &text)
{
    auto *l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QCheckBox *checkBox(const char *name, const QString &caption, const QString &accessibleName)
{
    auto *c = new QCheckBox(caption);
    c->setObjectName(QString::fromLatin1(name));
    c->setAccessibleName(accessibleName);
    return c;
}

QBoxLayout *labelled(const QString &label, QWidget *field, const QString &row)
{
    auto *l = new QLabel(label);
    l->setBuddy(field);
    field->setAccessibleName(QStringLiteral("%1（%2）").arg(label.trimmed().remove(u'：'), row));
    auto *layout = new QHBoxLayout;
    layout->addWidget(l);
    layout->addWidget(field, 1);
    return layout;
}

QLabel *label(const char *name, const QString &text, QWidget *field)
{
    QLabel *l = label(name, text);
    l->setBuddy(field);
    field->setAccessibleName(text.trimmed().remove(u'：'));
    return l;
}

QFrame *separator(const char *name)
{
    auto *line = new QFrame;
    if (name)
        line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace rfid::controls
