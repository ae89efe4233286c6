// The keyboard output format page: how the reader types a card's number.
#pragma once

#include <QString>
#include <QWidget>

#include "../link/response.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace rfid {

class CommandHost;

struct OutputFormat {
    int code;
    const char *radio;      // object name of its radio button
    const char *caption;    // text on the page
    const char *readText;   // what Read logs for the code
};

// The fifteen formats, in code order.
const OutputFormat *outputFormats(int *count);
// The Read text of a code, "" for a code outside the table.
QString readFormatText(int code);

struct OutputFormatChoice {
    int code = -1;          // -1: no format chosen
    bool semicolon = false;
    bool questionMark = false;
    bool comma = false;
    bool enter = false;
    bool bigBuzzer = true;
    bool userDefined = false;
    QString userByte;       // Edit23 as typed
};

// "82", code, ; ? , Enter flags, buzzer, "01", user-defined byte.
QString setFormatCommand(const OutputFormatChoice &choice);
// The lines of a successful Read, as one log entry; an answer too short to hold
// the format code and its four flags gives the corrupted-data entry instead.
QString readFormatEntry(const Response &r, const QString &time);

inline const QString kFormatNoData = QStringLiteral("Data error，no data recevice..   ");
inline const QString kFormatCorrupted = QStringLiteral("data error,please check data..   ");

class OutputFormatPage : public QWidget
{
    Q_OBJECT
public:
    OutputFormatPage(CommandHost &host, QWidget *parent = nullptr);

    OutputFormatChoice choice() const;

public slots:
    void Button24Click();   // Set
    void Button25Click();   // Read

private:
    CommandHost &m_host;
    QList<QRadioButton *> m_formats;
    QRadioButton *m_bigBuzzer;
    QCheckBox *m_semicolon, *m_question, *m_comma, *m_enter, *m_userDefined;
    QLineEdit *m_userByte;
};

} // namespace rfid
