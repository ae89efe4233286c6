// The reader's own settings: address, baud rate, the 8-byte record (output
// format or serial number), LEDs, buzzer and reading mode.
#include "vreader.h"

namespace vreader {

namespace {
std::optional<Reply> signal(VirtualReader::Signal &s, const Bytes &p)
{
    if (p.size() != 2)
        return fail(kBadParameter);
    s.period = p[0];
    s.count = p[1];
    return ok();
}
} // namespace

void registerSystemCommands(VirtualReader &reader)
{
    reader.on(0x80, [](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
        if (p.size() != 1)
            return fail(kBadParameter);
        r.address = p[0];   // the answer already carries the new address
        return ok();
    });
    reader.on(0x81, [](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
        if (p.size() != 1)
            return fail(kBadParameter);
        if (p[0] > 0x04)
            return fail(kOverflow);
        r.baudCode = p[0];
        return ok();
    });
    reader.on(0x82, [](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
        if (p.size() != r.record.size())
            return fail(kBadParameter);
        std::copy(p.begin(), p.end(), r.record.begin());
        return ok();
    });
    reader.on(0x83, [](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
        if (!p.empty())
            return fail(kBadParameter);
        Bytes data{r.address};
        data.insert(data.end(), r.record.begin(), r.record.end());
        return ok(data);
    });
    reader.on(0x87, [](VirtualReader &r, const Bytes &p) { return signal(r.ledR, p); });
    reader.on(0x88, [](VirtualReader &r, const Bytes &p) { return signal(r.led, p); });
    reader.on(0x89, [](VirtualReader &r, const Bytes &p) { return signal(r.buzzer, p); });
    reader.on(0x0F, [](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
        if (p.size() != 1)
            return fail(kBadParameter);
        if (p[0] != 0x01 && p[0] != 0x02)
            return fail(kBadParameter);
        r.readingMode = p[0];
        return ok();
    });
}

} // namespace vreader
