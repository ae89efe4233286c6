// The ISO15693 page: inventory, block read, write and lock, select, AFI,
// DSFID, system information and block security status of vicinity cards.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "link/response.h"

class QComboBox;
class QLineEdit;

namespace rfid {

class ReaderSession;

// The four items of every row's flag list.
QStringList flagItems();
// The request flags byte of an item: "42", "02", "22" or "52"; "" for none.
QString flagsOf(const QString &item);
// Only "uid" (flags 22) addresses a card by its UID.
bool isAddressed(const QString &item);

// A row's command: code, flags of the item, the fields before the UID, the UID
// when the item addresses, then the fields after it. Fields go as typed.
QString flaggedCommand(const QString &code, const QString &item, const QStringList &before, const QString &uid,
                       const QStringList &after = {});

QString inventoryCommand();
QString readBlocksCommand(const QString &item, const QString &first, const QString &count, const QString &uid);
QString writeBlockCommand(const QString &item, const QString &first, const QString &count, const QString &uid,
                          const QString &data);
QString lockBlockCommand(const QString &item, const QString &block);   // never a UID
QString selectCommand(const QString &item, const QString &uid);        // always the UID
QString writeAfiCommand(const QString &item, const QString &afi, const QString &uid);
QString lockAfiCommand(const QString &item, const QString &uid);
QString writeDsfidCommand(const QString &item, const QString &dsfid, const QString &uid);
QString lockDsfidCommand(const QString &item, const QString &uid);
QString systemInfoCommand(const QString &item, const QString &uid);
QString securityStatusCommand(const QString &item, const QString &first, const QString &count, const QString &uid);

// Success lines, one log line each ("" is the empty line that ends a group).
// Inventory: count, data, one card line per whole 10-byte record with its UID
// reversed to most significant byte first.
QStringList inventoryLines(const Response &r, const QString &time);
QStringList readBlocksLines(const Response &r, const QString &time);
// System information at its fixed positions, whatever the information flags.
QStringList systemInfoLines(const Response &r, const QString &time);
QStringList securityStatusLines(const Response &r, const QString &time);

class Iso15693Page : public QWidget
{
    Q_OBJECT
public:
    Iso15693Page(ReaderSession &host, QWidget *parent = nullptr);

public slots:
    void Button37Click();   // inventory
    void Button38Click();   // read blocks
    void Button39Click();   // write block
    void Button40Click();   // lock block
    void Button42Click();   // select card
    void Button44Click();   // write AFI
    void Button45Click();   // lock AFI
    void Button46Click();   // write DSFID
    void Button47Click();   // lock DSFID
    void Button48Click();   // system information
    void Button49Click();   // block security status

private:
    QString flagItem(int row) const;   // row 2 to 11
    // The edits whose text goes into the command; refuses odd ones with a line.
    bool whole(const QList<const QLineEdit *> &edits);
    // One exchange: logs no data, failure or corrupted data with the texts,
    // and returns true on success for the caller's own lines.
    bool exchange(const QString &command, int waitMs, const QString &failure, Response *answer);
    // Success logs text + time and an empty line.
    void simpleRow(const QString &command, const QString &success, const QString &failure);

    ReaderSession &m_host;
    QList<QComboBox *> m_flags;   // ComboBox10 to ComboBox19
    QLineEdit *m_edit14, *m_edit13, *m_edit55;
    QLineEdit *m_edit48, *m_edit49, *m_edit16, *m_edit50;
    QLineEdit *m_edit18, *m_edit19;
    QLineEdit *m_edit15, *m_edit28, *m_edit32;
    QLineEdit *m_edit17, *m_edit36, *m_edit38, *m_edit41;
    QLineEdit *m_edit21, *m_edit20, *m_edit43;
};

} // namespace rfid
