#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

// Stops the run with message when a property does not hold, so libFuzzer keeps the input.
inline void check(bool holds, const char *message) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n", message);
    std::abort();
}

// True when text is well-formed UTF-8: shortest forms only, no surrogates, nothing past U+10FFFF.
inline bool isValidUtf8(std::string_view text) {
    const auto *s = reinterpret_cast<const unsigned char *>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char b = s[i];
        std::size_t length;
        char32_t c, min;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            length = 2, c = b & 0x1F, min = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3, c = b & 0x0F, min = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4, c = b & 0x07, min = 0x10000;
        } else {
            return false;
        }
        if (i + length > n) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) return false;
            c = (c << 6) | (s[i + k] & 0x3F);
        }
        if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

} // namespace fuzz
