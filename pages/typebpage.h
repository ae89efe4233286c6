// The ISO14443B page: Type B request, Attrib and data exchange, and the two
// reads of the second-generation resident ID card.
#pragma once

#include <QString>
#include <QWidget>

#include "link/response.h"

class QLineEdit;

namespace rfid {

class ReaderSession;

// The data exchange's frame carries N + 7 bytes and the write buffer holds 255.
constexpr int kMaxExchangeData = 248;

// The data exchange's own frame: AA, address, N + 2, 0D, N, the data bytes,
// XOR, BB. The address is inserted as the combo shows it.
QString dataExchangeFrame(const QString &address, const QString &data);
// The data exchange's message for byte 4 of a failed answer, "" outside its table.
QString exchangeMessage(const QString &code);
// What the data exchange logs for its answer ("" when nothing arrived).
QString dataExchangeEntry(const QString &answer, const QString &time);
// The success lines of the request, and of the two ID card reads.
QString requestEntry(const Response &r, const QString &time);
QString idNumberEntry(const Response &r, const QString &time);

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
    void readIdNumber(const QString &command);

    ReaderSession &m_host;
    QLineEdit *m_cardId;
    QLineEdit *m_data;
};

} // namespace rfid
