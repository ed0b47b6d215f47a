#include "cp932encode.h"

#include "cp932.h"
#include "utf8.h"

#include <cerrno>
#include <cstdio>
#include <iconv.h>
#include <stdexcept>

namespace check {
namespace {

// One iconv descriptor per thread, opened on first use.
iconv_t encoder() {
    thread_local struct Handle {
        iconv_t cd = iconv_open("CP932", "UTF-8");
        ~Handle() {
            if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
        }
    } handle;
    if (handle.cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert to CP932");
    return handle.cd;
}

// "😀 (U+1F600)" for the character at text[i]; its length goes to length.
std::string characterName(std::string_view text, std::size_t i, std::size_t &length) {
    length = utf8Length(text, i);
    if (length == 0) {
        length = 1;
        return "(a byte that is not UTF-8)";
    }
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X",
                  static_cast<unsigned>(utf8CodePoint(text, i, length)));
    return std::string(text.substr(i, length)) + " (" + code + ")";
}

// iconv of text; false with the offset of the first character it cannot convert.
bool convert(std::string_view text, std::string &out, std::size_t &failedAt) {
    iconv_t cd = encoder();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // No character takes more bytes in code page 932 than in UTF-8.
    out.assign(text.size(), '\0');
    char *in = const_cast<char *>(text.data());
    std::size_t inLeft = text.size();
    char *outPos = out.data();
    std::size_t outLeft = out.size();
    const bool done = iconv(cd, &in, &inLeft, &outPos, &outLeft) != static_cast<std::size_t>(-1);
    if (!done && errno != EILSEQ && errno != EINVAL)
        throw std::runtime_error("iconv failed while encoding CP932");
    out.resize(out.size() - outLeft);
    failedAt = static_cast<std::size_t>(in - text.data());
    return done;
}

} // namespace

Cp932Text encodeCp932(std::string_view utf8) {
    Cp932Text result;
    std::size_t failedAt = 0, length = 0;
    if (!convert(utf8, result.bytes, failedAt)) {
        result.problem =
            "character " + characterName(utf8, failedAt, length) + " has no Shift-JIS (CP932) code";
        result.bytes.clear();
        return result;
    }
    if (quizra::decodeCp932(result.bytes) == utf8) return result;
    // Some characters are written as the code of another (U+301C as ～): find the first.
    result.problem = "does not read back the same from Shift-JIS";
    for (std::size_t i = 0; i < utf8.size(); i += length) {
        const std::string name = characterName(utf8, i, length);
        std::string one;
        convert(utf8.substr(i, length), one, failedAt);
        const std::string back = quizra::decodeCp932(one);
        if (back == utf8.substr(i, length)) continue;
        std::size_t backLength = 0;
        result.problem = "character " + name + " reads back from Shift-JIS as " +
                         characterName(back, 0, backLength) + ": write that instead";
        break;
    }
    result.bytes.clear();
    return result;
}

} // namespace check
