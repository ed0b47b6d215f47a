#pragma once

#include "files.h"
#include "profile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace IniModule {

// Reads key in section of the question file fileName, looked up in the bank folder,
// into value (UTF-8). Every call reads the file anew. A missing file, section or key gives ""
// and true; false when an error arose during the read, with value left as it was.
bool GetIniString(std::string_view key, std::string_view section, std::string_view fileName,
                  std::string &value);

// A question file read once, for drawing many values from it: each GetIniString gives what
// IniModule::GetIniString gives for the file as it was read.
class IniFile {
public:
    explicit IniFile(std::string_view fileName);

    bool GetIniString(std::string_view key, std::string_view section, std::string &value);

    // The read failed because the file is larger than quizra::MaxFileBytes.
    bool tooLarge() const;

private:
    quizra::FileBytes file_;
    // The section looked up last and its key lines: an entry's keys are read one after another.
    std::optional<std::string> section_;
    std::vector<quizra::ProfileLine> sectionKeys_;
};

} // namespace IniModule
