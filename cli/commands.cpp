#include "cli/commands.h"

#include <QJsonArray>

#include "cli/texts.h"
#include "link/frame.h"
#include "link/hextext.h"
#include "link/timestamp.h"
#include "protocol/classic.h"
#include "protocol/iso15693.h"
#include "protocol/outputformat.h"
#include "protocol/rawframe.h"
#include "protocol/readersettings.h"
#include "protocol/typeb.h"
#include "protocol/ultralight.h"

namespace rfid::cli {

namespace {

using Success = std::function<Judged(const Response &, const QString &time)>;

int exitOf(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Success:
        return Ok;
    case Outcome::Failure:
        return Refused;
    case Outcome::NoData:
    case Outcome::Corrupted:
        break;
    }
    return NoAnswer;
}

// The window's judge: a non-success gives its entry with these texts.
Judge judge(const OutcomeTexts &texts, const Success &success)
{
    return [texts, success](const Response &r, const QString &time) -> Judged {
        if (r.outcome == Outcome::Success)
            return success(r, time);
        return {{outcomeEntry(r, texts, time)}, {}, exitOf(r.outcome)};
    };
}

Success done(const QString &text)
{
    return [text](const Response &, const QString &time) { return Judged{doneLines(text, time), {}, Ok}; };
}

// The lines of an answer type with the fields this tool adds for scripts.
template <typename Answer>
Success decoded(const std::function<QJsonObject(const Answer &)> &fields)
{
    return [fields](const Response &r, const QString &time) {
        const Answer a = Answer::from(r);
        return Judged{a.lines(time), fields(a), Ok};
    };
}

QString hex(const QByteArray &bytes)
{
    return bytesToHex(bytes);
}

// Bytes most significant first, as the window shows a UID received the other way.
QString reversedHex(const QByteArray &bytes)
{
    QByteArray out(bytes.size(), '\0');
    std::reverse_copy(bytes.begin(), bytes.end(), out.begin());
    return hex(out);
}

// The window's refusal of a field with an odd number of hex digits: it would
// shift every later byte of the frame.
std::optional<QString> oddField(const QList<Field> &fields, Language language = Language::Chinese)
{
    return oddFieldLine(fields, timeStamp(), language);
}

// A text of one of the window's pages, translated as the window translates it:
// the tool names fields as the window does.
QString windowText(const char *page, const char *text)
{
    return QCoreApplication::translate(page, text);
}

Built refuse(const QString &line, int exit = BadArguments)
{
    return {std::nullopt, line, exit};
}

Built planned(const Request &request, int waitMs, const Judge &j)
{
    return {Plan{request, std::nullopt, false, waitMs, j}, {}, Ok};
}

Option allOption()
{
    return {QStringLiteral("all"), {}, {}, Texts::tr("Request mode All: also wake halted cards (default Idle).")};
}

Option keyBOption()
{
    return {QStringLiteral("key-b"), {}, {}, Texts::tr("Authenticate with key B (default key A).")};
}

const char kDefaultKey[] = "3C 5E 71 9D 2B 64";

// The hex option of a command; names are the window's fields.
Option hexOption(const QString &name, const QString &valueName, const QString &def, const QString &help)
{
    return {name, valueName, def, def.isEmpty() ? help : Texts::tr("%1 (default %2)").arg(help, def)};
}

// ---- Output format ---------------------------------------------------------

const FormatName kFormatNames[] = {
    {0x00, "2h4d-2h4d"},  {0x01, "hex14"},      {0x02, "hex14-rev"},    {0x03, "hex8-rev"},
    {0x05, "dec13"},      {0x06, "dec18"},      {0x07, "hex10"},        {0x08, "dec5"},
    {0x09, "dec8"},       {0x0A, "dec10-rev"},  {0x0B, "dec8-last3"},   {0x0C, "hex8"},
    {0x0D, "00dec8-last3"}, {0x0E, "dec8-card-last3"}, {0x0F, "dec10-4byte"},
};

QString formatShortName(quint8 code)
{
    for (const FormatName &f : kFormatNames)
        if (f.code == code)
            return QString::fromLatin1(f.name);
    return {};
}

Built formatRead(const Args &)
{
    return planned(format::read(), 300,
                   judge(format::readOutcomeTexts(), [](const Response &r, const QString &time) {
                       const format::Settings s = format::Settings::from(r);
                       Judged j{s.lines(time), {}, s.whole ? Ok : NoAnswer};
                       if (s.whole)
                           j.fields = {{"format", formatShortName(s.code)},
                                       {"code", byteHex(s.code)},
                                       {"text", format::readText(s.code)},
                                       {"semicolon", s.semicolon},
                                       {"question", s.questionMark},
                                       {"comma", s.comma},
                                       {"enter", s.enter}};
                       return j;
                   }));
}

Built formatSet(const Args &a)
{
    const QString name = a.positional.value(0);
    std::optional<quint8> code;
    for (const FormatName &f : kFormatNames)
        if (name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0)
            code = f.code;
    if (!code)
        return refuse(Texts::tr("No output format \"%1\": `format list` names them. Nothing was sent.   %2")
                          .arg(name, timeStamp()));
    const QString buzzer = a.value(QStringLiteral("buzzer"));
    if (buzzer != QLatin1String("big") && buzzer != QLatin1String("small"))
        return refuse(Texts::tr("Buzzer \"%1\" is neither big nor small. Nothing was sent.   %2")
                          .arg(buzzer, timeStamp()));
    format::Choice c;
    c.code = *code;
    c.semicolon = a.has(QStringLiteral("semicolon"));
    c.questionMark = a.has(QStringLiteral("question"));
    c.comma = a.has(QStringLiteral("comma"));
    c.enter = a.has(QStringLiteral("enter"));
    c.bigBuzzer = buzzer == QLatin1String("big");
    if (a.values.contains(QStringLiteral("user-byte"))) {
        const QString userByte = a.value(QStringLiteral("user-byte"));
        if (auto line = oddField({{QCoreApplication::translate("rfid::OutputFormatPage", "User-defined byte (Edit23)"), userByte}},
                                 Language::English))
            return refuse(*line);
        c.userByte = HexPart::typed(userByte);
    }
    return planned(format::set(c), 300,
                   judge(format::setOutcomeTexts(), done(format::setDoneText())));
}

// ---- Reader settings -----------------------------------------------------

Built readerBaud(const Args &a)
{
    const QString text = a.positional.value(0);
    const std::optional<quint8> code = settings::baudCode(text);
    if (!code)
        return refuse(settings::unknownBaudLine(text, timeStamp()));
    return planned(settings::setBaudRate(*code), 300,
                   judge({settings::baudFailureText()}, done(settings::baudDoneText())));
}

// The address and the serial number: both read by the one Read, each set by
// its own command from the page's field.
struct IdentityRow {
    const char *words, *valueName, *field, *edit, *json;
    QString (*readFailure)();
    QString (*setFailure)();
    QString (*setDone)();
    LogLines (settings::Identity::*lines)(const QString &) const;
    QByteArray settings::Identity::*value;
    Request (*set)(const HexPart &);
};

std::function<Built(const Args &)> identity(const IdentityRow &row)
{
    return [row](const Args &a) {
        const QString action = a.positional.value(0, QStringLiteral("read"));
        if (action == QLatin1String("read") && a.positional.size() <= 1) {
            return planned(settings::read(), 300,
                           judge({row.readFailure()}, [row](const Response &r, const QString &time) {
                               const auto id = settings::Identity::from(r);
                               return Judged{(id.*row.lines)(time),
                                             {{QLatin1String(row.json), hex(id.*row.value)}}, Ok};
                           }));
        }
        if (action != QLatin1String("set") || a.positional.size() != 2)
            return refuse(Texts::tr("%1: read, or set %2. Nothing was sent.   %3")
                              .arg(QLatin1String(row.words), QLatin1String(row.valueName), timeStamp()));
        const QString value = a.positional.value(1);
        if (auto line = oddField({{fieldName(windowText("rfid::SystemPage", row.field), QLatin1String(row.edit)), value}}))
            return refuse(*line);
        return planned(row.set(HexPart::typed(value)), 300, judge({row.setFailure()}, done(row.setDone())));
    };
}

const IdentityRow kAddressRow{"reader address", "NN", QT_TRANSLATE_NOOP("rfid::SystemPage", "重设置机器ID号"), "Edit4",
                              "address", settings::addressReadFailureText, settings::addressFailureText,
                              settings::addressDoneText, &settings::Identity::addressLines,
                              &settings::Identity::address, settings::setAddress};
const IdentityRow kSerialRow{"reader serial", "SERIAL", QT_TRANSLATE_NOOP("rfid::SystemPage", "重设置机器序列号"), "Edit9",
                             "serial", settings::serialReadFailureText, settings::serialFailureText,
                             settings::serialDoneText, &settings::Identity::serialLines, &settings::Identity::serial,
                             settings::setSerial};

// LED, LED-R and buzzer: the page's row, its period and count fields, and the
// name its texts use.
struct IndicatorRow {
    settings::Indicator which;
    const char *what, *periodEdit, *countEdit;
};

std::function<Built(const Args &)> indicator(const IndicatorRow &row)
{
    return [row](const Args &a) {
        const QString what = windowText("rfid::SystemPage", row.what);
        const QString period = a.value(QStringLiteral("period")), count = a.value(QStringLiteral("count"));
        const QString periodName = what + QCoreApplication::translate("rfid::SystemPage", " 周期");
        const QString countName = what + QCoreApplication::translate("rfid::SystemPage", " 次数");
        if (auto line = oddField({{fieldName(periodName, QLatin1String(row.periodEdit)), period},
                                  {fieldName(countName, QLatin1String(row.countEdit)), count}}))
            return refuse(*line);
        return planned(settings::indicator(row.which, HexPart::typed(period), HexPart::typed(count)), 300,
                       judge({settings::indicatorFailureText(row.which)}, done(settings::indicatorDoneText(row.which))));
    };
}

Built readerMode(const Args &a)
{
    const QString mode = a.positional.value(0);
    if (mode != QLatin1String("active") && mode != QLatin1String("passive"))
        return refuse(Texts::tr("reader mode: active or passive, not \"%1\". Nothing was sent.   %2")
                          .arg(mode, timeStamp()));
    // As the page does: sent, and the answer is not waited for.
    Plan p{settings::readingMode(mode == QLatin1String("active")), std::nullopt, true, 0, {}};
    return {p, {}, Ok};
}

// ---- MIFARE Classic ------------------------------------------------------

classic::Access access(const Args &a, const QString &key)
{
    return {a.has(QStringLiteral("all")) ? classic::RequestMode::All : classic::RequestMode::Idle,
            a.has(QStringLiteral("key-b")) ? classic::KeyType::B : classic::KeyType::A, HexPart::typed(key)};
}

QJsonArray blockList(const QByteArray &blocks)
{
    QJsonArray out;
    for (qsizetype i = 0; i < blocks.size(); i += 16)
        out.append(hex(blocks.mid(i, 16)));
    return out;
}

Built classicRead(const Args &a)
{
    const QString row = QCoreApplication::translate("rfid::ClassicPage", "读卡");
    const QString count = a.value(QStringLiteral("count")), start = a.value(QStringLiteral("start")),
                  key = a.value(QStringLiteral("key"));
    if (auto line = oddField({{fieldName(QCoreApplication::translate("rfid::ClassicPage", "块的数量"), row), count},
                              {fieldName(QCoreApplication::translate("rfid::ClassicPage", "起始块"), row), start},
                              {fieldName(QCoreApplication::translate("rfid::ClassicPage", "密钥"), row), key}}))
        return refuse(*line);
    return planned(classic::readBlocks(access(a, key), HexPart::typed(count), HexPart::typed(start)), 500,
                   judge({classic::failureText()}, decoded<classic::BlocksRead>([](const classic::BlocksRead &b) {
                             return QJsonObject{{"uid", hex(b.cardNumber)}, {"blocks", blockList(b.blocks)}};
                         })));
}

Built classicWrite(const Args &a)
{
    const QString row = QCoreApplication::translate("rfid::ClassicPage", "写卡");
    const QString count = a.value(QStringLiteral("count")), start = a.value(QStringLiteral("start")),
                  key = a.value(QStringLiteral("key")), data = a.value(QStringLiteral("data"));
    if (auto line = oddField({{fieldName(QCoreApplication::translate("rfid::ClassicPage", "块的数量"), row), count},
                              {fieldName(QCoreApplication::translate("rfid::ClassicPage", "起始地址"), row), start},
                              {fieldName(QCoreApplication::translate("rfid::ClassicPage", "密钥"), row), key},
                              {fieldName(QCoreApplication::translate("rfid::ClassicPage", "块数据"), row), data}}))
        return refuse(*line);
    return planned(classic::writeBlocks(access(a, key), HexPart::typed(count), HexPart::typed(start), HexPart::typed(data)), 500,
                   judge({classic::failureText()}, decoded<classic::BlocksWritten>([](const classic::BlocksWritten &b) {
                             return QJsonObject{{"uid", hex(b.cardNumber)}};
                         })));
}

// The row's caption and its value field's label as the page has them.
std::function<Built(const Args &)> classicValue(classic::ValueOp op, const char *caption, const char *valueLabel)
{
    return [=](const Args &a) {
        const QString sector = a.value(QStringLiteral("sector")), key = a.value(QStringLiteral("key")),
                      value = a.value(QStringLiteral("value"));
        const QString rowName = windowText("rfid::ClassicPage", caption);
        if (auto line = oddField({{fieldName(QCoreApplication::translate("rfid::ClassicPage", "扇区"), rowName), sector},
                                  {fieldName(QCoreApplication::translate("rfid::ClassicPage", "密钥"), rowName), key},
                                  {fieldName(windowText("rfid::ClassicPage", valueLabel).trimmed(), rowName), value}}))
            return refuse(*line);
        const Success success =
            op == classic::ValueOp::Initialise
                ? decoded<classic::ValueInitialised>([](const classic::ValueInitialised &v) {
                      return QJsonObject{{"uid", hex(v.cardNumber)}};
                  })
                : decoded<classic::ValueChanged>([](const classic::ValueChanged &v) {
                      return QJsonObject{{"uid", hex(v.cardNumber)}, {"value", hex(v.remaining)}};
                  });
        return planned(classic::value(op, access(a, key), HexPart::typed(sector), HexPart::typed(value)), 500,
                       judge({classic::failureText()}, success));
    };
}

Built classicCardNumber(const Args &a)
{
    const auto mode = a.has(QStringLiteral("all")) ? classic::RequestMode::All : classic::RequestMode::Idle;
    return planned(classic::readCardNumber(mode, a.has(QStringLiteral("halt"))), 300,
                   judge({classic::cardNumberFailureText()},
                         decoded<classic::CardNumber>([](const classic::CardNumber &c) {
                             QJsonObject o{{"uid", hex(c.number)}};
                             if (c.cards)
                                 o.insert("several", *c.cards != 0);
                             return o;
                         })));
}

Built halt(const Args &)
{
    return planned(classic::halt(), 300, judge({classic::haltFailureText()}, done(classic::haltDoneText())));
}

// ---- MIFARE Ultralight -----------------------------------------------------

classic::RequestMode modeOf(const Args &a)
{
    return a.has(QStringLiteral("all")) ? classic::RequestMode::All : classic::RequestMode::Idle;
}

// The page as the page lists offer it ("00" to "15").
std::optional<quint8> page(const Args &a, const QString &row, QString *refusal)
{
    const std::optional<quint8> p = ultralight::pageNumber(a.value(QStringLiteral("page")));
    if (!p)
        *refusal = ultralight::noPageLine(fieldName(QCoreApplication::translate("rfid::UltralightPage", "扇区"), row), timeStamp());
    return p;
}

Built ultralightSerial(const Args &a)
{
    return planned(ultralight::readSerial(modeOf(a)), 300,
                   judge({ultralight::serialFailureText()},
                         decoded<ultralight::Serial>([](const ultralight::Serial &s) {
                             return QJsonObject{{"uid", hex(s.cardNumber)}};
                         })));
}

Built ultralightRead(const Args &a)
{
    QString refusal;
    const std::optional<quint8> p = page(a, QCoreApplication::translate("rfid::UltralightPage", "读卡"), &refusal);
    if (!p)
        return refuse(refusal);
    return planned(ultralight::readPage(modeOf(a), *p), 800,
                   judge({ultralight::readFailureText()}, decoded<ultralight::PageRead>([](const ultralight::PageRead &r) {
                             QJsonArray pages;
                             for (qsizetype i = 0; i < r.data.size(); i += 4)
                                 pages.append(hex(r.data.mid(i, 4)));
                             return QJsonObject{{"uid", hex(r.cardNumber)}, {"pages", pages}};
                         })));
}

Built ultralightWrite(const Args &a)
{
    QString refusal;
    const QString row = QCoreApplication::translate("rfid::UltralightPage", "写卡");
    const std::optional<quint8> p = page(a, row, &refusal);
    const QString data = a.value(QStringLiteral("data"));
    if (!p)
        return refuse(refusal);
    if (auto line = oddField({{fieldName(QCoreApplication::translate("rfid::UltralightPage", "页数据"), row), data}}))
        return refuse(*line);
    return planned(ultralight::writePage(modeOf(a), *p, HexPart::typed(data)), 500,
                   judge({ultralight::writeFailureText()},
                         decoded<ultralight::PageWritten>([](const ultralight::PageWritten &w) {
                             return QJsonObject{{"uid", hex(w.cardNumber)}};
                         })));
}

// ---- ISO 14443 Type B --------------------------------------------------------

Built typebRequest(const Args &)
{
    return planned(typeb::cardRequest(), 500,
                   judge({typeb::failedText()}, decoded<typeb::CardAnswer>([](const typeb::CardAnswer &c) {
                             return QJsonObject{{"length", hex(c.length)}, {"data", hex(c.data)}};
                         })));
}

// The page shows these buttons without a command behind them.
std::function<Built(const Args &)> noCommand(const QString &words)
{
    return [words](const Args &) {
        return refuse(Texts::tr("%1: the reader has no command for it (the window's button is disabled). "
                                "Nothing was sent.   %2")
                          .arg(words, timeStamp()));
    };
}

Built typebAttrib(const Args &a)
{
    const QString cardId = a.value(QStringLiteral("card-id"));
    if (auto line = oddField({{fieldName(QCoreApplication::translate("rfid::TypeBPage", "卡ID号码"), QStringLiteral("Edit76")), cardId}}))
        return refuse(*line);
    return planned(typeb::attrib(HexPart::typed(cardId)), 500, judge({typeb::failedText()}, done(typeb::attribDoneText())));
}

Built typebExchange(const Args &a)
{
    const QString data = a.value(QStringLiteral("data"));
    const QString name = fieldName(QCoreApplication::translate("rfid::TypeBPage", "数据"), QStringLiteral("Edit77"));
    if (auto line = oddField({{name, data}}))
        return refuse(*line);
    const HexPart bytes = HexPart::typed(data);
    if (bytes.bytes.size() > typeb::kMaxExchangeData)
        return refuse(typeb::tooLongLine(name, bytes.bytes.size(), timeStamp()));
    // The exchange judges its answer by its own rule: any status but 00 fails.
    return planned(typeb::dataExchange(bytes), 600, [](const Response &r, const QString &time) {
        const typeb::ExchangeAnswer x = typeb::ExchangeAnswer::from(r);
        using K = typeb::ExchangeAnswer::Kind;
        Judged j{x.lines(time), {}, x.kind == K::Success ? Ok : x.kind == K::Failure ? Refused : NoAnswer};
        if (x.kind == K::Success)
            j.fields = {{"data", hex(x.data)}};
        if (x.kind == K::Failure)
            j.fields = {{"code", x.code}, {"message", typeb::exchangeMessage(x.code)}};
        return j;
    });
}

std::function<Built(const Args &)> typebId(Request (*request)())
{
    return [request](const Args &) {
        return planned(request(), 1000, judge({typeb::idFailureText()}, decoded<typeb::IdNumber>([](const typeb::IdNumber &n) {
                                                  return QJsonObject{{"id", hex(n.number)}};
                                              })));
    };
}

// ---- ISO 15693 -------------------------------------------------------------

using iso15693::Param;

struct IsoField {
    Param param;
    const char *option, *edit, *text, *label;   // label: the page's, as it stands there
};

const char *paramHelp(Param p)
{
    switch (p) {
    case Param::FirstBlock:
        return QT_TRANSLATE_NOOP("rfid::cli", "First block");
    case Param::BlockCount:
        return QT_TRANSLATE_NOOP("rfid::cli", "Block count");
    case Param::Block:
        return QT_TRANSLATE_NOOP("rfid::cli", "Block");
    case Param::Uid:
        return QT_TRANSLATE_NOOP("rfid::cli", "The card's UID, least significant byte first; sent with --flags uid (select: always)");
    case Param::Afi:
        return QT_TRANSLATE_NOOP("rfid::cli", "AFI");
    case Param::Dsfid:
        return QT_TRANSLATE_NOOP("rfid::cli", "DSFID");
    case Param::Data:
        break;
    }
    return QT_TRANSLATE_NOOP("rfid::cli", "Block data");
}

// One row of the page: its command, flag item at start and fields; its
// caption names the row.
struct IsoRow {
    const char *name, *caption, *help;
    iso15693::Command command;
    int startItem;
    QList<IsoField> fields;
    Success lines;   // empty: the command's done text
};

QJsonObject isoBlocks(const iso15693::Blocks &b)
{
    return {{"flags", hex(b.flags)}, {"data", hex(b.data)}};
}

QJsonObject isoInfo(const iso15693::SystemInformation &s)
{
    return {{"flags", hex(s.flags)}, {"infoFlags", hex(s.infoFlags)}, {"uid", reversedHex(s.uid)},
            {"dsfid", hex(s.dsfid)}, {"afi", hex(s.afi)},             {"other", hex(s.other)}};
}

QJsonObject isoSecurity(const iso15693::BlockSecurity &s)
{
    return {{"flags", hex(s.flags)}, {"status", hex(s.status)}};
}

#define PAGE(text) QT_TRANSLATE_NOOP("rfid::Iso15693Page", text)
#define CLI(text) QT_TRANSLATE_NOOP("rfid::cli", text)

const QList<IsoRow> &isoRows()
{
    static const QList<IsoRow> rows = {
        {"read", PAGE("卡片读"), CLI("Read blocks."), iso15693::ReadBlocks, 1,
         {{Param::FirstBlock, "first", "Edit14", "01", PAGE("起始块  ")},
          {Param::BlockCount, "count", "Edit13", "05", PAGE("块数量  ")},
          {Param::Uid, "uid", "Edit55", "", PAGE("卡的uid信息    ")}},
         decoded<iso15693::Blocks>(isoBlocks)},
        {"write", PAGE("卡片写"), CLI("Write blocks."), iso15693::WriteBlock, 0,
         {{Param::FirstBlock, "first", "Edit48", "05", PAGE("起始块  ")},
          {Param::BlockCount, "count", "Edit49", "01", PAGE("块数量  ")},
          {Param::Data, "data", "Edit16", "11 22 33 44", PAGE("要写的数据    ")},
          {Param::Uid, "uid", "Edit50", "", PAGE("卡uid  ")}},
         {}},
        {"lock", PAGE("锁定块"), CLI("Lock a block."), iso15693::LockBlock, 1,
         {{Param::Block, "block", "Edit18", "05", PAGE("要锁的块号           ")}}, {}},
        {"select", PAGE("选择卡"), CLI("Select a card by its UID."), iso15693::Select, 2,
         {{Param::Uid, "uid", "Edit19", "", PAGE("卡的uid信息  ")}}, {}},
        {"afi", PAGE("写AFI"), CLI("Write the AFI."), iso15693::WriteAfi, 1,
         {{Param::Afi, "afi", "Edit15", "06", PAGE("AFI")}, {Param::Uid, "uid", "Edit28", "", PAGE("卡uid  ")}}, {}},
        {"lock-afi", PAGE("锁定AFI"), CLI("Lock the AFI."), iso15693::LockAfi, 1,
         {{Param::Uid, "uid", "Edit32", "", PAGE("卡的uid信息  ")}}, {}},
        {"dsfid", PAGE("写DSFID"), CLI("Write the DSFID."), iso15693::WriteDsfid, 1,
         {{Param::Dsfid, "dsfid", "Edit17", "08", PAGE("DSFID")}, {Param::Uid, "uid", "Edit36", "", PAGE("卡uid  ")}},
         {}},
        {"lock-dsfid", PAGE("锁定DSFID"), CLI("Lock the DSFID."), iso15693::LockDsfid, 1,
         {{Param::Uid, "uid", "Edit38", "", PAGE("卡的uid信息  ")}}, {}},
        {"info", PAGE("系统信息"), CLI("Read the system information."), iso15693::SystemInfo, 1,
         {{Param::Uid, "uid", "Edit41", "", PAGE("卡的uid信息  ")}}, decoded<iso15693::SystemInformation>(isoInfo)},
        {"security", PAGE("块安全位"), CLI("Read the blocks' security status."), iso15693::SecurityStatus, 1,
         {{Param::FirstBlock, "first", "Edit21", "00", PAGE("起始块号  ")},
          {Param::BlockCount, "count", "Edit20", "05", PAGE("数据长度  ")},
          {Param::Uid, "uid", "Edit43", "", PAGE("卡uid")}},
         decoded<iso15693::BlockSecurity>(isoSecurity)},
    };
    return rows;
}

#undef PAGE
#undef CLI

const char *const kFlagNames[] = {"ti", "philips", "uid", "other"};

std::function<Built(const Args &)> isoRow(const IsoRow &row)
{
    return [row](const Args &a) {
        const QString flagText = a.value(QStringLiteral("flags")).toLower();
        int item = -1;
        for (int i = 0; i < 4; ++i)
            if (flagText == QLatin1String(kFlagNames[i]))
                item = i;
        if (item < 0)
            return refuse(Texts::tr("Flags \"%1\": one of ti, philips, uid, other. Nothing was sent.   %2")
                              .arg(flagText, timeStamp()));
        const iso15693::Flags flags = iso15693::flagItems().value(item).flags;
        const QString caption = windowText("rfid::Iso15693Page", row.caption);
        QList<Field> sent;
        iso15693::Params values;
        for (Param p : iso15693::paramsOf(row.command, flags)) {
            for (const IsoField &f : row.fields) {
                if (f.param != p)
                    continue;
                const QString text = a.value(QLatin1String(f.option));
                // The page's field name: its label in its row, then its object name.
                const QString label = windowText("rfid::Iso15693Page", f.label).trimmed();
                sent.append({fieldName(label + QStringLiteral(" (") + caption + u')', QLatin1String(f.edit)), text});
                values.insert(p, HexPart::typed(text));
            }
        }
        if (auto line = oddField(sent))
            return refuse(*line);
        return planned(iso15693::request(row.command, flags, values), 500,
                       judge({iso15693::failureText(row.command)},
                             row.lines ? row.lines : done(iso15693::doneText(row.command))));
    };
}

Built isoInventory(const Args &)
{
    return planned(iso15693::inventory(), 1000,
                   judge({iso15693::failureText(iso15693::Inventory)}, decoded<iso15693::Cards>([](const iso15693::Cards &c) {
                             QJsonArray uids;
                             for (const QByteArray &u : c.uids)
                                 uids.append(reversedHex(u));
                             return QJsonObject{{"count", hex(c.count)}, {"uids", uids}};
                         })));
}

// ---- Raw frames ------------------------------------------------------------

Built rawFrame(const Args &a)
{
    const QString frame = a.positional.join(u' ');
    const QString refusal = raw::frameRefusal(frame);
    if (!refusal.isEmpty())
        return refuse(refusal + QStringLiteral("   ") + timeStamp());
    // Sent exactly as given; the answer is judged for the exit status only.
    Plan p{{}, frame, false, 300, [](const Response &r, const QString &time) {
               QString line = QCoreApplication::translate("rfid::ReaderSession", "接收...") + bytesToHex(r.frame) + QStringLiteral("   ") + time;
               return Judged{{line}, {}, exitOf(r.outcome)};
           }};
    return {p, {}, Ok};
}

QList<Command> build()
{
    const QString reader = QStringLiteral("reader"), classic = QStringLiteral("classic"),
                  ul = QStringLiteral("ultralight"), tb = QStringLiteral("typeb"), iso = QStringLiteral("iso15693");
    const Option key = hexOption(QStringLiteral("key"), QStringLiteral("KEY"), QLatin1String(kDefaultKey), Texts::tr("Key bytes"));
    auto opt = [](const char *name, const char *valueName, const char *def, const QString &help) {
        return hexOption(QLatin1String(name), QLatin1String(valueName), QString::fromUtf8(def), help);
    };
    QList<Command> out = {
        {QStringLiteral("format"), QStringLiteral("read"), {}, Texts::tr("Read the reader's output format."), {}, 0, 0, formatRead},
        {QStringLiteral("format"), QStringLiteral("set"), QStringLiteral("FORMAT"),
         Texts::tr("Set the output format (names: format list)."),
         {{QStringLiteral("semicolon"), {}, {}, Texts::tr("Add ; before the number.")},
          {QStringLiteral("question"), {}, {}, Texts::tr("Add ? after the number.")},
          {QStringLiteral("comma"), {}, {}, Texts::tr("Add , in the middle.")},
          {QStringLiteral("enter"), {}, {}, Texts::tr("Add Enter after the number.")},
          {QStringLiteral("buzzer"), QStringLiteral("big|small"), QStringLiteral("big"), Texts::tr("The buzzer (default big).")},
          {QStringLiteral("user-byte"), QStringLiteral("HH"), {}, Texts::tr("Add this user-defined byte.")}},
         1, 1, formatSet},
        {reader, QStringLiteral("baud"), QStringLiteral("RATE"),
         Texts::tr("Set the baud rate: 9600, 19200, 38400, 57600 or 115200."), {}, 1, 1, readerBaud},
        {reader, QStringLiteral("address"), Texts::tr("[read | set NN]"),
         Texts::tr("Read the reader's address, or set a new one."), {}, 0, 2, identity(kAddressRow)},
        {reader, QStringLiteral("serial"), Texts::tr("[read | set SERIAL]"),
         Texts::tr("Read the reader's serial number, or set it (8 bytes)."), {}, 0, 2, identity(kSerialRow)},
        {reader, QStringLiteral("mode"), QStringLiteral("active|passive"),
         Texts::tr("Switch the reading mode; the answer is not waited for."), {}, 1, 1, readerMode},
    };
    const IndicatorRow indicators[] = {
        {settings::Indicator::Led, QT_TRANSLATE_NOOP("rfid::SystemPage", "led的控制"), "Edit30", "Edit31"},
        {settings::Indicator::LedR, QT_TRANSLATE_NOOP("rfid::SystemPage", "led-R 的控制"), "Edit11", "Edit12"},
        {settings::Indicator::Buzzer, QT_TRANSLATE_NOOP("rfid::SystemPage", "buzzer的控制"), "Edit33", "Edit34"},
    };
    const char *indicatorNames[] = {"led", "led-r", "buzzer"};
    const QString indicatorHelp[] = {Texts::tr("Flash the LED: period and count."),
                                     Texts::tr("Flash the red LED: period and count."),
                                     Texts::tr("Sound the buzzer: period and count.")};
    for (int i = 0; i < 3; ++i)
        out.append({reader, QLatin1String(indicatorNames[i]), {}, indicatorHelp[i],
                    {opt("period", "HH", "16", Texts::tr("Period")), opt("count", "HH", "03", Texts::tr("Count"))}, 0, 0,
                    indicator(indicators[i])});

    out.append({classic, QStringLiteral("read"), {}, Texts::tr("Read blocks."),
                {opt("start", "HH", "10", Texts::tr("First block")), opt("count", "HH", "04", Texts::tr("Block count")), key, allOption(), keyBOption()}, 0,
                0, classicRead});
    out.append({classic, QStringLiteral("write"), {}, Texts::tr("Write blocks."),
                {opt("start", "HH", "10", Texts::tr("First block")), opt("count", "HH", "01", Texts::tr("Block count")), key,
                 opt("data", "HEX", "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF", Texts::tr("Block data")), allOption(), keyBOption()},
                0, 0, classicWrite});
    struct ValueCmd {
        const char *name;
        classic::ValueOp op;
        const char *caption, *label, *def;   // the page's row caption and value label
        QString help;
    };
    const ValueCmd values[] = {
        {"value-init", classic::ValueOp::Initialise, QT_TRANSLATE_NOOP("rfid::ClassicPage", "初始化"),
         QT_TRANSLATE_NOOP("rfid::ClassicPage", " 初始值  "), "00 88 00 00", Texts::tr("Make a sector's value block.")},
        {"inc", classic::ValueOp::Increment, QT_TRANSLATE_NOOP("rfid::ClassicPage", "加值"),
         QT_TRANSLATE_NOOP("rfid::ClassicPage", " 加值  "), "00 20 00 00", Texts::tr("Add to a sector's value.")},
        {"dec", classic::ValueOp::Decrement, QT_TRANSLATE_NOOP("rfid::ClassicPage", "减值"),
         QT_TRANSLATE_NOOP("rfid::ClassicPage", " 减值  "), "00 20 00 00", Texts::tr("Take from a sector's value.")},
    };
    for (const ValueCmd &v : values)
        out.append({classic, QLatin1String(v.name), {}, v.help,
                    {opt("sector", "HH", "01", Texts::tr("Sector")), opt("value", "HEX", v.def, Texts::tr("Value")), key, allOption(), keyBOption()}, 0, 0,
                    classicValue(v.op, v.caption, v.label)});
    out.append({classic, QStringLiteral("card-number"), {}, Texts::tr("Read the card number."),
                {allOption(), {QStringLiteral("halt"), {}, {}, Texts::tr("Halt the card after reading.")}}, 0, 0,
                classicCardNumber});
    out.append({classic, QStringLiteral("halt"), {}, Texts::tr("Halt the card."), {}, 0, 0, halt});

    const Option page = {QStringLiteral("page"), QStringLiteral("NN"), QStringLiteral("00"),
                         Texts::tr("Page number in decimal: 00 to 15 as the window lists them, up to 255 on larger tags (default 00)")};
    Option writePage = page;
    writePage.defaultValue = QStringLiteral("04");
    writePage.help = Texts::tr("Page number in decimal: 00 to 15 as the window lists them, up to 255 on larger tags (default 04)");
    out.append({ul, QStringLiteral("read"), {}, Texts::tr("Read from a page."), {page, allOption()}, 0, 0, ultralightRead});
    out.append({ul, QStringLiteral("write"), {}, Texts::tr("Write one page."),
                {writePage, opt("data", "HEX", "00 00 00 00", Texts::tr("Page data")), allOption()}, 0, 0, ultralightWrite});
    out.append({ul, QStringLiteral("serial"), {}, Texts::tr("Read the card's serial number."), {allOption()}, 0, 0,
                ultralightSerial});
    out.append({ul, QStringLiteral("halt"), {}, Texts::tr("Halt the card."), {}, 0, 0, halt});

    out.append({tb, QStringLiteral("request"), {}, Texts::tr("Card request."), {}, 0, 0, typebRequest});
    out.append({tb, QStringLiteral("anticollision"), {}, Texts::tr("No command in the reader."), {}, 0, 0,
                noCommand(QStringLiteral("typeb anticollision"))});
    out.append({tb, QStringLiteral("attrib"), {}, Texts::tr("Attrib a card."),
                {opt("card-id", "HEX", "41 30 0A 10", Texts::tr("Card ID"))}, 0, 0, typebAttrib});
    out.append({tb, QStringLiteral("reset"), {}, Texts::tr("No command in the reader."), {}, 0, 0,
                noCommand(QStringLiteral("typeb reset"))});
    out.append({tb, QStringLiteral("exchange"), {}, Texts::tr("Exchange data with the card."),
                {opt("data", "HEX", "05 00 00", Texts::tr("Data"))}, 0, 0, typebExchange});
    out.append({tb, QStringLiteral("id"), {}, Texts::tr("Read the ID card's number."), {}, 0, 0,
                typebId(typeb::readIdNumber)});
    out.append({tb, QStringLiteral("file-id"), {}, Texts::tr("Read the ID card's file number."), {}, 0, 0,
                typebId(typeb::readFileIdNumber)});

    out.append({iso, QStringLiteral("inventory"), {}, Texts::tr("Inventory of the cards in the field."), {}, 0, 0,
                isoInventory});
    for (const IsoRow &row : isoRows()) {
        const char *start = kFlagNames[row.startItem];
        QList<Option> options = {{QStringLiteral("flags"), QStringLiteral("ti|philips|uid|other"),
                                  QLatin1String(start),
                                  Texts::tr("Request flags; uid sends the UID (default %1)").arg(QLatin1String(start))}};
        for (const IsoField &f : row.fields)
            options.append(opt(f.option, f.param == Param::Uid || f.param == Param::Data ? "HEX" : "HH", f.text,
                               Texts::tr(paramHelp(f.param))));
        out.append({iso, QLatin1String(row.name), {}, Texts::tr(row.help), options, 0, 0, isoRow(row)});
    }

    out.append({QStringLiteral("raw"), {}, QStringLiteral("FRAME"),
                Texts::tr("Send a whole frame (hex) exactly as given, as the console does."), {}, 1, 255, rawFrame});
    return out;
}

} // namespace

const QList<Command> &commands()
{
    static const QList<Command> all = build();
    return all;
}

QList<FormatName> formatNames()
{
    return QList<FormatName>(std::begin(kFormatNames), std::end(kFormatNames));
}

} // namespace rfid::cli
