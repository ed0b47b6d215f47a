#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace spreadsheet {

// The question files directory already holds, by the names found on disk: every TOIn.ini of
// any case, in question order.
std::vector<std::string> existingQuestionFiles(const std::string &directory);

// What to do when the folder already holds question files.
enum class Existing { Refuse, Replace };

// How many backups of replaced banks a folder keeps; older ones are removed.
inline constexpr std::size_t BackupsKept = 3;

struct Written {
    bool written = false;
    std::string message;   // not written: why; written: the folder keeping the replaced bank, or ""
    std::string recovered; // what was done about a build killed earlier in the folder, or ""
};

// Writes files as TOI1.ini, TOI2.ini, … into directory (made when missing), one build at a time,
// all or nothing: the bank is the old one or the new one, never a mix. Everything that can be
// checked is checked before the first file is touched; the files replaced (any case) are kept
// in a dated backup folder inside directory, with their modes passed on to the new files. A
// build killed earlier in the folder is first completed or undone. proceed, for tests, is asked
// before each rename; false stops there as a kill would.
Written writeQuestionFiles(const std::string &directory, const std::vector<std::string> &files,
                           Existing existing, const std::function<bool()> &proceed = {});

} // namespace spreadsheet
