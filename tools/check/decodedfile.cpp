#include "decodedfile.h"

#include "cp932.h"
#include "profileindex.h"

#include <algorithm>

namespace bankcheck {
namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && quizra::isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && quizra::isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

// Line ends, blanks, '=', quotes and NUL are below 0x40: never part of a double-byte character,
// each decoded to itself, and decoding is at a character boundary on either side of them (a lead
// byte before one is invalid alone as in the file). So the text splits into the file's lines at
// the same line ends, and a value's text lies between the same bytes as in the file.
DecodedFile::DecodedFile(std::string_view bytes) : text_(quizra::decodeCp932(bytes, invalid_)) {
    lineStarts_.push_back(0);
    // The next CR and the next LF, each found with memchr.
    std::size_t cr = text_.find('\r'), lf = text_.find('\n');
    while (cr != std::string::npos || lf != std::string::npos) {
        const std::size_t end = std::min(cr, lf);
        const std::size_t next = end == cr && lf == cr + 1 ? end + 2 : end + 1;
        if (cr < next) cr = text_.find('\r', next);
        if (lf < next) lf = text_.find('\n', next);
        lineStarts_.push_back(next);
    }
}

std::string DecodedFile::value(const quizra::ProfileLine &key) const {
    const std::string_view read = ProfileIndex::value(key);
    if (!key.hasEquals) return {};
    const bool unquoted = read.data() != key.value.data();
    // A value cut after 999 bytes ends where the file's text has no boundary of its own.
    if (read.size() + (unquoted ? 2 : 0) < key.value.size()) return quizra::decodeCp932(read);
    const std::size_t start = lineStarts_.at(key.number - 1);
    const std::size_t next =
        key.number < lineStarts_.size() ? lineStarts_[key.number] : text_.size();
    std::string_view line = std::string_view(text_).substr(start, next - start);
    line = line.substr(0, line.find('\0'));
    while (line.ends_with('\n') || line.ends_with('\r'))
        line.remove_suffix(1);
    std::string_view value = trimBlanks(line.substr(line.find('=') + 1));
    if (unquoted) value = value.substr(1, value.size() - 2);
    return std::string(value);
}

} // namespace bankcheck
