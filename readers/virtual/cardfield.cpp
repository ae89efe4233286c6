#include "cardfield.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

namespace vreader {

namespace fs = std::filesystem;

namespace {
std::string hexBytes(const uint8_t *p, size_t n, const char *separator = " ")
{
    std::string out;
    char two[3];
    for (size_t i = 0; i < n; ++i) {
        if (i)
            out += separator;
        std::snprintf(two, sizeof two, "%02X", p[i]);
        out += two;
    }
    return out;
}

std::string trimmed(const std::string &s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// What a card is, for the log: kind, size and UID as a reader shows it.
std::string describe(const dumps::Card &card)
{
    if (const auto *c = std::get_if<dumps::ClassicDump>(&card))
        return std::string("MIFARE Classic ") + dumps::ClassicDump::typeName(c->type) + ", UID "
            + hexBytes(c->uid.data(), c->uid.size());
    if (const auto *u = std::get_if<dumps::UltralightDump>(&card))
        return (u->type.empty() ? std::string("Ultralight/NTAG") : u->type) + ", " + std::to_string(u->pages.size())
            + " pages, UID " + hexBytes(u->uid.data(), u->uid.size());
    const auto &t = std::get<dumps::Iso15693Dump>(card);
    return "ISO 15693 (" + t.deviceType + "), " + std::to_string(t.blockCount) + " blocks of "
        + std::to_string(t.blockSize) + " bytes, UID " + hexBytes(t.uid.data(), t.uid.size());
}
} // namespace

Iso15693Tag tagFromDump(const dumps::Iso15693Dump &d)
{
    Iso15693Tag t;
    t.uid = d.uidLsbFirst();
    t.dsfid = d.dsfid;
    t.afi = d.afi;
    t.dsfidLocked = d.dsfidLocked;
    t.afiLocked = d.afiLocked;
    t.icReference = d.icReference;
    t.blockSize = uint8_t(d.blockSize);
    t.data = d.data;
    t.security = d.security;
    return t;
}

dumps::Iso15693Dump dumpFromTag(const Iso15693Tag &t, const dumps::Iso15693Dump *origin)
{
    dumps::Iso15693Dump d = origin ? *origin : dumps::Iso15693Dump{};
    std::reverse_copy(t.uid.begin(), t.uid.end(), d.uid.begin());
    d.dsfid = t.dsfid;
    d.afi = t.afi;
    d.dsfidLocked = t.dsfidLocked;
    d.afiLocked = t.afiLocked;
    d.icReference = t.icReference;
    d.blockSize = t.blockSize;
    d.blockCount = int(t.blockCount());
    d.data.assign(t.data.begin(), t.data.begin() + long(size_t(d.blockCount) * t.blockSize));
    d.security = t.security;
    d.security.resize(size_t(d.blockCount), 0x00);
    return d;
}

ClassicCard classicFromDump(const dumps::ClassicDump &d)
{
    ClassicCard c;
    c.uid = d.uid;
    c.blocks.resize(d.blocks.size());
    c.unknown.assign(d.blocks.size(), 0);
    for (size_t b = 0; b < d.blocks.size(); ++b) {
        const dumps::ClassicBlock &block = d.blocks[b];
        for (int i = 0; i < 16; ++i)
            c.blocks[b][size_t(i)] = block.isKnown(i) ? block.bytes[size_t(i)] : 0x00;
        c.unknown[b] = uint16_t(~block.known);
    }
    return c;
}

dumps::ClassicDump dumpFromClassic(const ClassicCard &c, const dumps::ClassicDump *origin)
{
    dumps::ClassicDump d;
    if (origin) {
        d = *origin;
    } else {
        d.type = c.blocks.size() == 20    ? dumps::ClassicType::Mini
               : c.blocks.size() == 128 ? dumps::ClassicType::K2
               : c.blocks.size() == 256 ? dumps::ClassicType::K4
                                        : dumps::ClassicType::K1;
        d.sak = d.type == dumps::ClassicType::K4 ? 0x18 : d.type == dumps::ClassicType::Mini ? 0x09 : 0x08;
        d.atqa = uint16_t((d.type == dumps::ClassicType::K4 ? 0x0002 : 0x0004) | (c.uid.size() == 7 ? 0x0040 : 0));
    }
    d.uid = c.uid;
    d.blocks.resize(c.blocks.size());
    for (size_t b = 0; b < c.blocks.size(); ++b) {
        d.blocks[b].bytes = c.blocks[b];
        d.blocks[b].known = uint16_t(~c.unknownBytes(int(b)));
    }
    return d;
}

UltralightCard ultralightFromDump(const dumps::UltralightDump &d)
{
    UltralightCard c;
    c.uid = d.uid;
    c.pages = d.pages;
    return c;
}

dumps::UltralightDump dumpFromUltralight(const UltralightCard &c, const dumps::UltralightDump *origin)
{
    dumps::UltralightDump d;
    if (origin)
        d = *origin;
    else
        d.pagesRead = int(c.pages.size());
    // A page written beyond what the dump had read now holds known data.
    for (size_t p = size_t(std::max(d.pagesRead, 0)); p < c.pages.size(); ++p)
        if (p >= d.pages.size() || d.pages[p] != c.pages[p])
            d.pagesRead = int(p) + 1;
    d.uid = c.uid;
    d.pages = c.pages;
    return d;
}

FieldReport loadField(VirtualReader &reader, const std::string &fieldFile)
{
    FieldReport report;
    std::ifstream in;
    const bool folderGiven = fs::is_directory(fieldFile);
    if (!folderGiven)
        in.open(fieldFile, std::ios::binary);
    if (!in.is_open()) {
        const int error = errno;
        report.done = false;
        report.lines.push_back(fieldFile + ": the field file cannot be read ("
                               + (folderGiven ? std::string("a folder") : std::generic_category().message(error))
                               + "); the field keeps its cards");
        return report;
    }
    const fs::path folder = fs::path(fieldFile).parent_path();

    std::vector<Iso15693Tag> tags;
    std::vector<TypeACard> typeA;
    FieldOrigins origins;
    std::string line;
    int named = 0;
    for (bool first = true; std::getline(in, line); first = false) {
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);   // a byte order mark, as some editors write
        line = trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        ++named;
        const fs::path entry(line);
        const std::string path = entry.is_absolute() || folder.empty() ? line : (folder / entry).string();
        dumps::LoadResult r = dumps::loadDump(path);
        if (!r) {
            ++report.refused;
            report.lines.push_back("Refused: " + r.error);
            continue;
        }
        if (const auto *t = std::get_if<dumps::Iso15693Dump>(&*r.card)) {
            tags.push_back(tagFromDump(*t));
            origins.iso15693.push_back(CardOrigin{path, *r.card});
        } else {
            if (const auto *c = std::get_if<dumps::ClassicDump>(&*r.card)) {
                typeA.push_back(classicFromDump(*c));
            } else {
                const auto &u = std::get<dumps::UltralightDump>(*r.card);
                // Pages 0 to 3 (UID, lock bytes, OTP) are what the card's
                // commands rely on; every real card has them.
                if (u.pages.size() < 4) {
                    ++report.refused;
                    report.lines.push_back("Refused: " + path + ": " + std::to_string(u.pages.size())
                                           + " pages: an Ultralight card has at least pages 0 to 3");
                    continue;
                }
                typeA.push_back(ultralightFromDump(u));
            }
            origins.typeA.push_back(CardOrigin{path, *r.card});
        }
        ++report.cards;
        report.lines.push_back("Loaded " + path + ": " + describe(*r.card) + " (" + dumps::formatName(r.format) + ")");
    }
    reader.state<Iso15693Field>().replaceTags(std::move(tags));
    reader.state<TypeAField>().replaceCards(std::move(typeA));
    reader.state<FieldOrigins>() = std::move(origins);
    report.lines.push_back("Field " + fieldFile + ": " + std::to_string(report.cards) + " of "
                           + std::to_string(named) + " cards loaded");
    return report;
}

FieldReport saveField(VirtualReader &reader, const std::string &dir)
{
    FieldReport report;
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir)) {
        report.done = false;
        report.lines.push_back(dir + ": no folder to save the cards in ("
                               + (ec ? ec.message() : std::string("not a folder")) + ")");
        return report;
    }
    const FieldOrigins &origins = reader.state<FieldOrigins>();
    std::set<std::string> used;
    // Two cards never share a file: a second one of the same name gets -2 ...
    const auto fileFor = [&](const std::string &stem) {
        std::string name = stem + ".nfc";
        for (int n = 2; used.count(name); ++n)
            name = stem + "-" + std::to_string(n) + ".nfc";
        used.insert(name);
        return (fs::path(dir) / name).string();
    };
    const auto save = [&](const dumps::Card &card, const std::string &path) {
        std::string error;
        if (dumps::saveFlipperNfc(card, path, &error)) {
            ++report.cards;
            report.lines.push_back("Saved " + path + ": " + describe(card));
        } else {
            ++report.refused;
            report.lines.push_back("Not saved: " + error);
        }
    };

    const auto &cards = reader.state<TypeAField>().cards;
    for (size_t i = 0; i < cards.size(); ++i) {
        const CardOrigin *origin = i < origins.typeA.size() && origins.typeA[i] ? &*origins.typeA[i] : nullptr;
        dumps::Card card;
        std::string stem;
        if (const auto *c = std::get_if<ClassicCard>(&cards[i])) {
            const auto *from = origin ? std::get_if<dumps::ClassicDump>(&origin->dump) : nullptr;
            card = dumpFromClassic(*c, from);
            stem = from ? fs::path(origin->source).stem().string() : "classic-" + hexBytes(c->uid.data(), c->uid.size(), "");
        } else {
            const auto &u = std::get<UltralightCard>(cards[i]);
            const auto *from = origin ? std::get_if<dumps::UltralightDump>(&origin->dump) : nullptr;
            card = dumpFromUltralight(u, from);
            stem = from ? fs::path(origin->source).stem().string() : "ultralight-" + hexBytes(u.uid.data(), u.uid.size(), "");
        }
        save(card, fileFor(stem));
    }
    const auto &tags = reader.state<Iso15693Field>().tags();
    for (size_t i = 0; i < tags.size(); ++i) {
        const CardOrigin *origin = i < origins.iso15693.size() && origins.iso15693[i] ? &*origins.iso15693[i] : nullptr;
        const auto *from = origin ? std::get_if<dumps::Iso15693Dump>(&origin->dump) : nullptr;
        const dumps::Card card = dumpFromTag(tags[i], from);
        const std::string stem = from ? fs::path(origin->source).stem().string()
                                      : "iso15693-" + hexBytes(std::get<dumps::Iso15693Dump>(card).uid.data(), 8, "");
        save(card, fileFor(stem));
    }
    return report;
}

} // namespace vreader
