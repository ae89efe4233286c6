// The keyboard output format page: how the reader types a card's number.
#pragma once

#include <QString>
#include <QWidget>


class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace rfid {

class ReaderSession;

class OutputFormatPage : public QWidget
{
    Q_OBJECT
public:
    OutputFormatPage(ReaderSession &host, QWidget *parent = nullptr);

public slots:
    void Button24Click();   // Set
    void Button25Click();   // Read

private:
    ReaderSession &m_host;
    QButtonGroup *m_formats;   // each button's id is its format code
    QRadioButton *m_bigBuzzer;
    QCheckBox *m_semicolon, *m_question, *m_comma, *m_enter, *m_userDefined;
    QLineEdit *m_userByte;
};

} // namespace rfid
