// Any bytes as a dump file: the loaders never crash or read past the input,
// a refusal always says why, and whatever loads saves and loads back the same.
#include <cstdio>
#include <cstdlib>

#include "dumps.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const dumps::LoadResult first = dumps::parseDump(input, "input");
    if (!first) {
        if (first.error.empty())
            std::abort();
        return 0;
    }
    const std::string saved = dumps::toFlipperNfc(*first.card);
    const dumps::LoadResult again = dumps::parseDump(saved, "saved");
    if (!again) {
        std::fprintf(stderr, "saved card refused: %s\n%s", again.error.c_str(), saved.c_str());
        std::abort();
    }
    if (!(*again.card == *first.card)) {
        std::fprintf(stderr, "saved card loads back different:\n%s", saved.c_str());
        std::abort();
    }
    return 0;
}
