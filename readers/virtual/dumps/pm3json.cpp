// Proxmark3 JSON dumps: a small tolerant JSON reader (trailing commas and
// anything after the closing brace are accepted), and the dump fields.
#include <algorithm>
#include <map>

#include "dumpparse.h"

namespace dumps::detail {

namespace {

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    int line = 0;
    std::string text;   // a string's value, a number's digits
    std::vector<Json> items;
    std::vector<std::string> names;   // an object's members: names[i] is values[i]'s
    std::vector<Json> values;

    // A member by name, in either letter case.
    const Json *get(std::string_view key) const
    {
        for (size_t i = 0; i < names.size(); ++i)
            if (iequals(names[i], key))
                return &values[i];
        return nullptr;
    }
};

const char *kindName(Json::Kind k)
{
    switch (k) {
    case Json::Null: return "null";
    case Json::Bool: return "true or false";
    case Json::Number: return "a number";
    case Json::String: return "text";
    case Json::Array: return "a list";
    case Json::Object: return "an object";
    }
    return "";
}

class Parser
{
public:
    explicit Parser(std::string_view s) : m_s(s) {}

    Json document()
    {
        skipBlank();
        Json v = value();
        // Whatever follows the dump's closing brace is left alone.
        return v;
    }

private:
    static constexpr int kMaxDepth = 32;
    std::string_view m_s;
    size_t m_pos = 0;
    int m_line = 1;
    int m_depth = 0;

    [[noreturn]] void truncated(const char *inside) { fail(m_line, std::string("truncated: the file ends inside ") + inside); }

    void skipBlank()
    {
        while (m_pos < m_s.size()) {
            const char c = m_s[m_pos];
            if (c == '\n')
                ++m_line;
            else if (c != ' ' && c != '\t' && c != '\r' && c != '\f' && c != '\v')
                return;
            ++m_pos;
        }
    }

    char peek(const char *inside)
    {
        skipBlank();
        if (m_pos >= m_s.size())
            truncated(inside);
        return m_s[m_pos];
    }

    Json value()
    {
        if (++m_depth > kMaxDepth)
            fail(m_line, "JSON nested deeper than " + std::to_string(kMaxDepth) + " levels");
        Json v;
        const char c = peek("a value");
        v.line = m_line;
        if (c == '{') {
            v.kind = Json::Object;
            ++m_pos;
            while (true) {
                const char d = peek("an object");
                if (d == '}') {
                    ++m_pos;
                    break;
                }
                if (d != '"')
                    fail(m_line, "bad JSON: expected a quoted name or '}' in an object, found " + found());
                std::string key = string();
                if (peek("an object") != ':')
                    fail(m_line, "bad JSON: expected ':' after " + quoted(key) + ", found " + found());
                ++m_pos;
                Json member = value();
                v.names.push_back(std::move(key));
                v.values.push_back(std::move(member));
                const char e = peek("an object");
                if (e == ',')
                    ++m_pos;
                else if (e != '}')
                    fail(m_line, "bad JSON: expected ',' or '}' in an object, found " + found());
            }
        } else if (c == '[') {
            v.kind = Json::Array;
            ++m_pos;
            while (true) {
                if (peek("a list") == ']') {
                    ++m_pos;
                    break;
                }
                v.items.push_back(value());
                const char e = peek("a list");
                if (e == ',')
                    ++m_pos;
                else if (e != ']')
                    fail(m_line, "bad JSON: expected ',' or ']' in a list, found " + found());
            }
        } else if (c == '"') {
            v.kind = Json::String;
            v.text = string();
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            v.kind = Json::Number;
            while (m_pos < m_s.size() && std::string_view("+-.eE0123456789").find(m_s[m_pos]) != std::string_view::npos)
                v.text += m_s[m_pos++];
        } else if (word("true") || word("false")) {
            v.kind = Json::Bool;
        } else if (word("null")) {
            v.kind = Json::Null;
        } else {
            fail(m_line, "bad JSON: unexpected " + found());
        }
        --m_depth;
        return v;
    }

    bool word(std::string_view w)
    {
        if (m_s.substr(m_pos, w.size()) != w)
            return false;
        m_pos += w.size();
        return true;
    }

    std::string found()
    {
        if (m_pos >= m_s.size())
            return "the end of the file";
        return quoted(m_s.substr(m_pos, std::min<size_t>(8, m_s.find_first_of("\r\n", m_pos) - m_pos)));
    }

