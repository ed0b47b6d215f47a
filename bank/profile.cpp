#include "profile.h"

#include "cp932.h"

#include <bit>

#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quizra {
namespace {

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

// Fills the parts of line that follow from its content, the line up to its first NUL.
void classify(ProfileLine &line, std::string_view content, ProfileScanner::Detail detail) {
    line.name = {};
    line.value = {};
    line.hasEquals = false;
    line.closed = false;
    std::size_t first = 0;
    while (first < content.size() && isBlank(content[first]))
        ++first;
    if (first == content.size()) {
        line.kind = ProfileLine::Kind::Blank;
        return;
    }
    if (content[first] == ';') {
        line.kind = ProfileLine::Kind::Comment;
        return;
    }
    line.kind = content[first] == '[' ? ProfileLine::Kind::Section : ProfileLine::Kind::Key;
    if (line.kind == ProfileLine::Kind::Key && detail == ProfileScanner::Detail::KindOnly) return;

    const std::string_view trimmed = trimBlanks(content.substr(first));
    if (line.kind == ProfileLine::Kind::Section) {
        const std::string_view inside = trimmed.substr(1);
        const std::size_t close = findClosingBracket(inside);
        line.closed = close != std::string_view::npos;
        line.name = trimBlanks(inside.substr(0, close));
    } else {
        // '=' is below 0x40, never the second byte of a double-byte character.
        const std::size_t equals = trimmed.find('=');
        line.hasEquals = equals != std::string_view::npos;
        line.name = trimBlanks(trimmed.substr(0, equals));
        if (line.hasEquals) line.value = trimBlanks(trimmed.substr(equals + 1));
    }
}

constexpr std::size_t BlockSize = 64;

bool isLineBreakOrNul(char c) {
    return c == '\n' || c == '\r' || c == '\0';
}

// Where the next line starts, given the position of a line's end (LF, CR, CRLF) or the file's.
std::size_t nextLineStart(std::string_view bytes, std::size_t lineEnd) {
    if (lineEnd >= bytes.size()) return bytes.size();
    const bool crlf =
        bytes[lineEnd] == '\r' && lineEnd + 1 < bytes.size() && bytes[lineEnd + 1] == '\n';
    return lineEnd + (crlf ? 2 : 1);
}

// Bit i is set when bytes[start + i] is LF, CR or NUL. None of the three can be the second byte
// of a double-byte character, so no lead-byte awareness is needed here.
std::uint64_t lineBreakMask(std::string_view bytes, std::size_t start) {
    const char *data = bytes.data() + start;
    std::uint64_t mask = 0;
    if (bytes.size() - start < BlockSize) {
        for (std::size_t i = 0; i < bytes.size() - start; ++i)
            if (isLineBreakOrNul(data[i])) mask |= std::uint64_t{1} << i;
        return mask;
    }
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i nul = _mm_setzero_si128();
    for (std::size_t i = 0; i < BlockSize; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, lf), _mm_cmpeq_epi8(block, cr)),
                         _mm_cmpeq_epi8(block, nul));
        mask |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(hits))) << i;
    }
#else
    for (std::size_t i = 0; i < BlockSize; ++i)
        if (isLineBreakOrNul(data[i])) mask |= std::uint64_t{1} << i;
#endif
    return mask;
}

// True when the '[' at bracket heads a section line: only blanks stand between it and a line end
// or the start of the file.
bool headsSectionLine(const char *data, std::size_t bracket) {
    std::size_t start = bracket;
    while (start > 0 && isBlank(data[start - 1]))
        --start;
    return start == 0 || data[start - 1] == '\n' || data[start - 1] == '\r';
}

