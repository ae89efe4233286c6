#include "descriptor.h"

#include <algorithm>

namespace rfidhid {

namespace {
struct Globals {
    std::uint32_t size = 0;    // bits per field
    std::uint32_t count = 0;   // fields
    std::uint32_t id = 0;
};

// Bits declared for each report ID of one kind, in the order IDs first appear.
struct Reports {
    std::vector<std::pair<std::uint32_t, std::uint64_t>> bits;
    void add(std::uint32_t id, std::uint64_t n)
    {
        auto it = std::find_if(bits.begin(), bits.end(), [id](const auto &r) { return r.first == id; });
        if (it == bits.end())
            bits.emplace_back(id, n);
        else
            it->second += n;
    }
};

int bytesOf(std::uint64_t bits)
{
    return int(std::min<std::uint64_t>((bits + 7) / 8, 1u << 20));
}
} // namespace

std::optional<ReportLayout> reportLayout(const std::vector<std::uint8_t> &d, std::string *error)
{
    Globals g;
    std::vector<Globals> stack;
    Reports input, output;
    bool numbered = false;

    std::size_t i = 0;
    while (i < d.size()) {
        const std::uint8_t prefix = d[i];
        if (prefix == 0xFE) {   // long item: size, tag, data; nothing of ours
            if (i + 2 >= d.size() || i + 3 + d[i + 1] > d.size()) {
                *error = "report descriptor ends inside an item";
                return std::nullopt;
            }
            i += 3 + d[i + 1];
            continue;
        }
        std::size_t n = prefix & 3u;
        if (n == 3)
            n = 4;
        if (i + 1 + n > d.size()) {
            *error = "report descriptor ends inside an item";
            return std::nullopt;
        }
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < n; ++k)
            v |= std::uint32_t(d[i + 1 + k]) << (8 * k);
        const int type = (prefix >> 2) & 3;
        const int tag = prefix >> 4;
        if (type == 1) {   // global
            switch (tag) {
            case 7: g.size = v; break;
            case 8: g.id = v; numbered = true; break;
            case 9: g.count = v; break;
            case 10: stack.push_back(g); break;
            case 11:
                if (!stack.empty()) {
                    g = stack.back();
                    stack.pop_back();
                }
                break;
            default: break;
            }
        } else if (type == 0) {   // main
            const std::uint64_t bits = std::uint64_t(g.size) * g.count;
            if (tag == 8)
                input.add(g.id, bits);
            else if (tag == 9)
                output.add(g.id, bits);
        }
        i += 1 + n;
    }

    if (output.bits.empty() || output.bits.front().second == 0) {
        *error = "the device declares no output report";
        return std::nullopt;
    }
    if (input.bits.empty()) {
        *error = "the device declares no input report";
        return std::nullopt;
    }
    ReportLayout layout;
    layout.numbered = numbered;
    layout.outputId = numbered ? int(output.bits.front().first & 0xFF) : 0;
    layout.outputBytes = bytesOf(output.bits.front().second);
    for (const auto &r : input.bits)
        layout.inputBytes = std::max(layout.inputBytes, bytesOf(r.second));
    if (layout.inputBytes == 0) {
        *error = "the device declares no input report";
        return std::nullopt;
    }
    return layout;
}

} // namespace rfidhid
