#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quizra {

// The blanks the reader trims from names and values: space, tab and vertical tab.
constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

// One line of a private-profile file as the reader sees it. Views point into the file bytes.
struct ProfileLine {
    enum class Kind { Blank, Comment, Section, Key };
    Kind kind = Kind::Blank;
    std::size_t number = 0; // 1-based line number, counting every CR, LF or CRLF as one end
    std::size_t offset = 0; // byte offset of the line's first byte
    std::string_view text;  // the whole line, without its line end (a NUL byte in it ends
                            // what the reader takes from the line)
    std::string_view name;  // Section: the trimmed section name; Key: the trimmed key name
    std::string_view value; // Key: the trimmed value, before quote removal and the 999-byte cut
    bool hasEquals = false; // Key: false for a line without '='
    bool closed = false;    // Section: the name ended at a ']'
};

// Walks the lines of a private-profile file, lead-byte aware, by the rules in
// docs/bank-format.md.
class ProfileScanner {
public:
    explicit ProfileScanner(std::string_view bytes) : bytes_(bytes) {}

    // How much of a key line next() takes apart.
    enum class Detail {
        Full,     // name, value and hasEquals
        KindOnly, // only that it is a key line: for a lookup passing over sections it skips
    };

    // Fills line with the next line; false at the end of the file.
    bool next(ProfileLine &line, Detail detail = Detail::Full);

private:
    // Position of the first LF, CR or NUL at or after from, or the size of the file.
    std::size_t findLineBreakOrNul(std::size_t from);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t lineNumber_ = 0;
    // The file is searched 64 bytes at a time: bit i of blockMask_ marks an LF, CR or NUL at
    // blockStart_ + i, so each line costs a bit scan rather than a search of its own.
    std::size_t blockStart_ = SIZE_MAX;
    std::uint64_t blockMask_ = 0;
};

// True when a stored section or key name is the wanted one: ASCII case is ignored, while the
// bytes of a double-byte character compare exactly (a trail byte that is a letter is not folded).
bool sameName(std::string_view stored, std::string_view wanted);

// Longest value the reader returns, in bytes.
inline constexpr std::size_t MaxValueBytes = 999;

// The stored value turned into what the reader returns: one outer pair of matching quotes
// removed, then cut after MaxValueBytes without splitting a double-byte character.
std::string_view deliveredValue(std::string_view storedValue);

// The lines of the first section named section (trimmed of spaces, ASCII case ignored), from the
// line after its header to the next section's header or the end of the file; empty when there
// is no such section.
std::string_view profileSection(std::string_view fileBytes, std::string_view section);

// The key lines among the lines of a section as profileSection gives them, in file order.
std::vector<ProfileLine> sectionKeys(std::string_view sectionLines);

// The value of the first of keys named key, as raw CP932 bytes (at most MaxValueBytes); "" when
// there is none or it has no '='.
std::string keyValue(const std::vector<ProfileLine> &keys, std::string_view key);

// The value of key in section: keyValue(sectionKeys(profileSection(fileBytes, section)), key).
std::string profileValue(std::string_view fileBytes, std::string_view section,
                         std::string_view key);

} // namespace quizra
