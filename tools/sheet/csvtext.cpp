#include "csvtext.h"

#include "cp932.h"
#include "translation.h"
#include "utf8.h"

#include <iconv.h>

#include <array>
#include <memory>

namespace spreadsheet {
namespace {

// UTF-16 text in UTF-8; false when it holds a sequence that is not UTF-16.
bool fromUtf16(std::string_view bytes, const char *encoding, std::string &out) {
    iconv_t cd = iconv_open("UTF-8", encoding);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    const std::unique_ptr<void, int (*)(iconv_t)> owner(cd, iconv_close);
    out.resize(bytes.size() / 2 * 3 + 4); // a UTF-16 unit gives at most three bytes of UTF-8
    char *in = const_cast<char *>(bytes.data());
    char *at = out.data();
    std::size_t inLeft = bytes.size(), outLeft = out.size();
    const bool converted = iconv(cd, &in, &inLeft, &at, &outLeft) != static_cast<std::size_t>(-1);
    out.resize(out.size() - outLeft);
    return converted && inLeft == 0;
}

char separatorOf(std::string_view text) {
    constexpr std::array<char, 3> Candidates = {',', '\t', ';'};
    std::array<std::size_t, 3> counts{};
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        for (std::size_t k = 0; k < Candidates.size(); ++k)
            counts[k] += c == Candidates[k];
    }
    std::size_t best = 0;
    for (std::size_t k = 1; k < Candidates.size(); ++k)
        if (counts[k] > counts[best]) best = k;
    return Candidates[best];
}

} // namespace

CsvText decodeCsv(std::string_view bytes) {
    CsvText csv;
    const bool utf16le = bytes.starts_with("\xFF\xFE"), utf16be = bytes.starts_with("\xFE\xFF");
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (utf16le || utf16be) {
        csv.encoding = utf16le ? "UTF-16 LE" : "UTF-16 BE";
        if (fromUtf16(bytes.substr(2), utf16le ? "UTF-16LE" : "UTF-16BE", csv.storage))
            csv.text = csv.storage;
        else
            csv.problem = check::tr(
                "starts as UTF-16 but is not UTF-16 throughout: save it again as CSV UTF-8");
    } else if (check::isUtf8(bytes)) {
        csv.text = bytes;
    } else if (quizra::invalidCp932Offsets(bytes).empty()) {
        csv.encoding = "Shift-JIS (CP932)";
        csv.storage = quizra::decodeCp932(bytes);
        csv.text = csv.storage;
    } else {
        csv.problem =
            check::tr("is neither UTF-8, UTF-16 with a byte-order mark nor Shift-JIS (CP932): "
                      "save it as CSV UTF-8");
    }
    csv.separator = separatorOf(csv.text);
    return csv;
}

} // namespace spreadsheet
