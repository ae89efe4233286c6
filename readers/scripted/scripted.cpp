// A reader for the tests: answers exactly what a test queued, byte for byte
// (malformed answers and none at all included), can fail writes, and records
// every request frame.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

#include "readers/reader_api.h"

namespace {
struct Answer {
    std::vector<unsigned char> bytes;
    int reported;   // what hidReadData returns
};

struct Script {
    std::deque<Answer> answers;        // one per write, in order
    std::vector<std::vector<unsigned char>> requests;
    int failWrites = 0;
    Answer current;
    bool hasCurrent = false;
};

// A test that runs another program on this reader queues its answers in
// RFID_SCRIPT_ANSWERS: hex frames separated by commas, an empty one for no answer.
void queueFromEnvironment(Script &s)
{
    const char *text = std::getenv("RFID_SCRIPT_ANSWERS");
    if (!text)
        return;
    Answer a{{}, -1};
    int high = -1;
    for (const char *c = text;; ++c) {
        if (*c == ',' || *c == '\0') {
            s.answers.push_back(a);
            a.bytes.clear();
            if (*c == '\0')
                break;
            continue;
        }
        const int v = std::isdigit(static_cast<unsigned char>(*c)) ? *c - '0'
                    : std::isxdigit(static_cast<unsigned char>(*c)) ? (std::tolower(*c) - 'a' + 10)
                                                                     : -1;
        if (v < 0)
            continue;
        if (high < 0) {
            high = v;
        } else {
            a.bytes.push_back(static_cast<unsigned char>(high * 16 + v));
            high = -1;
        }
    }
}

Script &script()
{
    static Script s = [] {
        Script fresh;
        queueFromEnvironment(fresh);
        return fresh;
    }();
    return s;
}
} // namespace

extern "C" {

READER_EXPORT int READER_CALL hidWriteData(int, int length, unsigned char *data)
{
    Script &s = script();
    if (length < 0 || !data)
        return 0;
    s.requests.emplace_back(data, data + length);
    if (const char *path = std::getenv("RFID_SCRIPT_LOG")) {
        if (FILE *f = std::fopen(path, "a")) {
            for (int i = 0; i < length; ++i)
                std::fprintf(f, "%02X", data[i]);
            std::fputc('\n', f);
            std::fclose(f);
        }
    }
    if (s.failWrites > 0) {
        --s.failWrites;
        return length - 1;
    }
    s.hasCurrent = !s.answers.empty();
    if (s.hasCurrent) {
        s.current = s.answers.front();
        s.answers.pop_front();
    }
    return length;
}

READER_EXPORT int READER_CALL hidReadData(int, int maxLength, unsigned char *buffer)
{
    Script &s = script();
    if (!s.hasCurrent)
        return 0;
    s.hasCurrent = false;
    const int n = std::min<int>(maxLength, int(s.current.bytes.size()));
    if (n > 0)
        std::memcpy(buffer, s.current.bytes.data(), size_t(n));
    return s.current.reported < 0 ? n : s.current.reported;
}

// Forgets queued answers, recorded requests and pending write failures.
READER_EXPORT void readerScriptReset()
{
    script() = Script{};
}

// Queues the answer to the next write: length bytes (0: no answer). reported
// is what the read returns, -1 for the number of bytes delivered.
READER_EXPORT void readerScriptRespond(const unsigned char *bytes, int length, int reported)
{
    Answer a;
    a.bytes.assign(bytes, bytes + std::max(length, 0));
    a.reported = reported;
    script().answers.push_back(std::move(a));
}

// The next count writes report one byte less than asked.
READER_EXPORT void readerScriptFailWrites(int count)
{
    script().failWrites = count;
}

READER_EXPORT int readerScriptRequestCount()
{
    return int(script().requests.size());
}

// Copies request index into buffer (at most maxLength bytes); returns its length.
READER_EXPORT int readerScriptRequest(int index, unsigned char *buffer, int maxLength)
{
    const Script &s = script();
    if (index < 0 || index >= int(s.requests.size()))
        return -1;
    const auto &r = s.requests[size_t(index)];
    const int n = std::min<int>(maxLength, int(r.size()));
    if (n > 0)
        std::memcpy(buffer, r.data(), size_t(n));
    return int(r.size());
}

}