// A '[' after a byte of 0x80 or more never heads a line: it is the second byte of a double-byte
// character (ー, ゼ, 充, 端 ...) or follows one. The searches below look only at a '[' after a
// byte below 0x80, 64 bytes at a time, so text full of such second bytes is passed over as fast
// as text without them.
#if defined(__x86_64__)
__attribute__((target("avx2"))) inline std::uint64_t candidatesAvx2(const char *data) {
    const __m256i bracket = _mm256_set1_epi8('[');
    const auto *vectors = reinterpret_cast<const __m256i *>(data);
    const auto *before = reinterpret_cast<const __m256i *>(data - 1);
    // The high bit of a byte is set when it is '[' and the byte before it below 0x80.
    const __m256i low = _mm256_andnot_si256(
        _mm256_loadu_si256(before), _mm256_cmpeq_epi8(_mm256_loadu_si256(vectors), bracket));
    const __m256i high =
        _mm256_andnot_si256(_mm256_loadu_si256(before + 1),
                            _mm256_cmpeq_epi8(_mm256_loadu_si256(vectors + 1), bracket));
    if (_mm256_testz_si256(_mm256_or_si256(low, high), _mm256_set1_epi8('\x80'))) return 0;
    return std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(low))} |
           std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(high))} << 32;
}
#endif

#if defined(__SSE2__)
std::uint64_t candidatesSse2(const char *data) {
    const __m128i bracket = _mm_set1_epi8('[');
    const auto part = [&](int k) {
        const char *p = data + 16 * k;
        return _mm_andnot_si128(
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(p - 1)),
            _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p)), bracket));
    };
    const __m128i c0 = part(0), c1 = part(1), c2 = part(2), c3 = part(3);
    if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(c0, c1), _mm_or_si128(c2, c3))) == 0) return 0;
    const auto bits = [](__m128i v, int shift) {
        return std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(v))} << shift;
    };
    return bits(c0, 0) | bits(c1, 16) | bits(c2, 32) | bits(c3, 48);
}
#endif

// The first '[' at or after at that heads a section line, or where fewer than 64 bytes are left.
// Candidates(p) has bit i set for a '[' at p[i] after a byte below 0x80.
template <std::uint64_t (*Candidates)(const char *)>
[[gnu::always_inline]] inline std::size_t searchBlocks(const char *data, std::size_t at,
                                                       std::size_t size) {
    for (; at + BlockSize <= size; at += BlockSize)
        for (std::uint64_t hits = Candidates(data + at); hits != 0; hits &= hits - 1) {
            const std::size_t i = at + static_cast<std::size_t>(std::countr_zero(hits));
            if (headsSectionLine(data, i)) return i;
        }
    return at;
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) std::size_t searchBlocksAvx2(const char *data, std::size_t at,
                                                             std::size_t size) {
    return searchBlocks<candidatesAvx2>(data, at, size);
}
#endif

// Position of the '[' that heads the first section line at or after from; the size of the
// file when there is none. Blanks and line ends are below 0x40, never the second byte of a
// double-byte character, so such a '[' is a character of its own.
std::size_t findSectionBracket(std::string_view bytes, std::size_t from) {
    const char *data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t at = from;
    if (at == 0) {
        if (size > 0 && data[0] == '[') return 0;
        at = 1; // the block searches read the byte before each
    }
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    at = avx2 ? searchBlocksAvx2(data, at, size) : searchBlocks<candidatesSse2>(data, at, size);
#elif defined(__SSE2__)
    at = searchBlocks<candidatesSse2>(data, at, size);
#endif
    for (; at < size; ++at)
        if (data[at] == '[' && headsSectionLine(data, at)) return at;
    return size;
}

// False when the section line whose '[' is at bracket cannot be named wanted: a name that is
// wanted starts after the '[' and its blanks with wanted's bytes, ignoring ASCII case. Most
// headers fail this within a few bytes and are never taken apart.
bool mayBeNamed(std::string_view bytes, std::size_t bracket, std::string_view wanted) {
    std::size_t name = bracket + 1;
    while (name < bytes.size() && isBlank(bytes[name]))
        ++name;
    if (bytes.size() - name < wanted.size()) return false;
    // Names such as SEC1 .. SEC1000 differ most often in their last byte.
    const std::size_t last = wanted.size() - 1;
    if (!wanted.empty() && lowerAscii(bytes[name + last]) != lowerAscii(wanted[last])) return false;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        if (lowerAscii(bytes[name + i]) != lowerAscii(wanted[i])) return false;
    return true;
}

} // namespace

