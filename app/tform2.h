// The help window: one panel with one label.
#pragma once

#include <QDialog>

class QLabel;

namespace rfid {

class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    // Sets its captions in the current language (it may be made in either).
    void retranslate();

protected:
    void changeEvent(QEvent *event) override;

private:
    QLabel *m_label;
};

} // namespace rfid
