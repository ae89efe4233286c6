#include "iso15693page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/hextext.h"
#include "link/timestamp.h"
#include "session/readersession.h"
#include "exchangeflow.h"

namespace rfid {

namespace {
const QString kFlagLabel = QStringLiteral("标志位    ");
const QString kAddressedFlags = QStringLiteral("22");
const char *const kFieldName = "fieldName";

// Response bytes from k on (counted from the start byte), at most n of them,
// and only those that are data: a short answer shows nothing where it ends.
QString dataBytes(const Response &r, int k, int n = -1)
{
    return bytesToHex(r.data().mid(k - 4, n));
}
} // namespace

QStringList flagItems()
{
    return {QStringLiteral("TI"), QStringLiteral("Philips"), QStringLiteral("uid"), QStringLiteral("Other")};
}

QString flagsOf(const QString &item)
{
    // option + high data rate; high data rate; address + high data rate;
    // option + select + high data rate
    static const QString flags[] = {QStringLiteral("42"), QStringLiteral("02"), QStringLiteral("22"),
                                    QStringLiteral("52")};
    const QStringList items = flagItems();
    for (int i = 0; i < items.size(); ++i)
        if (item == items[i])
            return flags[i];
    return {};
}

bool isAddressed(const QString &item)
{
    return flagsOf(item) == kAddressedFlags;
}

QString flaggedCommand(const QString &code, const QString &item, const QStringList &before, const QString &uid,
                       const QStringList &after)
{
    return code + flagsOf(item) + before.join(QString()) + (isAddressed(item) ? uid : QString())
        + after.join(QString());
}

QString inventoryCommand()
{
    return QStringLiteral("10") + QStringLiteral("060000");
}

QString readBlocksCommand(const QString &item, const QString &first, const QString &count, const QString &uid)
{
    return flaggedCommand(QStringLiteral("11"), item, {first, count}, uid);
}

QString writeBlockCommand(const QString &item, const QString &first, const QString &count, const QString &uid,
                          const QString &data)
{
    return flaggedCommand(QStringLiteral("12"), item, {first, count}, uid, {data});
}

QString lockBlockCommand(const QString &item, const QString &block)
{
    return flaggedCommand(QStringLiteral("13"), item, {block}, QString());
}

QString selectCommand(const QString &item, const QString &uid)
{
    return flaggedCommand(QStringLiteral("15"), item, {uid}, QString());
}

QString writeAfiCommand(const QString &item, const QString &afi, const QString &uid)
{
    return flaggedCommand(QStringLiteral("17"), item, {afi}, uid);
}

QString lockAfiCommand(const QString &item, const QString &uid)
{
    return flaggedCommand(QStringLiteral("18"), item, {}, uid);
}

QString writeDsfidCommand(const QString &item, const QString &dsfid, const QString &uid)
{
    return flaggedCommand(QStringLiteral("19"), item, {dsfid}, uid);
}

QString lockDsfidCommand(const QString &item, const QString &uid)
{
    return flaggedCommand(QStringLiteral("1A"), item, {}, uid);
}

QString systemInfoCommand(const QString &item, const QString &uid)
{
    return flaggedCommand(QStringLiteral("1B"), item, {}, uid);
}

QString securityStatusCommand(const QString &item, const QString &first, const QString &count, const QString &uid)
{
    return flaggedCommand(QStringLiteral("1C"), item, {first, count}, uid);
}

QStringList inventoryLines(const Response &r, const QString &time)
{
    const QByteArray records = r.data().mid(1);
    QStringList lines = {
        QStringLiteral("操作成功   ") + time,
        QStringLiteral("域内的卡片数量为：") + dataBytes(r, 4, 1),
        QStringLiteral("域内的卡片数据为：") + bytesToHex(records),
    };
    // Flags, DSFID, then the UID least significant byte first; an incomplete
    // tail gets no card line.
    for (int i = 0; (i + 1) * 10 <= records.size(); ++i)
        lines << QStringLiteral("第%1张卡卡号为：").arg(i + 1) + cdate(bytesToHex(records.mid(i * 10 + 2, 8)));
    lines << QString();
    return lines;
}

QStringList readBlocksLines(const Response &r, const QString &time)
{
    return {QStringLiteral("操作成功   ") + time, QStringLiteral("标志位为：") + dataBytes(r, 4, 1),
            QStringLiteral("读卡返回数据为：") + dataBytes(r, 5), QString()};
}

QStringList systemInfoLines(const Response &r, const QString &time)
{
    return {
        QStringLiteral("操作成功   ") + time,
        QStringLiteral("  Flags值为： ") + dataBytes(r, 4, 1),
        QStringLiteral("  INFO Flags值为： ") + dataBytes(r, 5, 1),
        QStringLiteral("  卡UID值为： ") + dataBytes(r, 6, 8),
        QStringLiteral("  DSFID值为： ") + dataBytes(r, 14, 1),
        QStringLiteral("  AFI值为： ") + dataBytes(r, 15, 1),
        QStringLiteral("  Other fields值为： ") + dataBytes(r, 16),
        QString(),
    };
}

QStringList securityStatusLines(const Response &r, const QString &time)
{
    return {QStringLiteral("操作成功   ") + time, QStringLiteral("标志位为：") + dataBytes(r, 4, 1),
            QStringLiteral("块安全位状态为：") + dataBytes(r, 5), QString()};
}

Iso15693Page::Iso15693Page(ReaderSession &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("TabSheet6"));

