// Fuzzes the code page 932 decoding against a second, independent decoder (ICU's, through Qt),
// and checks that the output is valid UTF-8, holds one U+FFFD for each offset
// invalidCp932Offsets reports, and that plain ASCII comes through unchanged.

#include "check.h"

#include "cp932.h"

#include <QStringDecoder>

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

// What the platform's table gives for bytes, decoded one character at a time by ICU: a lead
// byte and a trail byte, or one byte. What ICU cannot decode is U+FFFD, and decoding goes on at
// the next byte. ICU differs from the platform in a few bytes (see the toolchain notes): it
// swaps the controls 0x1A, 0x1C and 0x7F around, and rejects the five single bytes
// 0x80 (U+0080), 0xA0 (U+F8F0) and 0xFD..0xFF (U+F8F1..U+F8F3).
std::string referenceDecode(std::string_view bytes) {
    // hasError() stays set after the first error in Qt 6.4: an invalid sequence is told by the
    // U+0000 it gives instead (or by no output at all, for a lone lead byte).
    static QStringDecoder icu("windows-31j", QStringDecoder::Flag::Stateless |
                                                 QStringDecoder::Flag::ConvertInvalidToNull);
    check(icu.isValid(), "Qt has no windows-31j decoder");
    const auto lead = [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || b >= 0xE0; };
    const auto trail = [](unsigned char b) { return b >= 0x40 && b != 0x7F && b <= 0xFC; };
    QString text;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            text += QChar(char16_t(b));
            ++i;
            continue;
        }
        if (b == 0x80 || b == 0xA0 || b >= 0xFD) {
            text += QChar(char16_t(b == 0x80 ? 0x80 : b == 0xA0 ? 0xF8F0 : 0xF8F1 + (b - 0xFD)));
            ++i;
            continue;
        }
        const bool pair =
            lead(b) && i + 1 < bytes.size() && trail(static_cast<unsigned char>(bytes[i + 1]));
        const QString one = icu(QByteArrayView(bytes.data() + i, pair ? 2 : 1));
        if (one.isEmpty() || one.contains(QChar(u'\0'))) {
            text += QChar(0xFFFD);
            ++i;
        } else {
            text += one;
            i += pair ? 2 : 1;
        }
    }
    return text.toStdString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::string text = quizra::decodeCp932(bytes);
    const auto invalid = quizra::invalidCp932Offsets(bytes);

    check(text == referenceDecode(bytes), "decoding differs from ICU's code page 932");
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
