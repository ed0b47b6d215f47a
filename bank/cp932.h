#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quizra {

// Bytes that open a double-byte character in code page 932.
constexpr bool isCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
// Bytes that may close a double-byte character in code page 932.
constexpr bool isCp932TrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Decodes code page 932 bytes to UTF-8 as the platform's table does: iconv's "CP932", and the
// five single bytes it lacks (0x80 to U+0080, 0xA0 to U+F8F0, 0xFD..0xFF to U+F8F1..U+F8F3).
// An invalid or incomplete sequence becomes U+FFFD and decoding resumes at the next byte;
// decoding never fails.
std::string decodeCp932(std::string_view bytes);

// Byte offsets at which decodeCp932 had to put U+FFFD, in increasing order.
std::vector<std::size_t> invalidCp932Offsets(std::string_view bytes);

// decodeCp932 and invalidCp932Offsets in one pass.
std::string decodeCp932(std::string_view bytes, std::vector<std::size_t> &invalidOffsets);

// Encodes UTF-8 text in code page 932 as the platform's table does, the five single bytes
// included. False when a character has no code, with its byte offset in failedAt and out
// holding the code of the text before it.
bool encodeCp932(std::string_view utf8, std::string &out, std::size_t &failedAt);

} // namespace quizra
