#pragma once

#include <string>
#include <string_view>

namespace check {

// text as a JSON string literal, quotes included; text is UTF-8.
std::string jsonString(std::string_view text);

// A number as JSON writes it: the shortest digits that read back as the same double.
std::string jsonNumber(double value);

} // namespace check
