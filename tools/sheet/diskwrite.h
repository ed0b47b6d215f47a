#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace spreadsheet {

// Writes bytes to a new file at path and flushes it to the disk; the file gets mode when one is
// given, else 0644 less the umask. False, with errno, when any of that fails.
bool writeDurably(const std::string &path, const std::string &bytes,
                  std::optional<mode_t> mode = std::nullopt);

// Flushes directory's entries (made, renamed or removed names) to the disk.
void syncFolder(const std::string &directory);

// True when a and b name the same file (hard links of one another, or one name).
bool sameFile(const std::string &a, const std::string &b);

bool exists(const std::string &path);

// The names of directory's entries, sorted; none when it cannot be read.
std::vector<std::string> namesIn(const std::string &directory);

} // namespace spreadsheet
