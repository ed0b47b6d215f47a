#include "terminaltext.h"

#include "translation.h"
#include "utf8.h"

namespace check {
namespace {

constexpr char Hex[] = "0123456789abcdef";

void appendEscape(std::string &out, const char *prefix, unsigned value) {
    out += prefix;
    out += Hex[(value >> 4) & 0xF];
    out += Hex[value & 0xF];
}

} // namespace

std::string terminalText(std::string_view text, bool *escaped) {
    std::string out;
    out.reserve(text.size());
    bool any = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t length = utf8Length(text, i);
        if (length == 0 || (length == 1 && ((b < 0x20 && b != '\t') || b == 0x7F))) {
            appendEscape(out, "\\x", b);
            any = true;
            ++i;
            continue;
        }
        if (length == 2 && b == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            appendEscape(out, "\\u00", static_cast<unsigned char>(text[i + 1]));
            any = true;
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    if (escaped) *escaped = any;
    return out;
}

std::string terminalLine(std::string_view text) {
    bool escaped = false;
    std::string line = terminalText(text, &escaped);
    if (escaped) line += check::tr(" (control characters shown as \\xNN)");
    return line;
}

std::string quotedValue(std::string_view text) {
    return "\"" + terminalText(shortened(text)) + "\"";
}

} // namespace check
