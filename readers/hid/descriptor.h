// What the link needs to know of a device's reports, read from its HID report
// descriptor: whether reports carry an ID byte, which output report carries
// the request and how long it is, and how long an input report can be.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rfidhid {

struct ReportLayout {
    bool numbered = false;   // every report starts with its report ID
    int outputId = 0;        // 0 when not numbered
    int outputBytes = 0;     // payload of one output report, ID byte not counted
    int inputBytes = 0;      // longest input report payload, ID byte not counted
};

// The first output report declared carries requests. Fails, with a reason,
// on a descriptor that is cut off inside an item or lacks input or output
// reports.
std::optional<ReportLayout> reportLayout(const std::vector<std::uint8_t> &descriptor, std::string *error);

} // namespace rfidhid
