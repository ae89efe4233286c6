#include "pages/iso15693page.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/hextext.h"
#include "pages/controls.h"
#include "pages/exchangeflow.h"
#include "session/readersession.h"

namespace rfid {

using iso15693::Param;

namespace {
constexpr int kShort = 32, kUid = 150, kData = 100;

// Captions and labels repeat from row to row: screen readers hear the row with
// them, and a refusal names a field by both.
QString inRow(const QString &text, const QString &row)
{
    return text.trimmed() + QStringLiteral(" (") + row + u')';
}

struct FieldEntry {
    Param param;
    const char *edit;
    const char *text;    // at start
    const char *label;   // shown to the field's right; its row is added for screen readers
    int width;
    bool secondLine = false;
    bool labelShown = true;
};
} // namespace

// One row of the table the page is built from: its place, its fields in
// layout order, its command and the lines of an answer with data.
struct Iso15693Page::RowEntry {
    Row Iso15693Page::*row;
    const char *caption;   // the button's caption, which names the row
    const char *button;
    void (Iso15693Page::*slot)();
    iso15693::Command command;
    int startItem;         // the flag list's item at start
    const char *repeat;    // its repeat box, if any
    const char *repeatCaption;
    QList<FieldEntry> fields;
    SuccessLines lines;    // empty: the command's done text
};

const Iso15693Page::RowEntry Iso15693Page::kRows[] = {
    {&Iso15693Page::m_readBlocks, QT_TRANSLATE_NOOP("rfid::Iso15693Page", "卡片读"), "Button38", &Iso15693Page::Button38Click, iso15693::ReadBlocks, 1,
     "CheckBox6", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "连续读     "),
     {{Param::FirstBlock, "Edit14", "01", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "起始块  "), kShort},
      {Param::BlockCount, "Edit13", "05", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "块数量  "), kShort},
      {Param::Uid, "Edit55", "", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "卡的uid信息    "), kUid, true}},
     linesOf<iso15693::Blocks>},
    {&Iso15693Page::m_writeBlock, QT_TRANSLATE_NOOP("rfid::Iso15693Page", "卡片写"), "Button39", &Iso15693Page::Button39Click, iso15693::WriteBlock, 0,
     "CheckBox7", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "连续写   "),
     {{Param::FirstBlock, "Edit48", "05", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "起始块  "), kShort},
      {Param::BlockCount, "Edit49", "01", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "块数量  "), kShort},
      {Param::Data, "Edit16", "11 22 33 44", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "要写的数据    "), kData, true},
      {Param::Uid, "Edit50", "", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "卡uid  "), kUid, true}},
     {}},
    {&Iso15693Page::m_lockBlock, QT_TRANSLATE_NOOP("rfid::Iso15693Page", "锁定块"), "Button40", &Iso15693Page::Button40Click, iso15693::LockBlock, 1, nullptr,
     nullptr, {{Param::Block, "Edit18", "05", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "要锁的块号           "), kShort}}, {}},
    {&Iso15693Page::m_select, QT_TRANSLATE_NOOP("rfid::Iso15693Page", "选择卡"), "Button42", &Iso15693Page::Button42Click, iso15693::Select, 2, nullptr,
     nullptr, {{Param::Uid, "Edit19", "", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "卡的uid信息  "), kUid}}, {}},
    {&Iso15693Page::m_writeAfi, QT_TRANSLATE_NOOP("rfid::Iso15693Page", "写AFI"), "Button44", &Iso15693Page::Button44Click, iso15693::WriteAfi, 1, nullptr,
     nullptr, {{Param::Afi, "Edit15", "06", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "AFI"), kShort}, {Param::Uid, "Edit28", "", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "卡uid  "), kUid}},
     {}},
    {&Iso15693Page::m_lockAfi, QT_TRANSLATE_NOOP("rfid::Iso15693Page", "锁定AFI"), "Button45", &Iso15693Page::Button45Click, iso15693::LockAfi, 1, nullptr,
     nullptr, {{Param::Uid, "Edit32", "", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "卡的uid信息  "), kUid}}, {}},
    {&Iso15693Page::m_writeDsfid, QT_TRANSLATE_NOOP("rfid::Iso15693Page", "写DSFID"), "Button46", &Iso15693Page::Button46Click, iso15693::WriteDsfid, 1,
     nullptr, nullptr, {{Param::Dsfid, "Edit17", "08", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "DSFID"), kShort}, {Param::Uid, "Edit36", "", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "卡uid  "), kUid}},
     {}},
    {&Iso15693Page::m_lockDsfid, QT_TRANSLATE_NOOP("rfid::Iso15693Page", "锁定DSFID"), "Button47", &Iso15693Page::Button47Click, iso15693::LockDsfid, 1,
     nullptr, nullptr, {{Param::Uid, "Edit38", "", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "卡的uid信息  "), kUid}}, {}},
    {&Iso15693Page::m_systemInfo, QT_TRANSLATE_NOOP("rfid::Iso15693Page", "系统信息"), "Button48", &Iso15693Page::Button48Click, iso15693::SystemInfo, 1,
     nullptr, nullptr, {{Param::Uid, "Edit41", "", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "卡的uid信息  "), kUid}}, linesOf<iso15693::SystemInformation>},
    // Its UID field has no label on the page.
    {&Iso15693Page::m_security, QT_TRANSLATE_NOOP("rfid::Iso15693Page", "块安全位"), "Button49", &Iso15693Page::Button49Click, iso15693::SecurityStatus, 1,
     nullptr, nullptr,
     {{Param::FirstBlock, "Edit21", "00", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "起始块号  "), kShort},
      {Param::BlockCount, "Edit20", "05", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "数据长度  "), kShort},
      {Param::Uid, "Edit43", "", QT_TRANSLATE_NOOP("rfid::Iso15693Page", "卡uid"), kUid, true, false}},
     linesOf<iso15693::BlockSecurity>},
};

