#pragma once

#include <string>
#include <string_view>

namespace check {

// text made safe to write to a terminal: a control character (C0 but tab, DEL) becomes \xNN, a
// C1 control \u00NN, and a byte that is not UTF-8 \xNN, so that no text from a bank can move the
// cursor, clear the screen or retitle the window. escaped, when given, is set when anything was.
std::string terminalText(std::string_view text, bool *escaped = nullptr);

// terminalText, with a note that control characters are shown as \xNN when anything was escaped.
std::string terminalLine(std::string_view text);

// A value quoted in a one-line message: in double quotes, cut after a readable length (see
// shortened) and escaped as terminalText escapes it.
std::string quotedValue(std::string_view text);

} // namespace check
