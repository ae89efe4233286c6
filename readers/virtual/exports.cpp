// The library's face: the two exports the tool calls, over one reader.
#include <algorithm>
#include <cstring>
#include <deque>
#include <exception>
#include <memory>
#include <string>

#include "readers/reader_api.h"
#include "readers/textout.h"
#include "cardfield.h"
#include "vreader.h"

namespace {
struct Library {
    std::unique_ptr<vreader::VirtualReader> reader = std::make_unique<vreader::VirtualReader>();
    std::deque<vreader::Bytes> pending;   // responses not read yet
};

Library &library()
{
    static Library lib;
    return lib;
}

// The report's lines, '\n' after each, as many whole lines as fit with the
// closing NUL; a last line says how many were left out.
void writeReport(const vreader::FieldReport &r, char *out, int capacity)
{
    if (!out || capacity <= 0)
        return;
    std::string text;
    for (size_t i = 0; i < r.lines.size(); ++i) {
        const std::string line = r.lines[i] + "\n";
        const std::string more = "(" + std::to_string(r.lines.size() - i) + " more lines)\n";
        const bool last = i + 1 == r.lines.size();
        if (text.size() + line.size() + (last ? 0 : more.size()) + 1 > size_t(capacity)) {
            if (text.size() + more.size() + 1 <= size_t(capacity))
                text += more;
            break;
        }
        text += line;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
}
} // namespace

extern "C" {

READER_EXPORT int READER_CALL hidWriteData(int, int length, unsigned char *data)
{
    if (length <= 0 || !data)
        return 0;
    Library &lib = library();
    vreader::Bytes response = lib.reader->handleFrame(data, size_t(length));
    lib.pending.clear();   // a reader answers only its latest request
    if (!response.empty())
        lib.pending.push_back(std::move(response));
    return length;
}

READER_EXPORT int READER_CALL hidReadData(int, int maxLength, unsigned char *buffer)
{
    Library &lib = library();
    if (lib.pending.empty() || maxLength <= 0 || !buffer)
        return 0;
    const vreader::Bytes response = std::move(lib.pending.front());
    lib.pending.pop_front();
    const int n = std::min<int>(maxLength, int(response.size()));
    std::memcpy(buffer, response.data(), size_t(n));
    return n;
}

// Puts the reader back to its state at load (tests start from it).
READER_EXPORT void readerReset()
{
    Library &lib = library();
    lib.reader = std::make_unique<vreader::VirtualReader>();
    lib.pending.clear();
}

// Puts the cards a field file names into the field (see cardfield.h). Writes
// one message a line into report; returns the number of cards loaded, -1 when
// the field file cannot be read (the field is then unchanged).
READER_EXPORT int readerLoadField(const char *fieldFile, char *report, int capacity)
{
    if (!fieldFile)
        return -1;
    try {
        const vreader::FieldReport r = vreader::loadField(*library().reader, fieldFile);
        writeReport(r, report, capacity);
        return r.done ? r.cards : -1;
    } catch (const std::exception &e) {   // nothing may cross into the tool
        writeReport({false, 0, 0, {std::string(fieldFile) + ": " + e.what()}}, report, capacity);
        return -1;
    }
}

// Saves the field's cards as Flipper NFC files into the folder dir. Returns the
// number of cards saved, -1 when a card could not be saved or the folder not
// made; report as for readerLoadField.
READER_EXPORT int readerSaveField(const char *dir, char *report, int capacity)
{
    if (!dir)
        return -1;
    try {
        const vreader::FieldReport r = vreader::saveField(*library().reader, dir);
        writeReport(r, report, capacity);
        return r.done && r.refused == 0 ? r.cards : -1;
    } catch (const std::exception &e) {
        writeReport({false, 0, 0, {std::string(dir) + ": " + e.what()}}, report, capacity);
        return -1;
    }
}

// The one device this library drives is itself.
READER_EXPORT int READER_CALL readerListDevices(char *buffer, int capacity)
{
    return readers::putText("virtual\tVirtual reader\t\t\t\t\t*\n", buffer, capacity);
}

READER_EXPORT int READER_CALL readerSelectDevice(const char *id)
{
    return id && std::strcmp(id, "virtual") == 0 ? 1 : 0;
}

}
