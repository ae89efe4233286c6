// Cards from dump files in the virtual reader's field: a field file names the
// dumps, each becomes a card of its kind, and the cards (with the operator's
// writes) can be saved back as Flipper NFC files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dumps.h"
#include "iso15693_tags.h"
#include "typea_cards.h"
#include "vreader.h"

namespace vreader {

// Dump <-> card model. The dump a card came from (origin) keeps what the model
// has no place for (SLIX passwords, the file's device type ...), so that a
// saved card loses nothing of its file.
Iso15693Tag tagFromDump(const dumps::Iso15693Dump &dump);
dumps::Iso15693Dump dumpFromTag(const Iso15693Tag &tag, const dumps::Iso15693Dump *origin = nullptr);
// Bytes the dump does not know hold 00 and are marked unknown on the card.
ClassicCard classicFromDump(const dumps::ClassicDump &dump);
dumps::ClassicDump dumpFromClassic(const ClassicCard &card, const dumps::ClassicDump *origin = nullptr);
// The dump's page count is the card's: a read rolls over past its last page.
UltralightCard ultralightFromDump(const dumps::UltralightDump &dump);
dumps::UltralightDump dumpFromUltralight(const UltralightCard &card, const dumps::UltralightDump *origin = nullptr);

// Where a card of the field came from: the file and the card as loaded.
struct CardOrigin {
    std::string source;
    dumps::Card dump;
};

// The origins of the loaded cards, index for index with the field's lists.
struct FieldOrigins {
    std::vector<std::optional<CardOrigin>> iso15693;
    std::vector<std::optional<CardOrigin>> typeA;
};

struct FieldReport {
    bool done = true;          // false: the field file or the folder could not be used
    int cards = 0;             // cards loaded or saved
    int refused = 0;           // dumps refused or cards not saved
    std::vector<std::string> lines;   // one message a line
};

// Reads the field file (one dump path a line, relative to the field file's
// folder; '#' comments and blank lines) and puts the cards that load into the
// field in place of its Type A and ISO 15693 cards. A field file that cannot
// be read changes nothing.
FieldReport loadField(VirtualReader &reader, const std::string &fieldFile);

// Saves every Type A and ISO 15693 card of the field into folder dir (created
// when missing) as a Flipper NFC file: a loaded card under its file's name
// with .nfc, the others by kind and UID.
FieldReport saveField(VirtualReader &reader, const std::string &dir);

} // namespace vreader
