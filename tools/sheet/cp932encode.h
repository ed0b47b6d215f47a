#pragma once

#include <string>
#include <string_view>

namespace check {

// UTF-8 text in code page 932, such that the program decodes it back to the same text.
struct Cp932Text {
    std::string bytes;
    std::string problem; // set instead when some character cannot be written so: names it
};
Cp932Text encodeCp932(std::string_view utf8);

} // namespace check
