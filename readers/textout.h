// Text handed to the tool through a buffer it owns.
#pragma once

#include <cstring>
#include <string>

namespace readers {

// Copies text with its closing NUL into buffer when all of it fits; returns
// the bytes it takes with the NUL, so that a caller with too small a buffer
// (it then gets an empty string) knows how much to offer next time.
inline int putText(const std::string &text, char *buffer, int capacity)
{
    const int needed = int(text.size()) + 1;
    if (buffer && capacity > 0) {
        if (needed <= capacity)
            std::memcpy(buffer, text.c_str(), text.size() + 1);
        else
            buffer[0] = '\0';
    }
    return needed;
}

} // namespace readers
