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

// The five single bytes that the platform's code page 932 maps and iconv rejects, in UTF-8;
// "" for any other byte.
std::string_view platformOnlyByte(unsigned char b) {
    switch (b) {
    case 0x80:
        return "\xC2\x80"; // U+0080
    case 0xA0:
        return "\xEF\xA3\xB0"; // U+F8F0
    case 0xFD:
        return "\xEF\xA3\xB1"; // U+F8F1
    case 0xFE:
        return "\xEF\xA3\xB2"; // U+F8F2
    case 0xFF:
        return "\xEF\xA3\xB3"; // U+F8F3
    default:
        return {};
    }
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

    // Decoded a chunk at a time, so that a large file needs no buffer of three times its size.
    char chunk[4096];
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    if (out) out->clear();
    while (inLeft > 0) {
        char *outPos = chunk;
        std::size_t outLeft = sizeof chunk;
        const std::size_t done = iconv(cd, &in, &inLeft, &outPos, &outLeft);
        if (out) out->append(chunk, static_cast<std::size_t>(outPos - chunk));
        if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        if (errno != EILSEQ && errno != EINVAL)
            throw std::runtime_error("iconv failed while decoding CP932");
        std::string_view single = platformOnlyByte(static_cast<unsigned char>(*in));
        if (single.empty()) {
            if (invalid) invalid->push_back(static_cast<std::size_t>(in - bytes.data()));
            single = ReplacementCharacter;
        }
        if (out) out->append(single);
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
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
