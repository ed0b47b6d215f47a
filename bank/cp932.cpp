#include "cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace quizra {
namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

// One iconv descriptor per thread, opened on first use: opening one per value would cost more
// than decoding a value.
iconv_t decoder() {
    thread_local struct Handle {
        iconv_t cd = iconv_open("UTF-8", "CP932");
        ~Handle() {
            if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
        }
    } handle;
    if (handle.cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert from CP932");
    return handle.cd;
}

// Decodes bytes into out (when given) and records the offsets of invalid sequences in invalid
// (when given). Each invalid or incomplete sequence costs one byte and one U+FFFD.
void decode(std::string_view bytes, std::string *out, std::vector<std::size_t> *invalid) {
    // Plain ASCII is the same in code page 932, and most names and numbers are plain ASCII.
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        if (out) out->assign(bytes);
        return;
    }
    iconv_t cd = decoder();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);

    // A byte of code page 932 never needs more than three bytes of UTF-8, U+FFFD included.
    std::string buffer(bytes.size() * 3, '\0');
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    char *outPos = buffer.data();
    std::size_t outLeft = buffer.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPos, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno != EILSEQ && errno != EINVAL)
            throw std::runtime_error("iconv failed while decoding CP932");
        if (invalid) invalid->push_back(static_cast<std::size_t>(in - bytes.data()));
        std::copy(ReplacementCharacter.begin(), ReplacementCharacter.end(), outPos);
        outPos += ReplacementCharacter.size();
        outLeft -= ReplacementCharacter.size();
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    if (out) {
        buffer.resize(static_cast<std::size_t>(outPos - buffer.data()));
        *out = std::move(buffer);
    }
}

} // namespace

std::string decodeCp932(std::string_view bytes) {
    std::string text;
    decode(bytes, &text, nullptr);
    return text;
}

std::vector<std::size_t> invalidCp932Offsets(std::string_view bytes) {
    std::vector<std::size_t> offsets;
    decode(bytes, nullptr, &offsets);
    return offsets;
}

} // namespace quizra
