// Readers on one bus behind the hid library's device seam: open() takes the
// plugged-in one the name means, and each keeps the reports written to it.
// With an answer set, a reader answers every report written to it.
#pragma once

#include <QByteArray>
#include <QList>

#include <cstring>
#include <deque>
#include <vector>

#include "readers/hid/device.h"
#include "readers/hid/devicelist.h"

namespace rfid::test {

struct Bus : rfidhid::Device {
    struct Reader {
        rfidhid::DeviceInfo info;
        bool plugged = true;
        QList<QByteArray> written;
        std::deque<QByteArray> readable;
        QList<QByteArray> answer;   // input reports queued after each report written
    };
    std::vector<Reader> readers;
    std::vector<std::uint8_t> descriptorBytes;
    Reader *current = nullptr;

    bool open(const std::string &name, std::vector<std::uint8_t> *d, std::string *error) override
    {
        const auto n = rfidhid::parseDeviceName(name);
        for (Reader &r : readers)
            if (r.plugged && n && rfidhid::names(*n, r.info)) {
                current = &r;
                *d = descriptorBytes;
                return true;
            }
        *error = "no reader " + name + " is plugged in";
        return false;
    }
    int writeReport(const std::uint8_t *report, std::size_t length) override
    {
        if (!current || !current->plugged)
            return -1;
        current->written << QByteArray(reinterpret_cast<const char *>(report), qsizetype(length));
        current->readable.insert(current->readable.end(), current->answer.begin(), current->answer.end());
        return int(length);
    }
    int readReport(std::uint8_t *buffer, std::size_t length, int) override
    {
        if (!current || !current->plugged)
            return -1;
        if (current->readable.empty())
            return 0;
        const QByteArray r = current->readable.front();
        current->readable.pop_front();
        const auto n = std::min<std::size_t>(length, std::size_t(r.size()));
        std::memcpy(buffer, r.constData(), n);
        return int(n);
    }
    void close() override { current = nullptr; }
    std::vector<rfidhid::DeviceInfo> enumerate() override
    {
        std::vector<rfidhid::DeviceInfo> out;
        for (const Reader &r : readers)
            if (r.plugged)
                out.push_back(r.info);
        return out;
    }
};

} // namespace rfid::test
