// The raw frame console: a complete request frame typed, loaded or saved by
// the operator and sent exactly as typed, once or periodically (CheckBox3).
#pragma once

#include <QGroupBox>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rfid {

class ReaderSession;

// A pause edit's text as milliseconds plus offset, computed without overflow;
// nothing when the text is not a whole number.
std::optional<qint64> pauseMs(const QString &text, int offset = 0);
// The line that reports a pause that is not a whole number and the end of the
// sending it stops.
QString pauseRefusal(const QString &field, const QString &text);

class Console : public QGroupBox
{
    Q_OBJECT
public:
    explicit Console(ReaderSession &host, QWidget *parent = nullptr);

public slots:
    void Button3Click();   // send once
    void Button6Click();   // load
    void Button5Click();   // save as
    void Button7Click();   // clear

private:
    void stopAutoSend();

    ReaderSession &m_host;
    QPlainTextEdit *m_memo;
    QLineEdit *m_period;
    QCheckBox *m_auto;
};

} // namespace rfid
