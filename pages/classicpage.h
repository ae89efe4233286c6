// The S50/S70 page: MIFARE Classic block, card number and value commands.
#pragma once

#include <QString>
#include <QWidget>

#include "link/response.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace rfid {

class ReaderSession;

// Bit 0: request mode (0 Idle, 1 All); bit 1: key type (0 key A, 1 key B).
QString classicModeByte(bool all, bool keyB);
// The request code of the card number command: REQA for Idle, WUPA for All.
QString requestCode(bool all);
QString haltFlag(bool halt);

// "20" mode, block count, start block, key.
QString classicReadCommand(const QString &mode, const QString &count, const QString &start, const QString &key);
// "21" mode, block count, start block, key, block data.
QString writeBlocksCommand(const QString &mode, const QString &count, const QString &start, const QString &key,
                           const QString &data);
inline const QString kHaltCommand = QStringLiteral("06");
// "25" request code, halt flag.
QString readCardNumberCommand(bool all, bool halt);
// code ("22" initialise, "24" increment, "23" decrement), mode, sector, key, value.
QString valueCommand(const QString &code, const QString &mode, const QString &sector, const QString &key,
                     const QString &value);

// Response data bytes [from, from + count) as hex text, counted like frame
// bytes (4 is the first data byte); count -1 takes the rest of the data.
QString responseBytes(const Response &r, int from, int count = -1);

// The log lines of each command's success, one entry per line as the page adds them.
QStringList classicReadLines(const Response &r, const QString &time);
QStringList writeBlocksLines(const Response &r, const QString &time);
QStringList haltLines(const QString &time);
QStringList cardNumberLines(const Response &r, const QString &time);
QStringList initValueLines(const Response &r, const QString &time);
QStringList changeValueLines(const Response &r, const QString &time);

inline const QString kClassicFailure = QStringLiteral("读卡失败   ");
inline const QString kHaltFailure = QStringLiteral("HALT操作失败   ");
// Halts the Type A card the last command reached, and logs the outcome.
void haltCard(ReaderSession &host);

class ClassicPage : public QWidget
{
    Q_OBJECT
public:
    ClassicPage(ReaderSession &host, QWidget *parent = nullptr);

public slots:
    void Button8Click();    // read blocks
    void Button9Click();    // write blocks
    void Button16Click();   // halt
    void Button29Click();   // read card number
    void Button26Click();   // initialise value
    void Button10Click();   // increment
    void Button15Click();   // decrement
    void RadioButton1Click();
    void RadioButton2Click();

private:
    struct ModePair {
        QRadioButton *all;
        QRadioButton *keyB;
        QString mode() const;
    };
    struct ValueRow {
        QLineEdit *sector, *value, *key;
        ModePair mode;
        QString name;       // the group's name in log lines
        QString valueName;  // the value field's label
    };
    void valueClick(const QString &code, const ValueRow &row, bool change);

    ReaderSession &m_host;
    ModePair m_readMode, m_writeMode;
    QComboBox *m_readStart, *m_readCount, *m_readKey;
    QComboBox *m_writeStart, *m_writeCount, *m_writeKey;
    QLineEdit *m_writeData;
    QRadioButton *m_numberAll, *m_numberHalt;
    QRadioButton *m_address10, *m_address11;
    ValueRow m_init, m_increment, m_decrement;
};

} // namespace rfid
