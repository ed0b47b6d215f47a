#pragma once

// A deliberately plain private-profile reader, written rule by rule from the bank authors' reading
// rules (docs/bank-format.md) with no attention to speed, to hold the real reader against.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz::reference {

inline bool isLead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
inline bool isTrail(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Length in bytes of the character that starts at s[i].
inline std::size_t charLength(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (isLead(b) && i + 1 < s.size() && isTrail(static_cast<unsigned char>(s[i + 1]))) return 2;
    return 1;
}

// One line of the file: its offset and its bytes without the line end.
struct Line {
    std::size_t offset;
    std::string_view text;
};

// Splits at every CR or LF, taking CR LF as one line end; no line after a final line end.
inline std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.push_back({start, bytes.substr(start, end - start)});
        if (end == bytes.size()) break;
        start =
            end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

inline std::string_view trim(std::string_view s, std::string_view blanks) {
    while (!s.empty() && blanks.find(s.front()) != std::string_view::npos)
        s.remove_prefix(1);
    while (!s.empty() && blanks.find(s.back()) != std::string_view::npos)
        s.remove_suffix(1);
    return s;
}
inline constexpr std::string_view Blanks{" \t\v"};

// A section header or key line found in the file.
struct Entry {
    bool isSection;
    std::string_view name;
    std::optional<std::string_view> value; // keys only; nullopt for a line without '='
};

// The section headers and key lines of the file, in order.
inline std::vector<Entry> entries(std::string_view bytes) {
    std::vector<Entry> result;
    for (const Line &line : splitLines(bytes)) {
        std::string_view text = line.text.substr(0, line.text.find('\0'));
        text = trim(text, Blanks);
        if (text.empty() || text.front() == ';') continue;
        if (text.front() == '[') {
            std::string_view inside = text.substr(1);
            std::size_t i = 0;
            while (i < inside.size() && inside[i] != ']')
                i += charLength(inside, i);
            result.push_back({true, trim(inside.substr(0, i), Blanks), std::nullopt});
        } else {
            const std::size_t equals = text.find('=');
            if (equals == std::string_view::npos)
                result.push_back({false, trim(text, Blanks), std::nullopt});
            else
                result.push_back({false, trim(text.substr(0, equals), Blanks),
                                  trim(text.substr(equals + 1), Blanks)});
        }
    }
    return result;
}

// Names are equal ignoring the case of ASCII letters that stand as characters of their own.
inline bool sameName(std::string_view stored, std::string_view wanted) {
    if (stored.size() != wanted.size()) return false;
    for (std::size_t i = 0; i < stored.size();) {
        const std::size_t length = charLength(stored, i);
        for (std::size_t k = i; k < i + length; ++k) {
            char a = stored[k], b = wanted[k];
            if (length == 1) {
                if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
                if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
            }
            if (a != b) return false;
        }
        i += length;
    }
    return true;
}

// The value of key in section of the file's entries(), with its outer quotes removed but not yet
// cut to length.
inline std::string uncutValue(const std::vector<Entry> &all, std::string_view section,
                              std::string_view key) {
    section = trim(section, " ");
    key = trim(key, " ");
    std::size_t i = 0;
    while (i < all.size() && !(all[i].isSection && sameName(all[i].name, section)))
        ++i;
    for (++i; i < all.size() && !all[i].isSection; ++i) {
        if (!sameName(all[i].name, key)) continue;
        std::string_view value = all[i].value.value_or(std::string_view{});
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return {};
}

} // namespace fuzz::reference