    std::string string()
    {
        ++m_pos;   // the opening quote
        std::string out;
        while (true) {
            if (m_pos >= m_s.size())
                truncated("a quoted text");
            const char c = m_s[m_pos++];
            if (c == '"')
                return out;
            if (c == '\n')
                fail(m_line, "bad JSON: a quoted text runs past the end of its line");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_pos >= m_s.size())
                truncated("a quoted text");
            const char e = m_s[m_pos++];
            switch (e) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'u':
                // Dumps hold hex and plain words; a \u escape only has to be skipped whole.
                if (m_s.size() - m_pos < 4)
                    truncated("a quoted text");
                m_pos += 4;
                out += '?';
                break;
            default: out += e; break;
            }
        }
    }
};

const Json &member(const Json &parent, std::string_view key, const char *where)
{
    if (const Json *v = parent.get(key))
        return *v;
    fail(parent.line, "no \"" + std::string(key) + "\" in " + where);
}

const std::string &textOf(const Json &v, const std::string &what)
{
    if (v.kind != Json::String)
        fail(v.line, what + " is " + kindName(v.kind) + ", expected hex text");
    return v.text;
}

Bytes hexOf(const Json &v, const std::string &what, size_t count, std::vector<bool> *known = nullptr)
{
    const Bytes b = parseHex(textOf(v, what), v.line, what, known);
    if (count && b.size() != count)
        fail(v.line, (b.size() < count ? "truncated: " : "") + what + " has " + std::to_string(b.size()) +
                         " bytes, expected " + std::to_string(count));
    return b;
}

std::optional<Bytes> optionalHex(const Json *card, const char *key, size_t count)
{
    if (!card)
        return std::nullopt;
    const Json *v = card->get(key);
    if (!v)
        return std::nullopt;
    return hexOf(*v, std::string("Card.") + key, count);
}

// The numbered entries of "blocks", each checked against the limit.
std::map<long, const Json *> numbered(const Json &blocks, long limit, const std::string &range, const char *what)
{
    if (blocks.kind != Json::Object)
        fail(blocks.line, std::string("\"blocks\" is ") + kindName(blocks.kind) + ", expected an object");
    std::map<long, const Json *> out;
    for (size_t i = 0; i < blocks.names.size(); ++i) {
        const std::string &key = blocks.names[i];
        const Json &value = blocks.values[i];
        const auto n = parseNumber(key, 1L << 20);
        const bool digits = !key.empty() && std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits)
            fail(value.line, std::string("bad ") + what + " number " + quoted(key));
        if (!n || *n >= limit)
            fail(value.line, std::string(what) + " " + key + " out of range: " + range);
        if (!out.emplace(*n, &value).second)
            fail(value.line, std::string(what) + " " + key + " given twice");
    }
    return out;
}

template <typename Map> void requireAll(const Map &items, const Json &blocks, long count, const char *what)
{
    long missing = 0, first = -1;
    for (long i = count; i-- > 0;)
        if (!items.count(i))
            ++missing, first = i;
    if (missing)
        fail(blocks.line, "truncated: " + std::string(what) + " " + std::to_string(first) + " missing (" +
                              std::to_string(missing) + " of " + std::to_string(count) + " missing)");
}

