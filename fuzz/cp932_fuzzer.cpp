// Fuzzes the code page 932 decoding: the output is valid UTF-8, holds one U+FFFD for each
// offset invalidCp932Offsets reports, and plain ASCII comes through unchanged.

#include "check.h"

#include "cp932.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fuzz::check;

std::size_t countReplacements(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("\xEF\xBF\xBD"); at != std::string_view::npos;
         at = text.find("\xEF\xBF\xBD", at + 3))
        ++count;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::string text = quizra::decodeCp932(bytes);
    const auto invalid = quizra::invalidCp932Offsets(bytes);

    check(fuzz::isValidUtf8(text), "decoded text is not valid UTF-8");
    check(text.size() <= 3 * size, "decoded text longer than three bytes per input byte");
    // Code page 932 maps nothing to U+FFFD, so each one in the output marks an invalid sequence.
    check(countReplacements(text) == invalid.size(), "U+FFFD count differs from the offsets");
    for (std::size_t i = 0; i < invalid.size(); ++i) {
        check(invalid[i] < size, "an invalid offset lies past the end");
        check(i == 0 || invalid[i] > invalid[i - 1], "invalid offsets do not increase");
        check(static_cast<unsigned char>(bytes[invalid[i]]) >= 0x80,
              "an ASCII byte was taken as invalid");
    }

    // ASCII decodes to itself, also when it is the tail left after an invalid sequence.
    std::size_t ascii = size;
    while (ascii > 0 && static_cast<unsigned char>(bytes[ascii - 1]) < 0x80)
        --ascii;
    std::string_view tail = bytes.substr(ascii);
    check(quizra::decodeCp932(tail) == tail, "plain ASCII does not round-trip");
    // Its first byte may be the second half of a double-byte character.
    if (ascii > 0 && !tail.empty() && quizra::isCp932TrailByte(static_cast<unsigned char>(tail[0])))
        tail.remove_prefix(1);
    check(text.size() >= tail.size() &&
              text.compare(text.size() - tail.size(), tail.size(), tail) == 0,
          "the ASCII tail after other bytes does not come through unchanged");

    // Decoding is a function of the bytes alone: a second call, after other input, agrees.
    check(quizra::decodeCp932("\x81") == "\xEF\xBF\xBD", "a lone lead byte is not U+FFFD");
    check(quizra::decodeCp932(bytes) == text, "decoding the same bytes twice differs");
    return 0;
}
