#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace check {

// Length of the well-formed UTF-8 sequence at s[i] (shortest form, no surrogates, at most
// U+10FFFF), or 0 when there is none.
std::size_t utf8Length(std::string_view s, std::size_t i);

// The code point of the well-formed sequence of length bytes at s[i].
char32_t utf8CodePoint(std::string_view s, std::size_t i, std::size_t length);

// True when the whole of text is well-formed UTF-8.
bool isUtf8(std::string_view text);

// text cut after characters characters, with "…" in place of the rest, so that a message that
// quotes a value stays one readable line.
std::string shortened(std::string_view text, std::size_t characters = 40);

} // namespace check
