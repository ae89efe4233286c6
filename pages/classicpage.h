// The S50/S70 page: MIFARE Classic block, card number and value commands.
#pragma once

#include <QString>
#include <QWidget>

#include "protocol/classic.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace rfid {

class ReaderSession;

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
        // The pair's choice with the key's bytes.
        classic::Access access(const QString &key) const;
    };
    struct ValueRow {
        QLineEdit *sector, *value, *key;
        ModePair mode;
        QString name;       // the group's name in log lines
        QString valueName;  // the value field's label
    };
    void valueClick(classic::ValueOp op, const ValueRow &row);

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