ClassicDump readClassic(const Json &root)
{
    const Json *card = root.get("Card");
    const Json &blocks = member(root, "blocks", "the dump");
    const auto items = numbered(blocks, 256, "a Classic has at most blocks 0 to 255", "block");
    if (items.empty())
        fail(blocks.line, "truncated: \"blocks\" is empty");
    const ClassicType type = *classicTypeHolding(int(items.rbegin()->first));
    const long count = ClassicDump::blockCount(type);
    requireAll(items, blocks, count, "block");

    ClassicDump d = newClassic(type, {});
    for (const auto &[n, v] : items) {
        std::vector<bool> known;
        const Bytes b = hexOf(*v, "block " + std::to_string(n), 16, &known);
        ClassicBlock &block = d.blocks[n];
        std::copy(b.begin(), b.end(), block.bytes.begin());
        block.known = 0;
        for (int i = 0; i < 16; ++i)
            block.known |= uint16_t(known[i]) << i;
    }

    std::optional<Bytes> uid = optionalHex(card, "UID", 0);
    if (uid) {
        checkUidLength(*uid, card->get("UID")->line, {4, 7}, "a Mifare Classic");
    } else {
        // Without Card.UID, block 0 tells it: a 4-byte UID is followed by its BCC.
        const auto &b0 = d.blocks[0].bytes;
        const bool shortUid = (b0[0] ^ b0[1] ^ b0[2] ^ b0[3]) == b0[4];
        uid = Bytes(b0.begin(), b0.begin() + (shortUid ? 4 : 7));
    }
    const ClassicDump defaults = newClassic(type, *uid);
    d.uid = *uid;
    d.atqa = defaults.atqa;
    d.sak = defaults.sak;
    if (auto atqa = optionalHex(card, "ATQA", 2))   // as received: least significant byte first
        d.atqa = uint16_t((*atqa)[0] | (*atqa)[1] << 8);
    if (auto sak = optionalHex(card, "SAK", 1))
        d.sak = (*sak)[0];

    // The trailers hold the keys; SectorKeys only fill in what they lack.
    if (const Json *keys = root.get("SectorKeys")) {
        const auto sectors = numbered(*keys, d.sectorCount(),
                                      std::string("a Classic ") + ClassicDump::typeName(type) + " has sectors 0 to " +
                                          std::to_string(d.sectorCount() - 1),
                                      "sector");
        for (const auto &[sector, json] : sectors) {
            const long s = sector;
            const Json *entry = json;
            if (entry->kind != Json::Object)
                fail(entry->line, "sector " + std::to_string(s) + " is " + kindName(entry->kind) + ", expected an object");
            ClassicBlock &trailer = d.blocks[ClassicDump::trailerBlock(int(s))];
            auto fill = [&](const char *key, int from, size_t size) {
                const Json *v = entry->get(key);
                if (!v)
                    return;
                const Bytes b = hexOf(*v, "sector " + std::to_string(s) + " " + key, size);
                for (size_t i = 0; i < size; ++i)
                    if (!trailer.isKnown(from + int(i))) {
                        trailer.bytes[from + i] = b[i];
                        trailer.known |= uint16_t(1u << (from + i));
                    }
            };
            fill("KeyA", 0, 6);
            fill("AccessConditions", 6, 4);
            fill("KeyB", 10, 6);
        }
    }
    return d;
}

UltralightDump readUltralight(const Json &root)
{
    const Json *card = root.get("Card");
    const Json &blocks = member(root, "blocks", "the dump");
    constexpr long kMaxPages = 1024;
    const auto items = numbered(blocks, kMaxPages, "an NTAG/Ultralight has at most pages 0 to 1023", "page");
    if (items.empty())
        fail(blocks.line, "truncated: \"blocks\" is empty");
    const long count = items.rbegin()->first + 1;
    requireAll(items, blocks, count, "page");

    UltralightDump u;
    u.pages.resize(size_t(count));
    u.pagesRead = int(count);
    for (const auto &[n, v] : items) {
        const Bytes b = hexOf(*v, "page " + std::to_string(n), 4);
        std::copy(b.begin(), b.end(), u.pages[n].begin());
    }
    if (auto uid = optionalHex(card, "UID", 0)) {
        checkUidLength(*uid, card->get("UID")->line, {7}, "an NTAG/Ultralight");
        u.uid = *uid;
    } else if (count >= 2) {
        u.uid = {u.pages[0][0], u.pages[0][1], u.pages[0][2], u.pages[1][0], u.pages[1][1], u.pages[1][2], u.pages[1][3]};
    } else {
        fail(blocks.line, "truncated: no Card.UID and fewer than 2 pages");
    }
    if (auto atqa = optionalHex(card, "ATQA", 2))
        u.atqa = uint16_t((*atqa)[0] | (*atqa)[1] << 8);
    if (auto sak = optionalHex(card, "SAK", 1))
        u.sak = (*sak)[0];
    if (auto version = optionalHex(card, "Version", 8))
        std::copy(version->begin(), version->end(), u.version.begin());
    if (auto signature = optionalHex(card, "Signature", 32))
        std::copy(signature->begin(), signature->end(), u.signature.begin());
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i);
        if (auto c = optionalHex(card, ("Counter" + n).c_str(), 3))   // least significant byte first
            u.counters[i] = uint32_t((*c)[0] | (*c)[1] << 8 | (*c)[2] << 16);
        if (auto t = optionalHex(card, ("Tearing" + n).c_str(), 1))
            u.tearing[i] = (*t)[0];
    }
    u.type = ultralightTypeForPages(u.pages.size());
    return u;
}

} // namespace

