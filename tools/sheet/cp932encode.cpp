#include "cp932encode.h"

#include "cp932.h"
#include "translation.h"
#include "utf8.h"

#include <cstdio>

namespace check {
namespace {

// "😀 (U+1F600)" for the character at text[i]; its length goes to length.
std::string characterName(std::string_view text, std::size_t i, std::size_t &length) {
    length = utf8Length(text, i);
    if (length == 0) {
        length = 1;
        return check::tr("(a byte that is not UTF-8)");
    }
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X",
                  static_cast<unsigned>(utf8CodePoint(text, i, length)));
    return std::string(text.substr(i, length)) + " (" + code + ")";
}

} // namespace

Cp932Text encodeCp932(std::string_view utf8) {
    Cp932Text result;
    std::size_t failedAt = 0, length = 0;
    if (!quizra::encodeCp932(utf8, result.bytes, failedAt)) {
        result.problem = check::tr("character ") + characterName(utf8, failedAt, length) +
                         check::tr(" has no Shift-JIS (CP932) code");
        result.bytes.clear();
        return result;
    }
    if (quizra::decodeCp932(result.bytes) == utf8) return result;
    // Some characters are written as the code of another (U+301C as ～): find the first.
    result.problem = check::tr("does not read back the same from Shift-JIS");
    for (std::size_t i = 0; i < utf8.size(); i += length) {
        const std::string name = characterName(utf8, i, length);
        std::string one;
        quizra::encodeCp932(utf8.substr(i, length), one, failedAt);
        const std::string back = quizra::decodeCp932(one);
        if (back == utf8.substr(i, length)) continue;
        std::size_t backLength = 0;
        result.problem = check::tr("character ") + name +
                         check::tr(" reads back from Shift-JIS as ") +
                         characterName(back, 0, backLength) + check::tr(": write that instead");
        break;
    }
    result.bytes.clear();
    return result;
}

} // namespace check
