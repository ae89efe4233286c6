// The ISO14443B page: Type B request, Attrib and data exchange, and the two
// reads of the second-generation resident ID card.
#pragma once

#include <QString>
#include <QWidget>


class QLineEdit;

namespace rfid {

class ReaderSession;

class TypeBPage : public QWidget
{
    Q_OBJECT
public:
    TypeBPage(ReaderSession &host, QWidget *parent = nullptr);

public slots:
    void Button31Click();   // request
    void Button33Click();   // Attrib
    void Button36Click();   // data exchange
    void Button19Click();   // ID number
    void Button22Click();   // file ID number

private:

    ReaderSession &m_host;
    QLineEdit *m_cardId;
    QLineEdit *m_data;
};

} // namespace rfid
