#include "json.h"

#include <charconv>

namespace check {

namespace {

void appendUnicodeEscape(std::string &out, unsigned code) {
    static constexpr char Hex[] = "0123456789abcdef";
    out += "\\u00";
    out += Hex[(code >> 4) & 0xF];
    out += Hex[code & 0xF];
}

} // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // DEL and the C1 controls (U+0080 to U+009F) are escaped too, though JSON allows them
        // raw, so that no output of the tool carries a control character to a terminal.
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        const bool c1 = c == '\xC2' && next >= 0x80 && next < 0xA0;
        if (c == '\x7F' || c1) {
            appendUnicodeEscape(out, c1 ? next : 0x7Fu);
            i += c1 ? 1 : 0;
            continue;
        }
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                appendUnicodeEscape(out, static_cast<unsigned char>(c));
            else
                out += c;
        }
    }
    out += '"';
    return out;
}

std::string jsonNumber(double value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

} // namespace check
