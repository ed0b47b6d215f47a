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
//
// A search for one section also passes over, in the same pass, every '[' that cannot open it:
// a header "[NAME" has NAME's last two bytes at fixed places after its '[' unless a blank
// follows the '['. Checking those two bytes there leaves about one header in a hundred of a bank
// whose sections are SEC1 .. SEC10000 to be looked at one by one.
struct NameFilter {
    // Where the two bytes stand after the '[' (reach 0: no filter; a one-byte name's byte is
    // checked twice), and what they must be once ORed with their fold (0x20 for a letter, so that
    // ASCII case is ignored).
    std::size_t reach = 0, beforeReach = 0;
    char last = 0, lastFold = 0;
    char before = 0, beforeFold = 0;

    static NameFilter forName(std::string_view wanted) {
        NameFilter filter;
        if (wanted.empty()) return filter;
        const auto fold = [](char c) {
            return (c | 0x20) >= 'a' && (c | 0x20) <= 'z' ? char{0x20} : char{0};
        };
        filter.reach = wanted.size();
        filter.beforeReach = wanted.size() > 1 ? wanted.size() - 1 : wanted.size();
        const char lastByte = wanted[filter.reach - 1], beforeByte = wanted[filter.beforeReach - 1];
        filter.lastFold = fold(lastByte);
        filter.last = static_cast<char>(lastByte | filter.lastFold);
        filter.beforeFold = fold(beforeByte);
        filter.before = static_cast<char>(beforeByte | filter.beforeFold);
        return filter;
    }
};

// True when the '[' at p may open the filter's section: a blank follows it, or the name's last
// two bytes stand where a name right after the '[' would have them.
bool mayOpen(const char *p, const NameFilter &f) {
    return f.reach == 0 || isBlank(p[1]) ||
           ((p[f.reach] | f.lastFold) == f.last && (p[f.beforeReach] | f.beforeFold) == f.before);
}

// The first '[' among hits (bit i: the byte at blockStart + i) that heads a section line and may
// open the filter's section; SIZE_MAX when there is none.
std::size_t firstHeading(const char *data, std::size_t blockStart, std::uint64_t hits,
                         const NameFilter &filter) {
    for (; hits != 0; hits &= hits - 1) {
        const std::size_t i = blockStart + static_cast<std::size_t>(std::countr_zero(hits));
        if (headsSectionLine(data, i) && mayOpen(data + i, filter)) return i;
    }
    return SIZE_MAX;
}

// The searches below take 64 bytes a block from at (32 or more: they read the bytes before a
// block) while the filter's bytes of the block's last '[' are inside the file. They return the
// first '[' found or where they stopped.
#if defined(__x86_64__)
__attribute__((target("avx2"))) inline __m256i loadAvx2(const char *p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
}

// The 32 bytes before each byte of current, the byte before current[0] last in previous.
__attribute__((target("avx2"))) inline __m256i bytesBefore(__m256i previous, __m256i current) {
    return _mm256_alignr_epi8(current, _mm256_permute2x128_si256(previous, current, 0x21), 15);
}

__attribute__((target("avx2"))) std::size_t
searchBlocksAvx2(const char *data, std::size_t at, std::size_t size, const NameFilter &filter) {
    const __m256i bracket = _mm256_set1_epi8('[');
    for (; at + BlockSize + filter.reach <= size; at += BlockSize) {
        const __m256i low = loadAvx2(data + at), high = loadAvx2(data + at + 32);
        const __m256i lowBrackets = _mm256_cmpeq_epi8(low, bracket);
        const __m256i highBrackets = _mm256_cmpeq_epi8(high, bracket);
        const __m256i brackets = _mm256_or_si256(lowBrackets, highBrackets);
        if (_mm256_testz_si256(brackets, brackets)) continue;
        // The high bit of a byte is set when it is '[' and the byte before it below 0x80.
        const __m256i lowHits =
            _mm256_andnot_si256(bytesBefore(loadAvx2(data + at - 32), low), lowBrackets);
        const __m256i highHits = _mm256_andnot_si256(bytesBefore(low, high), highBrackets);
        if (_mm256_testz_si256(_mm256_or_si256(lowHits, highHits), _mm256_set1_epi8('\x80')))
            continue;
        const std::uint64_t hits =
            std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(lowHits))} |
            std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(highHits))} << 32;
        if (const std::size_t found = firstHeading(data, at, hits, filter); found != SIZE_MAX)
            return found;
    }
    return at;
}
#endif

