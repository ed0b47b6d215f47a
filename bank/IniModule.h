#pragma once

#include <string>
#include <string_view>

namespace IniModule {

// Reads key in section of the question file fileName, looked up in the program's directory,
// into value (UTF-8). Every call reads the file anew. A missing file, section or key gives ""
// and true; false when an error arose during the read, with value left as it was.
bool GetIniString(std::string_view key, std::string_view section, std::string_view fileName,
                  std::string &value);

} // namespace IniModule
