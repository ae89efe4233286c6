#include "pages/iso15693page.h"

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

struct FieldSpec {
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
// layout order, its command and the texts of its outcomes.
struct Iso15693Page::RowSpec {
    Row Iso15693Page::*row;
    const char *caption;   // the button's caption, which names the row
    const char *button;
    void (Iso15693Page::*slot)();
    iso15693::Command command;
    int startItem;         // the flag list's item at start
    const char *repeat;    // its repeat box, if any
    const char *repeatCaption;
    QList<FieldSpec> fields;
    const char *failure;
    const char *success;   // null: the answer's own lines
    SuccessLines lines;
};

const Iso15693Page::RowSpec Iso15693Page::kRows[] = {
    {&Iso15693Page::m_readBlocks, "卡片读", "Button38", &Iso15693Page::Button38Click, iso15693::ReadBlocks, 1,
     "CheckBox6", "连续读     ",
     {{Param::FirstBlock, "Edit14", "01", "起始块  ", kShort},
      {Param::BlockCount, "Edit13", "05", "块数量  ", kShort},
      {Param::Uid, "Edit55", "", "卡的uid信息    ", kUid, true}},
     "读卡失败   ", nullptr, linesOf<iso15693::Blocks>},
    {&Iso15693Page::m_writeBlock, "卡片写", "Button39", &Iso15693Page::Button39Click, iso15693::WriteBlock, 0,
     "CheckBox7", "连续写   ",
     {{Param::FirstBlock, "Edit48", "05", "起始块  ", kShort},
      {Param::BlockCount, "Edit49", "01", "块数量  ", kShort},
      {Param::Data, "Edit16", "11 22 33 44", "要写的数据    ", kData, true},
      {Param::Uid, "Edit50", "", "卡uid  ", kUid, true}},
     "写卡失败   ", "写卡操作成功   ", {}},
    {&Iso15693Page::m_lockBlock, "锁定块", "Button40", &Iso15693Page::Button40Click, iso15693::LockBlock, 1, nullptr,
     nullptr, {{Param::Block, "Edit18", "05", "要锁的块号           ", kShort}}, "锁操作失败   ", "锁操作成功   ", {}},
    {&Iso15693Page::m_select, "选择卡", "Button42", &Iso15693Page::Button42Click, iso15693::Select, 2, nullptr,
     nullptr, {{Param::Uid, "Edit19", "", "卡的uid信息  ", kUid}}, "选择卡操作失败   ", "选择卡操作成功   ", {}},
    {&Iso15693Page::m_writeAfi, "写AFI", "Button44", &Iso15693Page::Button44Click, iso15693::WriteAfi, 1, nullptr,
     nullptr, {{Param::Afi, "Edit15", "06", "AFI", kShort}, {Param::Uid, "Edit28", "", "卡uid  ", kUid}},
     "写AFI操作失败   ", "写AFI操作成功   ", {}},
    {&Iso15693Page::m_lockAfi, "锁定AFI", "Button45", &Iso15693Page::Button45Click, iso15693::LockAfi, 1, nullptr,
     nullptr, {{Param::Uid, "Edit32", "", "卡的uid信息  ", kUid}}, "锁定AFI操作失败   ", "锁定AFI操作成功   ", {}},
    {&Iso15693Page::m_writeDsfid, "写DSFID", "Button46", &Iso15693Page::Button46Click, iso15693::WriteDsfid, 1,
     nullptr, nullptr, {{Param::Dsfid, "Edit17", "08", "DSFID", kShort}, {Param::Uid, "Edit36", "", "卡uid  ", kUid}},
     "写DSFID操作失败   ", "写DSFID操作成功   ", {}},
    {&Iso15693Page::m_lockDsfid, "锁定DSFID", "Button47", &Iso15693Page::Button47Click, iso15693::LockDsfid, 1,
     nullptr, nullptr, {{Param::Uid, "Edit38", "", "卡的uid信息  ", kUid}}, "锁定DSFID操作失败   ",
     "锁定DSFID操作成功   ", {}},
    {&Iso15693Page::m_systemInfo, "系统信息", "Button48", &Iso15693Page::Button48Click, iso15693::SystemInfo, 1,
     nullptr, nullptr, {{Param::Uid, "Edit41", "", "卡的uid信息  ", kUid}}, "操作失败   ", nullptr,
     linesOf<iso15693::SystemInformation>},
    // Its UID field has no label on the page.
    {&Iso15693Page::m_security, "块安全位", "Button49", &Iso15693Page::Button49Click, iso15693::SecurityStatus, 1,
     nullptr, nullptr,
     {{Param::FirstBlock, "Edit21", "00", "起始块号  ", kShort},
      {Param::BlockCount, "Edit20", "05", "数据长度  ", kShort},
      {Param::Uid, "Edit43", "", "卡uid", kUid, true, false}},
     "读卡块安全位失败   ", nullptr, linesOf<iso15693::BlockSecurity>},
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
        b->setFixedWidth(80);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    // Captions and labels repeat from row to row: screen readers hear the row with them.
    const auto inRow = [](const QString &text, const QString &row) {
        return text.trimmed() + QStringLiteral(" (") + row + u')';
    };
    auto repeat = [&](const char *name, const QString &caption, const QString &row) {
        return controls::checkBox(name, caption, inRow(caption, row));
    };
    // A field with its label to its right.
    auto labelled = [&](QBoxLayout *line, QWidget *field, const QString &label, const QString &row, bool shown) {
        field->setAccessibleName(inRow(label, row));
        line->addWidget(field);
        if (shown) {
            auto *l = new QLabel(label);
            l->setBuddy(field);
            line->addWidget(l);
        }
    };

    // Inventory: no flags and no fields.
    QHBoxLayout *line = newLine();
    line->addWidget(repeat("CheckBox5", QStringLiteral("连续读   "), QStringLiteral("防冲突")));
    line->addStretch();
    line->addWidget(button("Button37", QStringLiteral("防冲突"), &Iso15693Page::Button37Click));

    int flagList = 10;
    for (const RowSpec &spec : kRows) {
        page->addWidget(controls::separator());
        const QString caption = QString::fromUtf8(spec.caption);
        Row &row = this->*spec.row;
        row.spec = &spec;
        row.flags = new QComboBox;
        row.flags->setObjectName(QStringLiteral("ComboBox%1").arg(flagList++));
        for (const iso15693::FlagItem &item : iso15693::flagItems())   // a list: no typing
            row.flags->addItem(QString::fromLatin1(item.text));
        row.flags->setCurrentIndex(spec.startItem);

        line = newLine();
        labelled(line, row.flags, QStringLiteral("标志位    "), caption, true);
        QHBoxLayout *second = nullptr;
        for (const FieldSpec &f : spec.fields) {
            QLineEdit *edit = controls::edit(f.edit, QString::fromUtf8(f.text));
            edit->setFixedWidth(f.width);
            row.fields.insert(f.param, edit);
            if (f.secondLine && !second) {
                if (spec.repeat)
                    line->addWidget(repeat(spec.repeat, QString::fromUtf8(spec.repeatCaption), caption));
                line->addStretch();
                line->addWidget(button(spec.button, caption, spec.slot));
                second = newLine();
            }
            labelled(f.secondLine ? second : line, edit, QString::fromUtf8(f.label), caption, f.labelShown);
        }
        if (!second) {
            if (spec.repeat)
                line->addWidget(repeat(spec.repeat, QString::fromUtf8(spec.repeatCaption), caption));
            line->addStretch();
            line->addWidget(button(spec.button, caption, spec.slot));
        } else {
            second->addStretch();
        }
    }
    page->addStretch();
}

void Iso15693Page::runRow(const Row &row)
{
    const RowSpec &spec = *row.spec;
    const iso15693::Flags flags = iso15693::flagItems().value(row.flags->currentIndex()).flags;
    QList<Field> sent;
    iso15693::Params values;
    for (Param p : iso15693::paramsOf(spec.command, flags)) {
        const QLineEdit *edit = row.fields.value(p);
        sent.append({fieldName(edit->accessibleName(), edit->objectName()), edit->text()});
        values.insert(p, hexToBytes(edit->text()));
    }
    if (!fieldsWhole(m_host, sent))
        return;
    const QString failure = QString::fromUtf8(spec.failure);
    run(m_host, iso15693::request(spec.command, flags, values), 500,
        judge({failure}, spec.success ? done(QString::fromUtf8(spec.success)) : spec.lines));
}

void Iso15693Page::Button37Click()
{
    run(m_host, iso15693::inventory(), 1000, judge({QStringLiteral("操作失败   ")}, linesOf<iso15693::Cards>));
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
