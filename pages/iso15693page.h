// The ISO15693 page: inventory, block read, write and lock, select, AFI,
// DSFID, system information and block security status of vicinity cards.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include "protocol/iso15693.h"

class QComboBox;
class QLineEdit;

namespace rfid {

class ReaderSession;

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
    struct RowEntry;
    // One command row as built: its table entry, its flag list and its fields by role.
    struct Row {
        const RowEntry *entry = nullptr;
        QComboBox *flags = nullptr;
        QHash<iso15693::Param, QLineEdit *> fields;
    };
    static const RowEntry kRows[];
    // Refuses an odd field the command would carry, else sends the row's command.
    void runRow(const Row &row);

    ReaderSession &m_host;
    Row m_readBlocks, m_writeBlock, m_lockBlock, m_select, m_writeAfi, m_lockAfi, m_writeDsfid, m_lockDsfid,
        m_systemInfo, m_security;
};

} // namespace rfid
