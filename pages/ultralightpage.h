// The Ultralight page: serial number, halt, page read and page write.
#pragma once

#include <QString>
#include <QWidget>

#include "link/response.h"

class QListWidget;
class QLineEdit;
class QRadioButton;

namespace rfid {

class ReaderSession;

// 0x00 Idle, 0x01 All: the request-mode bit of the Type A mode byte.
QString ultralightModeByte(bool all);
// A page list item ("00" to "15") is a decimal page number; "" when it is not one.
QString pageByte(const QString &item);

QString readSerialCommand(const QString &mode);                      // "E3" mode
QString readPageCommand(const QString &mode, const QString &page);   // "E0" mode page
// "E1" mode, one page, page, data.
QString writePageCommand(const QString &mode, const QString &page, const QString &data);

QStringList readSerialLines(const Response &r, const QString &time);
QStringList readPageLines(const Response &r, const QString &time);
QStringList writePageLines(const Response &r, const QString &time);

class UltralightPage : public QWidget
{
    Q_OBJECT
public:
    UltralightPage(ReaderSession &host, QWidget *parent = nullptr);

public slots:
    void Button55Click();   // read serial number
    void Button17Click();   // halt
    void Button18Click();   // read page
    void Button54Click();   // write page

private:
    // The page number of a list's selected item, or "" after logging why not.
    QString selectedPage(QListWidget *list, const QString &name);

    ReaderSession &m_host;
    QRadioButton *m_serialAll, *m_readAll, *m_writeAll;
    QListWidget *m_readPage, *m_writePage;
    QLineEdit *m_data;
};

} // namespace rfid
