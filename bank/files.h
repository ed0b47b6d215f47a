#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quizra {

// The folder the bank is read from, without a trailing separator (except "/"): the directory of
// the running executable until start-up chooses the bank's folder (bank/bankhome.h), or tests
// and tools point it elsewhere with setBankDirectory.
const std::string &bankDirectory();
void setBankDirectory(std::string directory);

// The directory of the running executable, wherever the bank is read from.
std::string executableDirectory();

// True when a and b are the same but for the case of ASCII letters.
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

// directory + separator + name, with no second separator when directory already ends in one.
std::string joinPath(std::string_view directory, std::string_view name);

// Finds relativePath below directory. '\' in relativePath separates folders as '/' does. Each
// component is taken by its exact name first; when no entry has the exact name, a single entry
// whose name matches ignoring ASCII case is used. Returns the full path found, or the exact
// path when nothing matches (so the caller's open reports "not found").
std::string resolvePath(std::string_view directory, std::string_view relativePath);

// True when relativePath ('\' and '/' separating folders) stays inside the folder it is relative
// to: no ".." climbs above its start. A leading separator does not escape, as resolvePath reads
// it below the folder too.
bool staysInside(std::string_view relativePath);

// Result of reading a whole file.
struct FileBytes {
    enum class Status { Ok, NotFound, Error };
    Status status = Status::Ok;
    std::string_view bytes;          // Ok: the contents, held in storage
    int errorNumber = 0;             // NotFound/Error: errno
    std::unique_ptr<char[]> storage; // not zero-filled before the read
};
// No question file or picture is read past this size: far above any real bank, it keeps a
// runaway file (or one without end, such as some of /proc) from taking the program's memory.
inline constexpr std::size_t MaxFileBytes = std::size_t{64} << 20;

// Reads a whole regular file. A file larger than limit is an Error with errorNumber EFBIG,
// found without reading it when the file reports its size, else after limit + 1 bytes.
FileBytes readFileBytes(const std::string &path, std::size_t limit = MaxFileBytes);

// Reads the file name in directory as the reader looks it up: the exact name first, then, when
// that is not found, the one name that matches ignoring case (see resolvePath).
FileBytes readFileIn(std::string_view directory, std::string_view name);

} // namespace quizra