#if defined(__SSE2__)
std::size_t searchBlocksSse2(const char *data, std::size_t at, std::size_t size,
                             const NameFilter &filter) {
    const __m128i bracket = _mm_set1_epi8('[');
    for (; at + BlockSize + filter.reach <= size; at += BlockSize) {
        std::uint64_t brackets = 0, highBytes = 0;
        for (std::size_t i = 0; i < BlockSize; i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + at + i));
            brackets |= std::uint64_t{static_cast<std::uint16_t>(
                            _mm_movemask_epi8(_mm_cmpeq_epi8(v, bracket)))}
                        << i;
            highBytes |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(v))} << i;
        }
        // A '[' after a byte of 0x80 or more is dropped.
        const std::uint64_t afterHigh =
            highBytes << 1 | static_cast<unsigned char>(data[at - 1]) >> 7;
        if (const std::uint64_t hits = brackets & ~afterHigh; hits != 0)
            if (const std::size_t found = firstHeading(data, at, hits, filter); found != SIZE_MAX)
                return found;
    }
    return at;
}
#endif

// Position of the '[' that heads the first section line at or after from (one that may be named
// as filter says); the size of the file when there is none. Blanks and line ends are below 0x40,
// never the second byte of a double-byte character, so such a '[' is a character of its own.
std::size_t findSectionBracket(std::string_view bytes, std::size_t from,
                               const NameFilter &filter = {}) {
    const char *data = bytes.data();
    const std::size_t size = bytes.size();
    const auto heads = [&](std::size_t i) { return data[i] == '[' && headsSectionLine(data, i); };
    // The block searches read the 32 bytes before a block: the first bytes are looked at alone.
    std::size_t at = from;
    for (; at < size && at < 32; ++at)
        if (heads(at)) return at;
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    at = avx2 ? searchBlocksAvx2(data, at, size, filter) : searchBlocksSse2(data, at, size, filter);
#elif defined(__SSE2__)
    at = searchBlocksSse2(data, at, size, filter);
#endif
    for (; at < size; ++at)
        if (heads(at)) return at;
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
    if (stored == wanted) return true;
    // Names such as ans1 .. ans4 differ in their last byte, which folds alike in names that are
    // the same: a trail byte is equal, an ASCII letter equal once lowered.
    if (!stored.empty() && lowerAscii(stored.back()) != lowerAscii(wanted.back())) return false;
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
    const NameFilter filter = NameFilter::forName(section);
    for (std::size_t bracket = findSectionBracket(fileBytes, 0, filter); bracket < size;
         bracket = findSectionBracket(fileBytes, bracket + 1, filter)) {
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

std::vector<ProfileLine> sectionKeys(std::string_view sectionLines) {
    std::vector<ProfileLine> keys;
    ProfileScanner scanner(sectionLines);
    ProfileLine line;
    while (scanner.next(line))
        if (line.kind == ProfileLine::Kind::Key) keys.push_back(line);
    return keys;
}

std::string keyValue(const std::vector<ProfileLine> &keys, std::string_view key) {
    key = trimSpaces(key);
    for (const ProfileLine &line : keys)
        if (sameName(line.name, key)) return std::string(deliveredValue(line.value));
    return {};
}

std::string profileValue(std::string_view fileBytes, std::string_view section,
                         std::string_view key) {
    return keyValue(sectionKeys(profileSection(fileBytes, section)), key);
}

} // namespace quizra