Card readProxmarkJson(std::string_view content)
{
    Parser parser(content);
    const Json root = parser.document();
    if (root.kind != Json::Object)
        fail(root.line, std::string("the dump is ") + kindName(root.kind) + ", expected a JSON object");
    const Json &fileType = member(root, "FileType", "the dump");
    const std::string &t = textOf(fileType, "FileType");
    if (iequals(t, "mfcard") || iequals(t, "mfc v2") || iequals(t, "mfc v3") || iequals(t, "mfc"))
        return readClassic(root);
    if (iequals(t, "mfu"))
        return readUltralight(root);
    fail(fileType.line, "unknown FileType " + quoted(t) + ": mfcard, mfc v2, mfc v3 and mfu can be loaded");
}

} // namespace dumps::detail

// ---- Writing ---------------------------------------------------------------------

namespace dumps::detail {

namespace {
// "name": "value" lines of an object, the last one without a comma.
std::string members(const std::vector<std::pair<std::string, std::string>> &items, const char *indent)
{
    std::string out;
    for (size_t i = 0; i < items.size(); ++i)
        out += indent + ("\"" + items[i].first + "\": ") + items[i].second + (i + 1 < items.size() ? ",\n" : "\n");
    return out;
}

std::string hexString(const uint8_t *data, size_t size)
{
    return "\"" + hexText(data, size, "") + "\"";
}

// ATQA and counters are written as the card sends them: least significant byte first.
std::string lsbFirst(uint32_t value, size_t size)
{
    uint8_t b[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
    return hexString(b, size);
}

std::string blocksObject(const Bytes &memory, size_t width)
{
    std::vector<std::pair<std::string, std::string>> blocks;
    for (size_t i = 0; i < memory.size(); i += width)
        blocks.emplace_back(std::to_string(i / width), hexString(memory.data() + i, width));
    return "{\n" + members(blocks, "    ") + "  }";
}
} // namespace

std::string writeProxmarkJson(const Card &card)
{
    const Bytes memory = knownMemory(card, Format::Proxmark3Json);
    std::vector<std::pair<std::string, std::string>> top = {{"Created", "\"RFID\""}};
    if (const auto *d = std::get_if<ClassicDump>(&card)) {
        top.emplace_back("FileType", "\"mfcard\"");
        top.emplace_back("Card", "{\n" +
                                     members({{"UID", hexString(d->uid.data(), d->uid.size())},
                                              {"ATQA", lsbFirst(d->atqa, 2)},
                                              {"SAK", hexString(&d->sak, 1)}},
                                             "    ") +
                                     "  }");
        top.emplace_back("blocks", blocksObject(memory, 16));
        std::vector<std::pair<std::string, std::string>> keys;
        for (int s = 0; s < d->sectorCount(); ++s) {
            const uint8_t *t = &memory[size_t(ClassicDump::trailerBlock(s)) * 16];
            keys.emplace_back(std::to_string(s), "{\n" +
                                                     members({{"KeyA", hexString(t, 6)},
                                                              {"KeyB", hexString(t + 10, 6)},
                                                              {"AccessConditions", hexString(t + 6, 4)}},
                                                             "      ") +
                                                     "    }");
        }
        top.emplace_back("SectorKeys", "{\n" + members(keys, "    ") + "  }");
    } else {
        const auto &u = std::get<UltralightDump>(card);
        std::vector<std::pair<std::string, std::string>> fields = {
            {"UID", hexString(u.uid.data(), u.uid.size())},
            {"ATQA", lsbFirst(u.atqa, 2)},
            {"SAK", hexString(&u.sak, 1)},
            {"Version", hexString(u.version.data(), u.version.size())},
            {"Signature", hexString(u.signature.data(), u.signature.size())}};
        for (int i = 0; i < 3; ++i) {
            fields.emplace_back("Counter" + std::to_string(i), lsbFirst(u.counters[i], 3));
            fields.emplace_back("Tearing" + std::to_string(i), hexString(&u.tearing[i], 1));
        }
        top.emplace_back("FileType", "\"mfu\"");
        top.emplace_back("Card", "{\n" + members(fields, "    ") + "  }");
        top.emplace_back("blocks", blocksObject(memory, 4));
    }
    return "{\n" + members(top, "  ") + "}\n";
}

} // namespace dumps::detail
