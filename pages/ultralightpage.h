// The Ultralight page: serial number, halt, page read and page write.
#pragma once

#include <QString>
#include <QWidget>

#include <optional>

#include "protocol/ultralight.h"

class QListWidget;
class QLineEdit;
class QRadioButton;

namespace rfid {

class ReaderSession;

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
    // The page number of a list's selected item, or nothing after logging why not.
    std::optional<quint8> selectedPage(QListWidget *list, const QString &name);

    ReaderSession &m_host;
    QRadioButton *m_serialAll, *m_readAll, *m_writeAll;
    QListWidget *m_readPage, *m_writePage;
    QLineEdit *m_data;
};

} // namespace rfid