Iso15693Page::Iso15693Page(ReaderSession &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("TabSheet6"));

    auto *page = new QVBoxLayout(this);
    page->setSpacing(3);
    auto newLine = [&] {
        auto *line = new QHBoxLayout;
        page->addLayout(line);
        return line;
    };
    auto button = [&](const char *name, const QString &caption, void (Iso15693Page::*slot)()) {
        QPushButton *b = controls::button(name, caption);
        // At least the page's column of buttons; wider where a caption needs it
        // (some are longer in other languages).
        b->setMinimumWidth(80);
        b->setSizePolicy(QSizePolicy::Fixed, b->sizePolicy().verticalPolicy());
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto repeat = [&](const char *name, const QString &caption, const QString &row) {
        QCheckBox *box = controls::checkBox(name, caption, {});
        controls::composedName(box, QT_TRANSLATE_NOOP("rfid::controls", "%1 (%2)"), {caption, row});
        return box;
    };
    // A field with its label to its right.
    auto labelled = [&](QBoxLayout *line, QWidget *field, const QString &label, const QString &row, bool shown) {
        controls::composedName(field, QT_TRANSLATE_NOOP("rfid::controls", "%1 (%2)"), {label, row});
        line->addWidget(field);
        if (shown) {
            auto *l = new QLabel(label);
            l->setBuddy(field);
            line->addWidget(l);
        }
    };

    // Inventory: no flags and no fields.
    QHBoxLayout *line = newLine();
    line->addWidget(repeat("CheckBox5", tr("连续读   "), tr("防冲突")));
    line->addStretch();
    line->addWidget(button("Button37", tr("防冲突"), &Iso15693Page::Button37Click));

    int flagList = 10;
    for (const RowEntry &entry : kRows) {
        page->addWidget(controls::separator());
        const QString caption = tr(entry.caption);
        Row &row = this->*entry.row;
        row.entry = &entry;
        row.flags = new QComboBox;
        row.flags->setObjectName(QStringLiteral("ComboBox%1").arg(flagList++));
        for (const iso15693::FlagItem &item : iso15693::flagItems())   // a list: no typing
            row.flags->addItem(QString::fromLatin1(item.text));
        row.flags->setCurrentIndex(entry.startItem);

        line = newLine();
        labelled(line, row.flags, tr("标志位    "), caption, true);
        QHBoxLayout *second = nullptr;
        for (const FieldEntry &f : entry.fields) {
            QLineEdit *edit = controls::edit(f.edit, QString::fromUtf8(f.text));
            edit->setFixedWidth(f.width);
            row.fields.insert(f.param, edit);
            if (f.secondLine && !second) {
                if (entry.repeat)
                    line->addWidget(repeat(entry.repeat, tr(entry.repeatCaption), caption));
                line->addStretch();
                line->addWidget(button(entry.button, caption, entry.slot));
                second = newLine();
            }
            labelled(f.secondLine ? second : line, edit, tr(f.label), caption, f.labelShown);
        }
        if (!second) {
            if (entry.repeat)
                line->addWidget(repeat(entry.repeat, tr(entry.repeatCaption), caption));
            line->addStretch();
            line->addWidget(button(entry.button, caption, entry.slot));
        } else {
            second->addStretch();
        }
    }
    page->addStretch();
}

void Iso15693Page::runRow(const Row &row)
{
    const RowEntry &entry = *row.entry;
    const iso15693::Flags flags = iso15693::flagItems().value(row.flags->currentIndex()).flags;
    QList<Field> sent;
    iso15693::Params values;
    for (Param p : iso15693::paramsOf(entry.command, flags)) {
        const QLineEdit *edit = row.fields.value(p);
        // Named in the current language, whichever it was at start.
        const auto f = std::find_if(entry.fields.begin(), entry.fields.end(), [p](const FieldEntry &s) { return s.param == p; });
        sent.append({fieldName(inRow(tr(f->label), tr(entry.caption)), edit->objectName()), edit->text()});
        values.insert(p, HexPart::typed(edit->text()));
    }
    if (!fieldsWhole(m_host, sent))
        return;
    run(m_host, iso15693::request(entry.command, flags, values), 500,
        judge({iso15693::failureText(entry.command)}, entry.lines ? entry.lines : done(iso15693::doneText(entry.command))));
}

void Iso15693Page::Button37Click()
{
    run(m_host, iso15693::inventory(), 1000, judge({iso15693::failureText(iso15693::Inventory)}, linesOf<iso15693::Cards>));
}

void Iso15693Page::Button38Click()
{
    runRow(m_readBlocks);
}

void Iso15693Page::Button39Click()
{
    runRow(m_writeBlock);
}

void Iso15693Page::Button40Click()
{
    runRow(m_lockBlock);
}

void Iso15693Page::Button42Click()
{
    runRow(m_select);
}

void Iso15693Page::Button44Click()
{
    runRow(m_writeAfi);
}

void Iso15693Page::Button45Click()
{
    runRow(m_lockAfi);
}

void Iso15693Page::Button46Click()
{
    runRow(m_writeDsfid);
}

void Iso15693Page::Button47Click()
{
    runRow(m_lockDsfid);
}

void Iso15693Page::Button48Click()
{
    runRow(m_systemInfo);
}

void Iso15693Page::Button49Click()
{
    runRow(m_security);
}

} // namespace rfid
