#include "cardfield.h"

#include <algorithm>
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

FieldReport loadField(VirtualReader &reader, const std::string &fieldFile)
{
    FieldReport report;
    std::ifstream in;
    if (!fs::is_directory(fieldFile))
        in.open(fieldFile, std::ios::binary);
    if (!in.is_open()) {
        report.done = false;
        report.lines.push_back(fieldFile + ": the field file cannot be read ("
                               + (fs::is_directory(fieldFile) ? "a folder" : std::generic_category().message(errno))
                               + "); the field keeps its cards");
        return report;
    }
    const fs::path folder = fs::path(fieldFile).parent_path();

    std::vector<Iso15693Tag> tags;
    FieldOrigins origins;
    std::string line;
    int named = 0;
    while (std::getline(in, line)) {
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
            ++report.refused;
            report.lines.push_back("Refused: " + path + ": " + describe(*r.card)
                                   + ": the virtual reader holds no such card");
            continue;
        }
        ++report.cards;
        report.lines.push_back("Loaded " + path + ": " + describe(*r.card) + " (" + dumps::formatName(r.format) + ")");
    }
    reader.state<Iso15693Field>().replaceTags(std::move(tags));
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
