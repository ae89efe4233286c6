// Builders for the pages' controls: object names as the window knows them,
// and names a screen reader can tell apart where captions repeat.
#pragma once

#include <QString>
#include <QStringList>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace rfid::controls {

// A radio button whose accessible name adds its row ("Idle（读卡）").
QRadioButton *radio(const char *name, const QString &caption, const QString &row, bool checked = false);
// A captionless group box (or a plain panel) holding one exclusive pair.
QWidget *pairBox(const char *name, QRadioButton *first, QRadioButton *second, bool panel = false);
// An editable combo whose text is what is sent; typed text is not added to the list.
QComboBox *combo(const char *name, const QStringList &items, const QString &text);
QLineEdit *edit(const char *name, const QString &text);
// A button; where its caption repeats on a page, a screen reader hears its row
// with it ("设置：设置波特率").
QPushButton *button(const char *name, const QString &caption, const QString &row = {});
QLabel *label(const char *name, const QString &text);
// A field's label: the field is its buddy, and a screen reader names the field
// by the label's text.
QLabel *label(const char *name, const QString &text, QWidget *field);
QCheckBox *checkBox(const char *name, const QString &caption, const QString &accessibleName);
// The label and its field side by side; the field is named by the label and its row.
QBoxLayout *labelled(const QString &label, QWidget *field, const QString &row);
// A thin separator line; a name only where the window knows it by one.
QFrame *separator(const char *name = nullptr);

} // namespace rfid::controls
