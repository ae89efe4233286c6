#include "cli/commands.h"

#include <QJsonArray>

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

struct Field {
    QString name;   // as the window names it in its refusal
    QString text;
};

enum class Language { Chinese, English };

// The window's refusal of a field with an odd number of hex digits: it would
// shift every later byte of the frame.
std::optional<QString> oddField(const QList<Field> &fields, Language language = Language::Chinese)
{
    for (const Field &f : fields) {
        if (!hasOddDigits(f.text))
            continue;
        if (language == Language::English)
            return QStringLiteral("%1: odd number of hex digits, nothing sent   %2").arg(f.name, timeStamp());
        return QStringLiteral("%1：十六进制数字个数为奇数，未发送   %2").arg(f.name, timeStamp());
    }
    return std::nullopt;
}

QString fieldName(const QString &what, const QString &which)
{
    return what + QStringLiteral("（") + which + QStringLiteral("）");
}

Built refuse(const QString &line, int exit = BadArguments)
{
    return {std::nullopt, line, exit};
}

Built planned(const Request &request, int waitMs, const Judge &j)
{
    return {Plan{request, std::nullopt, false, waitMs, j}, {}, Ok};
}

// The hex option of a command; names are the window's fields.
const Option kAll{QStringLiteral("all"), {}, {}, QStringLiteral("Request mode All: also wake halted cards (default Idle).")};
const Option kKeyB{QStringLiteral("key-b"), {}, {}, QStringLiteral("Authenticate with key B (default key A).")};
const QString kDefaultKey = QStringLiteral("3C 5E 71 9D 2B 64");