    QString rowName;   // the row's button caption, for screen readers
    auto edit = [&](const char *name, const QString &text, int width) {
        auto *e = new QLineEdit(text);
        e->setObjectName(QString::fromLatin1(name));
        e->setFixedWidth(width);
        return e;
    };
    auto button = [&](const char *name, const QString &caption, void (Iso15693Page::*slot)()) {
        auto *b = new QPushButton(caption);
        b->setObjectName(QString::fromLatin1(name));
        b->setFixedWidth(80);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    // The repeat boxes' captions repeat: their screen reader names add the row.
    auto check = [&](const char *name, const QString &caption) {
        auto *c = new QCheckBox(caption);
        c->setObjectName(QString::fromLatin1(name));
        c->setAccessibleName(caption.trimmed() + QStringLiteral(" (") + rowName + u')');
        return c;
    };
    // A field with its label to its right. Labels repeat from row to row, so
    // the screen reader's name adds the row.
    auto labelled = [&](QBoxLayout *line, QWidget *field, const QString &label) {
        auto *l = new QLabel(label);
        l->setBuddy(field);
        const QString name = label.trimmed() + QStringLiteral(" (") + rowName + u')';
        field->setAccessibleName(name);
        field->setProperty(kFieldName, QStringLiteral("%1（%2）").arg(name, field->objectName()));
        line->addWidget(field);
        line->addWidget(l);
    };
    auto flagList = [&](QBoxLayout *line, int start) {
        auto *c = new QComboBox;
        c->setObjectName(QStringLiteral("ComboBox%1").arg(10 + m_flags.size()));
        c->addItems(flagItems());   // a list: no typing
        c->setCurrentIndex(start);
        m_flags.append(c);
        labelled(line, c, kFlagLabel);
    };

    auto *page = new QVBoxLayout(this);
    page->setSpacing(3);
    auto separator = [&] {
        auto *line = new QFrame;
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        page->addWidget(line);
    };
    auto newLine = [&] {
        auto *line = new QHBoxLayout;
        page->addLayout(line);
        return line;
    };
    const int shortWidth = 32, uidWidth = 150;

    // Row 1: inventory.
    rowName = QStringLiteral("防冲突");
    QHBoxLayout *line = newLine();
    line->addWidget(check("CheckBox5", QStringLiteral("连续读   ")));
    line->addStretch();
    line->addWidget(button("Button37", QStringLiteral("防冲突"), &Iso15693Page::Button37Click));
    separator();

    // Row 2: read blocks.
    rowName = QStringLiteral("卡片读");
    line = newLine();
    flagList(line, 1);
    labelled(line, m_edit14 = edit("Edit14", QStringLiteral("01"), shortWidth), QStringLiteral("起始块  "));
    labelled(line, m_edit13 = edit("Edit13", QStringLiteral("05"), shortWidth), QStringLiteral("块数量  "));
    line->addWidget(check("CheckBox6", QStringLiteral("连续读     ")));
    line->addStretch();
    line->addWidget(button("Button38", QStringLiteral("卡片读"), &Iso15693Page::Button38Click));
    line = newLine();
    labelled(line, m_edit55 = edit("Edit55", QString(), uidWidth), QStringLiteral("卡的uid信息    "));
    line->addStretch();
    separator();

    // Row 3: write block.
    rowName = QStringLiteral("卡片写");
    line = newLine();
    flagList(line, 0);
    labelled(line, m_edit48 = edit("Edit48", QStringLiteral("05"), shortWidth), QStringLiteral("起始块  "));
    labelled(line, m_edit49 = edit("Edit49", QStringLiteral("01"), shortWidth), QStringLiteral("块数量  "));
    line->addWidget(check("CheckBox7", QStringLiteral("连续写   ")));
    line->addStretch();
    line->addWidget(button("Button39", QStringLiteral("卡片写"), &Iso15693Page::Button39Click));
    line = newLine();
    labelled(line, m_edit16 = edit("Edit16", QStringLiteral("11 22 33 44"), 100), QStringLiteral("要写的数据    "));
    labelled(line, m_edit50 = edit("Edit50", QString(), uidWidth), QStringLiteral("卡uid  "));
    line->addStretch();
    separator();

    // Row 4: lock block.
    rowName = QStringLiteral("锁定块");
    line = newLine();
    flagList(line, 1);
    labelled(line, m_edit18 = edit("Edit18", QStringLiteral("05"), shortWidth),
             QStringLiteral("要锁的块号           "));
    line->addStretch();
    line->addWidget(button("Button40", QStringLiteral("锁定块"), &Iso15693Page::Button40Click));
    separator();

    // Row 5: select card.
    rowName = QStringLiteral("选择卡");
    line = newLine();
    flagList(line, 2);
    labelled(line, m_edit19 = edit("Edit19", QString(), uidWidth), QStringLiteral("卡的uid信息  "));
    line->addStretch();
    line->addWidget(button("Button42", QStringLiteral("选择卡"), &Iso15693Page::Button42Click));
    separator();

    // Row 6: write AFI.
    rowName = QStringLiteral("写AFI");
    line = newLine();
    flagList(line, 1);
    labelled(line, m_edit15 = edit("Edit15", QStringLiteral("06"), shortWidth), QStringLiteral("AFI"));
    labelled(line, m_edit28 = edit("Edit28", QString(), uidWidth), QStringLiteral("卡uid  "));
    line->addStretch();
    line->addWidget(button("Button44", QStringLiteral("写AFI"), &Iso15693Page::Button44Click));
    separator();

    // Row 7: lock AFI.
    rowName = QStringLiteral("锁定AFI");
    line = newLine();
    flagList(line, 1);
    labelled(line, m_edit32 = edit("Edit32", QString(), uidWidth), QStringLiteral("卡的uid信息  "));
    line->addStretch();
    line->addWidget(button("Button45", QStringLiteral("锁定AFI"), &Iso15693Page::Button45Click));
    separator();

    // Row 8: write DSFID.
    rowName = QStringLiteral("写DSFID");
    line = newLine();
    flagList(line, 1);
    labelled(line, m_edit17 = edit("Edit17", QStringLiteral("08"), shortWidth), QStringLiteral("DSFID"));
    labelled(line, m_edit36 = edit("Edit36", QString(), uidWidth), QStringLiteral("卡uid  "));
    line->addStretch();
    line->addWidget(button("Button46", QStringLiteral("写DSFID"), &Iso15693Page::Button46Click));
    separator();

    // Row 9: lock DSFID.
    rowName = QStringLiteral("锁定DSFID");
    line = newLine();
    flagList(line, 1);
    labelled(line, m_edit38 = edit("Edit38", QString(), uidWidth), QStringLiteral("卡的uid信息  "));
    line->addStretch();
    line->addWidget(button("Button47", QStringLiteral("锁定DSFID"), &Iso15693Page::Button47Click));
    separator();

    // Row 10: system information.
    rowName = QStringLiteral("系统信息");
    line = newLine();
    flagList(line, 1);
    labelled(line, m_edit41 = edit("Edit41", QString(), uidWidth), QStringLiteral("卡的uid信息  "));
    line->addStretch();
    line->addWidget(button("Button48", QStringLiteral("系统信息"), &Iso15693Page::Button48Click));
    separator();

    // Row 11: block security status; its UID field has no label.
    rowName = QStringLiteral("块安全位");
    line = newLine();
    flagList(line, 1);
    labelled(line, m_edit21 = edit("Edit21", QStringLiteral("00"), shortWidth), QStringLiteral("起始块号  "));
    labelled(line, m_edit20 = edit("Edit20", QStringLiteral("05"), shortWidth), QStringLiteral("数据长度  "));
    line->addStretch();
    line->addWidget(button("Button49", QStringLiteral("块安全位"), &Iso15693Page::Button49Click));
    line = newLine();
    m_edit43 = edit("Edit43", QString(), uidWidth);
    const QString uidName = QStringLiteral("卡uid (块安全位)");
    m_edit43->setAccessibleName(uidName);
    m_edit43->setProperty(kFieldName, QStringLiteral("%1（Edit43）").arg(uidName));
    line->addWidget(m_edit43);
    line->addStretch();
    page->addStretch();
}

QString Iso15693Page::flagItem(int row) const
{
    return m_flags.at(row - 2)->currentText();
}

bool Iso15693Page::whole(const QList<const QLineEdit *> &edits)
{
    for (const QLineEdit *e : edits)
        if (!fieldsWhole(m_host, {{e->property(kFieldName).toString(), e->text()}}))
            return false;
    return true;
}

bool Iso15693Page::exchange(const QString &command, int waitMs, const QString &failure, Response *answer)
{
    *answer = sendAndWait(m_host, command, waitMs);
    return reportOutcome(m_host, *answer, OutcomeTexts{failure});
}

void Iso15693Page::simpleRow(const QString &command, const QString &success, const QString &failure)
{
    Response r;
    if (exchange(command, 500, failure, &r))
        logLines(m_host, {success + timeStamp(), QString()});
}

void Iso15693Page::Button37Click()
{
    Response r;
    if (exchange(inventoryCommand(), 1000, QStringLiteral("操作失败   "), &r))
        logLines(m_host, inventoryLines(r, timeStamp()));
}

void Iso15693Page::Button38Click()
{
    const QString item = flagItem(2);
    QList<const QLineEdit *> sent = {m_edit14, m_edit13};
    if (isAddressed(item))
        sent << m_edit55;
    if (!whole(sent))
        return;
    Response r;
    if (exchange(readBlocksCommand(item, m_edit14->text(), m_edit13->text(), m_edit55->text()), 500,
                 QStringLiteral("读卡失败   "), &r))
        logLines(m_host, readBlocksLines(r, timeStamp()));
}

void Iso15693Page::Button39Click()
{
    const QString item = flagItem(3);
    QList<const QLineEdit *> sent = {m_edit48, m_edit49};
    if (isAddressed(item))
        sent << m_edit50;
    if (!whole(sent << m_edit16))
        return;
    simpleRow(writeBlockCommand(item, m_edit48->text(), m_edit49->text(), m_edit50->text(), m_edit16->text()),
              QStringLiteral("写卡操作成功   "), QStringLiteral("写卡失败   "));
}

void Iso15693Page::Button40Click()
{
    if (!whole({m_edit18}))
        return;
    simpleRow(lockBlockCommand(flagItem(4), m_edit18->text()), QStringLiteral("锁操作成功   "),
              QStringLiteral("锁操作失败   "));
}

void Iso15693Page::Button42Click()
{
    if (!whole({m_edit19}))
        return;
    simpleRow(selectCommand(flagItem(5), m_edit19->text()), QStringLiteral("选择卡操作成功   "),
              QStringLiteral("选择卡操作失败   "));
}

void Iso15693Page::Button44Click()
{
    const QString item = flagItem(6);
    QList<const QLineEdit *> sent = {m_edit15};
    if (isAddressed(item))
        sent << m_edit28;
    if (!whole(sent))
        return;
    simpleRow(writeAfiCommand(item, m_edit15->text(), m_edit28->text()), QStringLiteral("写AFI操作成功   "),
              QStringLiteral("写AFI操作失败   "));
}

void Iso15693Page::Button45Click()
{
    const QString item = flagItem(7);
    if (isAddressed(item) && !whole({m_edit32}))
        return;
    simpleRow(lockAfiCommand(item, m_edit32->text()), QStringLiteral("锁定AFI操作成功   "),
              QStringLiteral("锁定AFI操作失败   "));
}

void Iso15693Page::Button46Click()
{
    const QString item = flagItem(8);
    QList<const QLineEdit *> sent = {m_edit17};
    if (isAddressed(item))
        sent << m_edit36;
    if (!whole(sent))
        return;
    simpleRow(writeDsfidCommand(item, m_edit17->text(), m_edit36->text()), QStringLiteral("写DSFID操作成功   "),
              QStringLiteral("写DSFID操作失败   "));
}

void Iso15693Page::Button47Click()
{
    const QString item = flagItem(9);
    if (isAddressed(item) && !whole({m_edit38}))
        return;
    simpleRow(lockDsfidCommand(item, m_edit38->text()), QStringLiteral("锁定DSFID操作成功   "),
              QStringLiteral("锁定DSFID操作失败   "));
}

void Iso15693Page::Button48Click()
{
    const QString item = flagItem(10);
    if (isAddressed(item) && !whole({m_edit41}))
        return;
    Response r;
    if (exchange(systemInfoCommand(item, m_edit41->text()), 500, QStringLiteral("操作失败   "), &r))
        logLines(m_host, systemInfoLines(r, timeStamp()));
}

void Iso15693Page::Button49Click()
{
    const QString item = flagItem(11);
    QList<const QLineEdit *> sent = {m_edit21, m_edit20};
    if (isAddressed(item))
        sent << m_edit43;
    if (!whole(sent))
        return;
    Response r;
    if (exchange(securityStatusCommand(item, m_edit21->text(), m_edit20->text(), m_edit43->text()), 500,
                 QStringLiteral("读卡块安全位失败   "), &r))
        logLines(m_host, securityStatusLines(r, timeStamp()));
}

} // namespace rfid
