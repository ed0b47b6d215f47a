#include "checkparts.h"

#include "cp932.h"
#include "numbers.h"
#include "translation.h"
#include "utf8.h"

#include <algorithm>
#include <vector>

namespace bankcheck {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// True when text is well-formed UTF-8 holding at least one character beyond ASCII.
bool looksLikeUtf8(std::string_view text) {
    bool beyondAscii = false;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = check::utf8Length(text, i);
        if (length == 0) return false;
        beyondAscii = beyondAscii || length > 1;
        i += length;
    }
    return beyondAscii;
}

std::string hexByte(char c) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    const auto b = static_cast<unsigned char>(c);
    return std::string("0x") + Hex[b >> 4] + Hex[b & 0xF];
}

// The message for the invalid sequences at offsets, all on line.
std::string invalidBytesMessage(std::string_view bytes, const std::vector<std::size_t> &offsets,
                                const quizra::ProfileLine &line) {
    std::string message;
    if (offsets.size() == 1) {
        message = check::tr("invalid Shift-JIS byte ") + hexByte(bytes[offsets.front()]) +
                  check::tr(" at offset ") +
                  quizra::integerText(static_cast<long>(offsets.front())) +
                  check::tr(", read as \uFFFD");
    } else {
        message = check::tr("invalid Shift-JIS bytes at offsets ") +
                  quizra::integerText(static_cast<long>(offsets.front()));
        constexpr std::size_t Listed = 4;
        for (std::size_t k = 1; k < offsets.size() && k < Listed; ++k)
            message += ", " + quizra::integerText(static_cast<long>(offsets[k]));
        if (offsets.size() > Listed)
            message += check::tr(" and ") +
                       quizra::integerText(static_cast<long>(offsets.size() - Listed)) +
                       check::tr(" more");
        message += check::tr(", each read as \uFFFD");
    }
    if (looksLikeUtf8(line.text)) message += check::tr(" (this line looks like UTF-8)");
    return message;
}

} // namespace

bool checkEncoding(std::string_view bytes, const DecodedFile &decoded, Findings &findings) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        findings.error(0, check::tr("is UTF-16 (byte-order mark ") + hexByte(bytes[0]) + " " +
                              hexByte(bytes[1]) + check::tr("): save it as Shift-JIS"));
        return false;
    }
    if (bytes.starts_with(Utf8Bom)) {
        const std::size_t first = bytes.find_first_not_of(" \t\v", Utf8Bom.size());
        findings.error(
            1, first < bytes.size() && bytes[first] == '['
                   ? check::tr("starts with a UTF-8 byte-order mark: its first section is lost")
                   : check::tr("starts with a UTF-8 byte-order mark: its first line is spoilt"));
    }
    const bool utf8 =
        looksLikeUtf8(bytes.starts_with(Utf8Bom) ? bytes.substr(Utf8Bom.size()) : bytes);
    if (utf8)
        findings.error(0, check::tr("is UTF-8, not Shift-JIS: its Japanese text reads as garbage "
                                    "(convert it with iconv -f UTF-8 -t CP932)"));

    static const std::vector<std::size_t> none;
    const std::vector<std::size_t> &invalid = utf8 ? none : decoded.invalidOffsets();
    // Bytes of a byte-order mark are reported as such, not as invalid Shift-JIS.
    auto nextInvalid = std::lower_bound(invalid.begin(), invalid.end(),
                                        bytes.starts_with(Utf8Bom) ? Utf8Bom.size() : 0);
    quizra::ProfileScanner scanner(bytes);
    quizra::ProfileLine line;
    while (scanner.next(line)) {
        if (const std::size_t nul = line.text.find('\0'); nul != std::string_view::npos)
            findings.warning(line.number,
                             check::tr("NUL byte at offset ") +
                                 quizra::integerText(static_cast<long>(line.offset + nul)) +
                                 check::tr(": the rest of the line is not read"));
        std::vector<std::size_t> onLine;
        for (; nextInvalid != invalid.end() && *nextInvalid < line.offset + line.text.size();
             ++nextInvalid)
            onLine.push_back(*nextInvalid);
        if (!onLine.empty()) findings.error(line.number, invalidBytesMessage(bytes, onLine, line));
    }
    return true;
}

} // namespace bankcheck