std::size_t ProfileScanner::findLineBreakOrNul(std::size_t from) {
    std::size_t start = from - from % BlockSize;
    if (start == blockStart_) {
        // Most lines end in the block where they start.
        if (const std::uint64_t rest = blockMask_ >> (from - start))
            return from + static_cast<std::size_t>(std::countr_zero(rest));
    } else if (start < bytes_.size()) {
        blockStart_ = start;
        blockMask_ = lineBreakMask(bytes_, start);
        if (const std::uint64_t rest = blockMask_ >> (from - start))
            return from + static_cast<std::size_t>(std::countr_zero(rest));
    }
    for (start += BlockSize; start < bytes_.size(); start += BlockSize) {
        blockStart_ = start;
        blockMask_ = lineBreakMask(bytes_, start);
        if (blockMask_ != 0) return start + static_cast<std::size_t>(std::countr_zero(blockMask_));
    }
    return bytes_.size();
}

bool ProfileScanner::next(ProfileLine &line, Detail detail) {
    const std::size_t size = bytes_.size();
    if (pos_ >= size) return false;
    const char *data = bytes_.data();
    const std::size_t start = pos_;
    const std::size_t contentEnd = findLineBreakOrNul(start);
    // A NUL ends what the reader takes from the line, but not the line.
    std::size_t end = contentEnd;
    while (end < size && data[end] == '\0')
        end = findLineBreakOrNul(end + 1);

    line.number = ++lineNumber_;
    line.offset = start;
    line.text = std::string_view(data + start, end - start);
    classify(line, std::string_view(data + start, contentEnd - start), detail);

    pos_ = nextLineStart(bytes_, end);
    return true;
}

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

std::string_view profileSection(std::string_view fileBytes, std::string_view section) {
    section = trimSpaces(section);
    const std::size_t size = fileBytes.size();
    const char *data = fileBytes.data();
    for (std::size_t bracket = findSectionBracket(fileBytes, 0); bracket < size;
         bracket = findSectionBracket(fileBytes, bracket + 1)) {
        if (!mayBeNamed(fileBytes, bracket, section)) continue;
        std::size_t contentEnd = bracket;
        while (contentEnd < size && !isLineBreakOrNul(data[contentEnd]))
            ++contentEnd;
        ProfileLine header;
        classify(header, fileBytes.substr(bracket, contentEnd - bracket),
                 ProfileScanner::Detail::Full);
        // Only the first section of a name counts.
        if (!sameName(header.name, section)) continue;
        std::size_t lineEnd = contentEnd;
        while (lineEnd < size && data[lineEnd] != '\n' && data[lineEnd] != '\r')
            ++lineEnd;
        const std::size_t begin = nextLineStart(fileBytes, lineEnd);
        // The lines end where the next section line starts, blanks before its '[' included.
        std::size_t end = findSectionBracket(fileBytes, begin);
        while (end < size && end > begin && isBlank(data[end - 1]))
            --end;
        return fileBytes.substr(begin, end - begin);
    }
    return {};
}

std::string sectionValue(std::string_view sectionLines, std::string_view key) {
    key = trimSpaces(key);
    ProfileScanner scanner(sectionLines);
    ProfileLine line;
    while (scanner.next(line))
        if (line.kind == ProfileLine::Kind::Key && sameName(line.name, key))
            return std::string(deliveredValue(line.value));
    return {};
}

std::string profileValue(std::string_view fileBytes, std::string_view section,
                         std::string_view key) {
    return sectionValue(profileSection(fileBytes, section), key);
}

} // namespace quizra