Option hexOption(const QString &name, const QString &valueName, const QString &def, const QString &help)
{
    return {name, valueName, def, def.isEmpty() ? help : help + QStringLiteral(" (default %1)").arg(def)};
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

OutcomeTexts formatTexts(const QString &failure)
{
    return {failure, format::kNoData, format::kCorrupted};
}

Built formatRead(const Args &)
{
    return planned(format::read(), 300,
                   judge(formatTexts(QStringLiteral("Read format false   ")), [](const Response &r, const QString &time) {
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
        return refuse(QStringLiteral("No output format \"%1\": `format list` names them. Nothing was sent.   %2")
                          .arg(name, timeStamp()));
    const QString buzzer = a.value(QStringLiteral("buzzer"));
    if (buzzer != QLatin1String("big") && buzzer != QLatin1String("small"))
        return refuse(QStringLiteral("Buzzer \"%1\" is neither big nor small. Nothing was sent.   %2")
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
        if (auto line = oddField({{QStringLiteral("User-defined byte (Edit23)"), userByte}}, Language::English))
            return refuse(*line);
        c.userByte = hexToBytes(userByte);
    }
    return planned(format::set(c), 300,
                   judge(formatTexts(QStringLiteral("Set up format false   ")), done(QStringLiteral("Set Up Success   "))));
}

// ---- Reader settings -----------------------------------------------------

Built readerBaud(const Args &a)
{
    const QString text = a.positional.value(0);
    const std::optional<quint8> code = settings::baudCode(text);
    if (!code)
        return refuse(settings::unknownBaudLine(text, timeStamp()));
    return planned(settings::setBaudRate(*code), 300,
                   judge({QStringLiteral("波特率设置失败   ")}, done(QStringLiteral("波特率设置成功   "))));
}

// The address and the serial number: both read by the one Read, each set by
// its own command from the page's field.
struct IdentityRow {
    const char *words, *valueName, *field, *edit;
    const char *readFailure, *setFailure, *setDone, *json;
    LogLines (settings::Identity::*lines)(const QString &) const;
    QByteArray settings::Identity::*value;
    Request (*set)(const QByteArray &);
};

std::function<Built(const Args &)> identity(const IdentityRow &row)
{
    return [row](const Args &a) {
        const QString action = a.positional.value(0, QStringLiteral("read"));
        if (action == QLatin1String("read") && a.positional.size() <= 1) {
            return planned(settings::read(), 300,
                           judge({QString::fromUtf8(row.readFailure)}, [row](const Response &r, const QString &time) {
                               const auto id = settings::Identity::from(r);
                               return Judged{(id.*row.lines)(time),
                                             {{QLatin1String(row.json), hex(id.*row.value)}}, Ok};
                           }));
        }
        if (action != QLatin1String("set") || a.positional.size() != 2)
            return refuse(QStringLiteral("%1: read, or set %2. Nothing was sent.   %3")
                              .arg(QLatin1String(row.words), QLatin1String(row.valueName), timeStamp()));
        const QString value = a.positional.value(1);
        if (auto line = oddField({{fieldName(QString::fromUtf8(row.field), QLatin1String(row.edit)), value}}))
            return refuse(*line);
        return planned(row.set(hexToBytes(value)), 300,
                       judge({QString::fromUtf8(row.setFailure)}, done(QString::fromUtf8(row.setDone))));
    };
}

const IdentityRow kAddressRow{"reader address", "NN", "重设置机器ID号", "Edit4", "操作失败        ",
                              "读写器地址设置失败   ", "读写器地址设置成功   ", "address",
                              &settings::Identity::addressLines, &settings::Identity::address,
                              settings::setAddress};
const IdentityRow kSerialRow{"reader serial", "SERIAL", "重设置机器序列号", "Edit9", "读序列号失败   ",
                             "机器序列号设置失败   ", "机器序列号设置成功   ", "serial",
                             &settings::Identity::serialLines, &settings::Identity::serial,
                             settings::setSerial};

// LED, LED-R and buzzer: the page's row, its period and count fields, and the
// name its texts use.
struct IndicatorRow {
    settings::Indicator which;
    const char *what, *periodEdit, *countEdit, *name;
};

std::function<Built(const Args &)> indicator(const IndicatorRow &row)
{
    return [row](const Args &a) {
        const QString what = QString::fromUtf8(row.what);
        const QString period = a.value(QStringLiteral("period")), count = a.value(QStringLiteral("count"));
        if (auto line = oddField({{fieldName(what + QStringLiteral(" 周期"), QLatin1String(row.periodEdit)), period},
                                  {fieldName(what + QStringLiteral(" 次数"), QLatin1String(row.countEdit)), count}}))
            return refuse(*line);
        const QString name = QLatin1String(row.name);
        return planned(settings::indicator(row.which, hexToBytes(period), hexToBytes(count)), 300,
                       judge({QStringLiteral("设置%1操作失败   ").arg(name)},
                             done(QStringLiteral("设置%1操作成功   ").arg(name))));
    };
}

Built readerMode(const Args &a)
{
    const QString mode = a.positional.value(0);
    if (mode != QLatin1String("active") && mode != QLatin1String("passive"))
        return refuse(QStringLiteral("reader mode: active or passive, not \"%1\". Nothing was sent.   %2")
                          .arg(mode, timeStamp()));
    // As the page does: sent, and the answer is not waited for.
    Plan p{settings::readingMode(mode == QLatin1String("active")), std::nullopt, true, 0, {}};
    return {p, {}, Ok};
}

// ---- MIFARE Classic ------------------------------------------------------

classic::Access access(const Args &a, const QString &key)
{
    return {a.has(QStringLiteral("all")) ? classic::RequestMode::All : classic::RequestMode::Idle,
            a.has(QStringLiteral("key-b")) ? classic::KeyType::B : classic::KeyType::A, hexToBytes(key)};
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
    const QString row = QStringLiteral("读卡");
    const QString count = a.value(QStringLiteral("count")), start = a.value(QStringLiteral("start")),
                  key = a.value(QStringLiteral("key"));
    if (auto line = oddField({{fieldName(QStringLiteral("块的数量"), row), count},
                              {fieldName(QStringLiteral("起始块"), row), start},
                              {fieldName(QStringLiteral("密钥"), row), key}}))
        return refuse(*line);
    return planned(classic::readBlocks(access(a, key), hexToBytes(count), hexToBytes(start)), 500,
                   judge({classic::failureText()}, decoded<classic::BlocksRead>([](const classic::BlocksRead &b) {
                             return QJsonObject{{"uid", hex(b.cardNumber)}, {"blocks", blockList(b.blocks)}};
                         })));
}

Built classicWrite(const Args &a)
{
    const QString row = QStringLiteral("写卡");
    const QString count = a.value(QStringLiteral("count")), start = a.value(QStringLiteral("start")),
                  key = a.value(QStringLiteral("key")), data = a.value(QStringLiteral("data"));
    if (auto line = oddField({{fieldName(QStringLiteral("块的数量"), row), count},
                              {fieldName(QStringLiteral("起始地址"), row), start},
                              {fieldName(QStringLiteral("密钥"), row), key},
                              {fieldName(QStringLiteral("块数据"), row), data}}))
        return refuse(*line);
    return planned(classic::writeBlocks(access(a, key), hexToBytes(count), hexToBytes(start), hexToBytes(data)), 500,
                   judge({classic::failureText()}, decoded<classic::BlocksWritten>([](const classic::BlocksWritten &b) {
                             return QJsonObject{{"uid", hex(b.cardNumber)}};
                         })));
}

std::function<Built(const Args &)> classicValue(classic::ValueOp op, const QString &rowName, const QString &valueName)
{
    return [=](const Args &a) {
        const QString sector = a.value(QStringLiteral("sector")), key = a.value(QStringLiteral("key")),
                      value = a.value(QStringLiteral("value"));
        if (auto line = oddField({{fieldName(QStringLiteral("扇区"), rowName), sector},
                                  {fieldName(QStringLiteral("密钥"), rowName), key},
                                  {fieldName(valueName, rowName), value}}))
            return refuse(*line);
        const Success success =
            op == classic::ValueOp::Initialise
                ? decoded<classic::ValueInitialised>([](const classic::ValueInitialised &v) {
                      return QJsonObject{{"uid", hex(v.cardNumber)}};
                  })
                : decoded<classic::ValueChanged>([](const classic::ValueChanged &v) {
                      return QJsonObject{{"uid", hex(v.cardNumber)}, {"value", hex(v.remaining)}};
                  });
        return planned(classic::value(op, access(a, key), hexToBytes(sector), hexToBytes(value)), 500,
                       judge({classic::failureText()}, success));
    };
}

Built classicCardNumber(const Args &a)
{
    const auto mode = a.has(QStringLiteral("all")) ? classic::RequestMode::All : classic::RequestMode::Idle;
    return planned(classic::readCardNumber(mode, a.has(QStringLiteral("halt"))), 300,
                   judge({QStringLiteral("读卡号操作失败   ")},
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
        *refusal = QStringLiteral("%1：未选择页，未发送   ").arg(fieldName(QStringLiteral("扇区"), row)) + timeStamp();
    return p;
}

Built ultralightSerial(const Args &a)
{
    return planned(ultralight::readSerial(modeOf(a)), 300,
                   judge({QStringLiteral("读卡ID号操作失败   ")},
                         decoded<ultralight::Serial>([](const ultralight::Serial &s) {
                             return QJsonObject{{"uid", hex(s.cardNumber)}};
                         })));
}

Built ultralightRead(const Args &a)
{
    QString refusal;
    const std::optional<quint8> p = page(a, QStringLiteral("读卡"), &refusal);
    if (!p)
        return refuse(refusal);
    return planned(ultralight::readPage(modeOf(a), *p), 800,
                   judge({QStringLiteral("读卡失败   ")}, decoded<ultralight::PageRead>([](const ultralight::PageRead &r) {
                             QJsonArray pages;
                             for (qsizetype i = 0; i < r.data.size(); i += 4)
                                 pages.append(hex(r.data.mid(i, 4)));
                             return QJsonObject{{"uid", hex(r.cardNumber)}, {"pages", pages}};
                         })));
}

Built ultralightWrite(const Args &a)
{
    QString refusal;
    const std::optional<quint8> p = page(a, QStringLiteral("写卡"), &refusal);
    const QString data = a.value(QStringLiteral("data"));
    if (!p)
        return refuse(refusal);
    if (auto line = oddField({{fieldName(QStringLiteral("页数据"), QStringLiteral("写卡")), data}}))
        return refuse(*line);
    return planned(ultralight::writePage(modeOf(a), *p, hexToBytes(data)), 500,
                   judge({QStringLiteral("写卡操作失败   ")},
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
        return refuse(QStringLiteral("%1: the reader has no command for it (the window's button is disabled). "
                                     "Nothing was sent.   %2")
                          .arg(words, timeStamp()));
    };
}

Built typebAttrib(const Args &a)
{
    const QString cardId = a.value(QStringLiteral("card-id"));
    if (auto line = oddField({{fieldName(QStringLiteral("卡ID号码"), QStringLiteral("Edit76")), cardId}}))
        return refuse(*line);
    return planned(typeb::attrib(hexToBytes(cardId)), 500, judge({typeb::failedText()}, done(typeb::attribDoneText())));
}

Built typebExchange(const Args &a)
{
    const QString data = a.value(QStringLiteral("data"));
    const QString name = fieldName(QStringLiteral("数据"), QStringLiteral("Edit77"));
    if (auto line = oddField({{name, data}}))
        return refuse(*line);
    const QByteArray bytes = hexToBytes(data);
    if (bytes.size() > typeb::kMaxExchangeData)
        return refuse(QStringLiteral("%1：%2 个字节，最多 %3 个（帧最长 %4 字节），未发送   %5")
                          .arg(name)
                          .arg(bytes.size())
                          .arg(typeb::kMaxExchangeData)
                          .arg(kMaxFrameBytes)
                          .arg(timeStamp()));
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
    const char *option, *edit, *text, *label;
};

const char *paramHelp(Param p)
{
    switch (p) {
    case Param::FirstBlock:
        return "First block";
    case Param::BlockCount:
        return "Block count";
    case Param::Block:
        return "Block";
    case Param::Uid:
        return "The card's UID, least significant byte first; sent with --flags uid (select: always)";
    case Param::Afi:
        return "AFI";
    case Param::Dsfid:
        return "DSFID";
    case Param::Data:
        break;
    }
    return "Block data";
}

// One row of the page: its command, flag item at start, fields and texts.
struct IsoRow {
    const char *name, *caption, *help;
    iso15693::Command command;
    int startItem;
    QList<IsoField> fields;
    const char *failure;
    const char *success;   // null: the answer's own lines
    Success lines;
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

const QList<IsoRow> &isoRows()
{
    static const QList<IsoRow> rows = {
        {"read", "卡片读", "Read blocks.", iso15693::ReadBlocks, 1,
         {{Param::FirstBlock, "first", "Edit14", "01", "起始块"},
          {Param::BlockCount, "count", "Edit13", "05", "块数量"},
          {Param::Uid, "uid", "Edit55", "", "卡的uid信息"}},
         "读卡失败   ", nullptr, decoded<iso15693::Blocks>(isoBlocks)},
        {"write", "卡片写", "Write blocks.", iso15693::WriteBlock, 0,
         {{Param::FirstBlock, "first", "Edit48", "05", "起始块"},
          {Param::BlockCount, "count", "Edit49", "01", "块数量"},
          {Param::Data, "data", "Edit16", "11 22 33 44", "要写的数据"},
          {Param::Uid, "uid", "Edit50", "", "卡uid"}},
         "写卡失败   ", "写卡操作成功   ", {}},
        {"lock", "锁定块", "Lock a block.", iso15693::LockBlock, 1, {{Param::Block, "block", "Edit18", "05", "要锁的块号"}},
         "锁操作失败   ", "锁操作成功   ", {}},
        {"select", "选择卡", "Select a card by its UID.", iso15693::Select, 2, {{Param::Uid, "uid", "Edit19", "", "卡的uid信息"}},
         "选择卡操作失败   ", "选择卡操作成功   ", {}},
        {"afi", "写AFI", "Write the AFI.", iso15693::WriteAfi, 1,
         {{Param::Afi, "afi", "Edit15", "06", "AFI"}, {Param::Uid, "uid", "Edit28", "", "卡uid"}},
         "写AFI操作失败   ", "写AFI操作成功   ", {}},
        {"lock-afi", "锁定AFI", "Lock the AFI.", iso15693::LockAfi, 1, {{Param::Uid, "uid", "Edit32", "", "卡的uid信息"}},
         "锁定AFI操作失败   ", "锁定AFI操作成功   ", {}},
        {"dsfid", "写DSFID", "Write the DSFID.", iso15693::WriteDsfid, 1,
         {{Param::Dsfid, "dsfid", "Edit17", "08", "DSFID"}, {Param::Uid, "uid", "Edit36", "", "卡uid"}},
         "写DSFID操作失败   ", "写DSFID操作成功   ", {}},
        {"lock-dsfid", "锁定DSFID", "Lock the DSFID.", iso15693::LockDsfid, 1, {{Param::Uid, "uid", "Edit38", "", "卡的uid信息"}},
         "锁定DSFID操作失败   ", "锁定DSFID操作成功   ", {}},
        {"info", "系统信息", "Read the system information.", iso15693::SystemInfo, 1, {{Param::Uid, "uid", "Edit41", "", "卡的uid信息"}},
         "操作失败   ", nullptr, decoded<iso15693::SystemInformation>(isoInfo)},
        {"security", "块安全位", "Read the blocks' security status.", iso15693::SecurityStatus, 1,
         {{Param::FirstBlock, "first", "Edit21", "00", "起始块号"},
          {Param::BlockCount, "count", "Edit20", "05", "数据长度"},
          {Param::Uid, "uid", "Edit43", "", "卡uid"}},
         "读卡块安全位失败   ", nullptr, decoded<iso15693::BlockSecurity>(isoSecurity)},
    };
    return rows;
}

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
            return refuse(QStringLiteral("Flags \"%1\": one of ti, philips, uid, other. Nothing was sent.   %2")
                              .arg(flagText, timeStamp()));
        const iso15693::Flags flags = iso15693::flagItems().value(item).flags;
        const QString caption = QString::fromUtf8(row.caption);
        QList<Field> sent;
        iso15693::Params values;
        for (Param p : iso15693::paramsOf(row.command, flags)) {
            for (const IsoField &f : row.fields) {
                if (f.param != p)
                    continue;
                const QString text = a.value(QLatin1String(f.option));
                // The page's field name: its label in its row, then its object name.
                sent.append({fieldName(QString::fromUtf8(f.label) + QStringLiteral(" (") + caption + u')',
                                       QLatin1String(f.edit)),
                             text});
                values.insert(p, hexToBytes(text));
            }
        }
        if (auto line = oddField(sent))
            return refuse(*line);
        return planned(iso15693::request(row.command, flags, values), 500,
                       judge({QString::fromUtf8(row.failure)},
                             row.success ? done(QString::fromUtf8(row.success)) : row.lines));
    };
}

Built isoInventory(const Args &)
{
    return planned(iso15693::inventory(), 1000,
                   judge({QStringLiteral("操作失败   ")}, decoded<iso15693::Cards>([](const iso15693::Cards &c) {
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
               QString line = QStringLiteral("接收...") + bytesToHex(r.frame) + QStringLiteral("   ") + time;
               return Judged{{line}, {}, exitOf(r.outcome)};
           }};
    return {p, {}, Ok};
}

QList<Command> build()
{
    const QString reader = QStringLiteral("reader"), classic = QStringLiteral("classic"),
                  ul = QStringLiteral("ultralight"), tb = QStringLiteral("typeb"), iso = QStringLiteral("iso15693");
    const Option key = hexOption(QStringLiteral("key"), QStringLiteral("KEY"), kDefaultKey, QStringLiteral("Key bytes"));
    auto opt = [](const char *name, const char *valueName, const char *def, const char *help) {
        return hexOption(QLatin1String(name), QLatin1String(valueName), QString::fromUtf8(def), QLatin1String(help));
    };
    QList<Command> out = {
        {QStringLiteral("format"), QStringLiteral("read"), {}, QStringLiteral("Read the reader's output format."), {}, 0, 0, formatRead},
        {QStringLiteral("format"), QStringLiteral("set"), QStringLiteral("FORMAT"),
         QStringLiteral("Set the output format (names: format list)."),
         {{QStringLiteral("semicolon"), {}, {}, QStringLiteral("Add ; before the number.")},
          {QStringLiteral("question"), {}, {}, QStringLiteral("Add ? after the number.")},
          {QStringLiteral("comma"), {}, {}, QStringLiteral("Add , in the middle.")},
          {QStringLiteral("enter"), {}, {}, QStringLiteral("Add Enter after the number.")},
          {QStringLiteral("buzzer"), QStringLiteral("big|small"), QStringLiteral("big"), QStringLiteral("The buzzer (default big).")},
          {QStringLiteral("user-byte"), QStringLiteral("HH"), {}, QStringLiteral("Add this user-defined byte.")}},
         1, 1, formatSet},
        {reader, QStringLiteral("baud"), QStringLiteral("RATE"),
         QStringLiteral("Set the baud rate: 9600, 19200, 38400, 57600 or 115200."), {}, 1, 1, readerBaud},
        {reader, QStringLiteral("address"), QStringLiteral("[read | set NN]"),
         QStringLiteral("Read the reader's address, or set a new one."), {}, 0, 2, identity(kAddressRow)},
        {reader, QStringLiteral("serial"), QStringLiteral("[read | set SERIAL]"),
         QStringLiteral("Read the reader's serial number, or set it (8 bytes)."), {}, 0, 2, identity(kSerialRow)},
        {reader, QStringLiteral("mode"), QStringLiteral("active|passive"),
         QStringLiteral("Switch the reading mode; the answer is not waited for."), {}, 1, 1, readerMode},
    };
    const IndicatorRow indicators[] = {
        {settings::Indicator::Led, "led的控制", "Edit30", "Edit31", "LED"},
        {settings::Indicator::LedR, "led-R 的控制", "Edit11", "Edit12", "LED-R"},
        {settings::Indicator::Buzzer, "buzzer的控制", "Edit33", "Edit34", "BUZ"},
    };
    const char *indicatorNames[] = {"led", "led-r", "buzzer"};
    const char *indicatorHelp[] = {"Flash the LED: period and count.", "Flash the red LED: period and count.",
                                   "Sound the buzzer: period and count."};
    for (int i = 0; i < 3; ++i)
        out.append({reader, QLatin1String(indicatorNames[i]), {},
                    QLatin1String(indicatorHelp[i]),
                    {opt("period", "HH", "16", "Period"), opt("count", "HH", "03", "Count")}, 0, 0,
                    indicator(indicators[i])});

    out.append({classic, QStringLiteral("read"), {}, QStringLiteral("Read blocks."),
                {opt("start", "HH", "10", "First block"), opt("count", "HH", "04", "Block count"), key, kAll, kKeyB}, 0,
                0, classicRead});
    out.append({classic, QStringLiteral("write"), {}, QStringLiteral("Write blocks."),
                {opt("start", "HH", "10", "First block"), opt("count", "HH", "01", "Block count"), key,
                 opt("data", "HEX", "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF", "Block data"), kAll, kKeyB},
                0, 0, classicWrite});
    struct ValueCmd {
        const char *name;
        classic::ValueOp op;
        const char *row, *label, *def, *help;
    };
    const ValueCmd values[] = {
        {"value-init", classic::ValueOp::Initialise, "初始化", "初始值", "00 88 00 00", "Make a sector's value block."},
        {"inc", classic::ValueOp::Increment, "加值", "加值", "00 20 00 00", "Add to a sector's value."},
        {"dec", classic::ValueOp::Decrement, "减值", "减值", "00 20 00 00", "Take from a sector's value."},
    };
    for (const ValueCmd &v : values)
        out.append({classic, QLatin1String(v.name), {}, QLatin1String(v.help),
                    {opt("sector", "HH", "01", "Sector"), opt("value", "HEX", v.def, "Value"), key, kAll, kKeyB}, 0, 0,
                    classicValue(v.op, QString::fromUtf8(v.row), QString::fromUtf8(v.label))});
    out.append({classic, QStringLiteral("card-number"), {}, QStringLiteral("Read the card number."),
                {kAll, {QStringLiteral("halt"), {}, {}, QStringLiteral("Halt the card after reading.")}}, 0, 0,
                classicCardNumber});
    out.append({classic, QStringLiteral("halt"), {}, QStringLiteral("Halt the card."), {}, 0, 0, halt});

    const Option page = {QStringLiteral("page"), QStringLiteral("NN"), QStringLiteral("00"),
                         QStringLiteral("Page, 00 to 15 (default 00)")};
    Option writePage = page;
    writePage.defaultValue = QStringLiteral("04");
    writePage.help = QStringLiteral("Page, 00 to 15 (default 04)");
    out.append({ul, QStringLiteral("read"), {}, QStringLiteral("Read from a page."), {page, kAll}, 0, 0, ultralightRead});
    out.append({ul, QStringLiteral("write"), {}, QStringLiteral("Write one page."),
                {writePage, opt("data", "HEX", "00 00 00 00", "Page data"), kAll}, 0, 0, ultralightWrite});
    out.append({ul, QStringLiteral("serial"), {}, QStringLiteral("Read the card's serial number."), {kAll}, 0, 0,
                ultralightSerial});
    out.append({ul, QStringLiteral("halt"), {}, QStringLiteral("Halt the card."), {}, 0, 0, halt});

    out.append({tb, QStringLiteral("request"), {}, QStringLiteral("Card request."), {}, 0, 0, typebRequest});
    out.append({tb, QStringLiteral("anticollision"), {}, QStringLiteral("No command in the reader."), {}, 0, 0,
                noCommand(QStringLiteral("typeb anticollision"))});
    out.append({tb, QStringLiteral("attrib"), {}, QStringLiteral("Attrib a card."),
                {opt("card-id", "HEX", "41 30 0A 10", "Card ID")}, 0, 0, typebAttrib});
    out.append({tb, QStringLiteral("reset"), {}, QStringLiteral("No command in the reader."), {}, 0, 0,
                noCommand(QStringLiteral("typeb reset"))});
    out.append({tb, QStringLiteral("exchange"), {}, QStringLiteral("Exchange data with the card."),
                {opt("data", "HEX", "05 00 00", "Data")}, 0, 0, typebExchange});
    out.append({tb, QStringLiteral("id"), {}, QStringLiteral("Read the ID card's number."), {}, 0, 0,
                typebId(typeb::readIdNumber)});
    out.append({tb, QStringLiteral("file-id"), {}, QStringLiteral("Read the ID card's file number."), {}, 0, 0,
                typebId(typeb::readFileIdNumber)});

    out.append({iso, QStringLiteral("inventory"), {}, QStringLiteral("Inventory of the cards in the field."), {}, 0, 0,
                isoInventory});
    for (const IsoRow &row : isoRows()) {
        const char *start = kFlagNames[row.startItem];
        QList<Option> options = {{QStringLiteral("flags"), QStringLiteral("ti|philips|uid|other"),
                                  QLatin1String(start),
                                  QStringLiteral("Request flags; uid sends the UID (default %1)").arg(QLatin1String(start))}};
        for (const IsoField &f : row.fields)
            options.append(opt(f.option, f.param == Param::Uid || f.param == Param::Data ? "HEX" : "HH", f.text,
                               paramHelp(f.param)));
        out.append({iso, QLatin1String(row.name), {}, QString::fromUtf8(row.help), options, 0, 0, isoRow(row)});
    }

    out.append({QStringLiteral("raw"), {}, QStringLiteral("FRAME"),
                QStringLiteral("Send a whole frame (hex) exactly as given, as the console does."), {}, 1, 255, rawFrame});
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
