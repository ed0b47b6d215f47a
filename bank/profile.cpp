#include "profile.h"

#include "cp932.h"

#include <cstring>

namespace quizra {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

// Blanks are below 0x40, so they are never the second byte of a double-byte character and
// can be trimmed byte by byte.
std::string_view trimBlanks(std::string_view s) {
    std::size_t begin = 0, end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.substr(begin, end - begin);
}

std::string_view trimSpaces(std::string_view s) {
    const std::size_t begin = s.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    return s.substr(begin, s.find_last_not_of(' ') - begin + 1);
}

bool isLead(char c) {
    return isCp932LeadByte(static_cast<unsigned char>(c));
}
bool isTrail(char c) {
    return isCp932TrailByte(static_cast<unsigned char>(c));
}

// Length of the character at s[i]: 2 for a lead byte followed by a trail byte, else 1.
std::size_t charLength(std::string_view s, std::size_t i) {
    return isLead(s[i]) && i + 1 < s.size() && isTrail(s[i + 1]) ? 2 : 1;
}

// Position of the first ']' that is a character of its own, or npos.
std::size_t findClosingBracket(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); i += charLength(s, i))
        if (s[i] == ']') return i;
    return std::string_view::npos;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names compare ignoring ASCII case; the bytes of a double-byte character compare exactly, so
// a trail byte that happens to be a letter is not folded.
bool sameName(std::string_view stored, std::string_view wanted) {
    if (stored.size() != wanted.size()) return false;
    for (std::size_t i = 0; i < stored.size();) {
        if (charLength(stored, i) == 2) {
            if (stored[i] != wanted[i] || stored[i + 1] != wanted[i + 1]) return false;
            i += 2;
        } else {
            if (lowerAscii(stored[i]) != lowerAscii(wanted[i])) return false;
            ++i;
        }
    }
    return true;
}

// Fills the parts of line that follow from its content, the line up to its first NUL.
void classify(ProfileLine &line, std::string_view content) {
    const std::string_view trimmed = trimBlanks(content);
    line.name = {};
    line.value = {};
    line.hasEquals = false;
    line.closed = false;
    if (trimmed.empty()) {
        line.kind = ProfileLine::Kind::Blank;
    } else if (trimmed.front() == '[') {
        line.kind = ProfileLine::Kind::Section;
        const std::string_view inside = trimmed.substr(1);
        const std::size_t close = findClosingBracket(inside);
        line.closed = close != std::string_view::npos;
        line.name = trimBlanks(inside.substr(0, close));
    } else if (trimmed.front() == ';') {
        line.kind = ProfileLine::Kind::Comment;
    } else {
        // '=' is below 0x40, never the second byte of a double-byte character.
        line.kind = ProfileLine::Kind::Key;
        const std::size_t equals = trimmed.find('=');
        line.hasEquals = equals != std::string_view::npos;
        line.name = trimBlanks(trimmed.substr(0, equals));
        if (line.hasEquals) line.value = trimBlanks(trimmed.substr(equals + 1));
    }
}

std::size_t find(std::string_view bytes, char ch, std::size_t from) {
    const void *hit = std::memchr(bytes.data() + from, ch, bytes.size() - from);
    return hit ? static_cast<std::size_t>(static_cast<const char *>(hit) - bytes.data())
               : bytes.size();
}

} // namespace

ProfileScanner::ProfileScanner(std::string_view bytes)
    : bytes_(bytes), nextLf_(find(bytes, '\n', 0)), nextCr_(find(bytes, '\r', 0)),
      nextNul_(find(bytes, '\0', 0)) {}

std::size_t ProfileScanner::nextByte(std::size_t &found, char ch, std::size_t from) const {
    if (found < from) found = find(bytes_, ch, from);
    return found;
}

bool ProfileScanner::next(ProfileLine &line) {
    if (pos_ >= bytes_.size()) return false;
    // CR and LF are below 0x40, so they end a line even straight after a lead byte.
    const std::size_t start = pos_;
    const std::size_t end =
        std::min(nextByte(nextLf_, '\n', start), nextByte(nextCr_, '\r', start));
    const std::size_t contentEnd = std::min(end, nextByte(nextNul_, '\0', start));

    line.number = ++lineNumber_;
    line.offset = start;
    line.text = bytes_.substr(start, end - start);
    classify(line, bytes_.substr(start, contentEnd - start));

    pos_ = end;
    if (pos_ < bytes_.size()) {
        const bool crlf =
            bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n';
        pos_ += crlf ? 2 : 1;
    }
    return true;
}

std::string_view deliveredValue(std::string_view storedValue) {
    std::string_view value = storedValue;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() <= MaxValueBytes) return value;
    // Cut at the last character boundary within the limit.
    std::size_t cut = 0;
    while (cut < value.size()) {
        const std::size_t length = charLength(value, cut);
        if (cut + length > MaxValueBytes) break;
        cut += length;
    }
    return value.substr(0, cut);
}

std::string profileValue(std::string_view fileBytes, std::string_view section,
                         std::string_view key) {
    section = trimSpaces(section);
    key = trimSpaces(key);
    ProfileScanner scanner(fileBytes);
    ProfileLine line;
    bool inSection = false;
    while (scanner.next(line)) {
        if (line.kind == ProfileLine::Kind::Section) {
            if (inSection) break; // only the first section of a name counts
            inSection = sameName(line.name, section);
        } else if (inSection && line.kind == ProfileLine::Kind::Key && sameName(line.name, key)) {
            return std::string(deliveredValue(line.value));
        }
    }
    return {};
}

} // namespace quizra
