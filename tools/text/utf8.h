#pragma once

#include <cstddef>
#include <string_view>

namespace check {

// Length of the well-formed UTF-8 sequence at s[i] (shortest form, no surrogates, at most
// U+10FFFF), or 0 when there is none.
std::size_t utf8Length(std::string_view s, std::size_t i);

// The code point of the well-formed sequence of length bytes at s[i].
char32_t utf8CodePoint(std::string_view s, std::size_t i, std::size_t length);

} // namespace check
