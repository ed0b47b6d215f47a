#include "cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace quizra {
namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

// One iconv descriptor per thread and direction, opened on first use: opening one per value
// would cost more than converting a value.
template <const char *To, const char *From> iconv_t descriptor() {
    thread_local struct Handle {
        iconv_t cd = iconv_open(To, From);
        ~Handle() {
            if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
        }
    } handle;
    if (handle.cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert from ") + From + " to " + To);
    iconv(handle.cd, nullptr, nullptr, nullptr, nullptr);
    return handle.cd;
}

constexpr char Utf8[] = "UTF-8";
constexpr char Cp932[] = "CP932";

// The five single bytes that the platform's code page 932 maps and iconv rejects, with the
// characters they stand for in UTF-8.
struct PlatformOnlyByte {
    char byte;
    std::string_view utf8;
};
constexpr PlatformOnlyByte PlatformOnlyBytes[] = {
    {'\x80', "\xC2\x80"},     // U+0080
    {'\xA0', "\xEF\xA3\xB0"}, // U+F8F0
    {'\xFD', "\xEF\xA3\xB1"}, // U+F8F1
    {'\xFE', "\xEF\xA3\xB2"}, // U+F8F2
    {'\xFF', "\xEF\xA3\xB3"}, // U+F8F3
};

// The character byte b stands for when it is one of the five; "" for any other byte.
std::string_view platformOnlyCharacter(char b) {
    for (const PlatformOnlyByte &single : PlatformOnlyBytes)
        if (single.byte == b) return single.utf8;
    return {};
}

// The byte of the platform-only character text begins with, with its length in UTF-8.
const PlatformOnlyByte *platformOnlyByte(std::string_view text) {
    for (const PlatformOnlyByte &single : PlatformOnlyBytes)
        if (text.starts_with(single.utf8)) return &single;
    return nullptr;
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
    iconv_t cd = descriptor<Utf8, Cp932>();

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
        std::string_view single = platformOnlyCharacter(*in);
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

bool encodeCp932(std::string_view utf8, std::string &out, std::size_t &failedAt) {
    iconv_t cd = descriptor<Cp932, Utf8>();
    // No character takes more bytes in code page 932 than in UTF-8.
    out.assign(utf8.size(), '\0');
    char *in = const_cast<char *>(utf8.data());
    std::size_t inLeft = utf8.size();
    char *outPos = out.data();
    std::size_t outLeft = out.size();
    while (iconv(cd, &in, &inLeft, &outPos, &outLeft) == static_cast<std::size_t>(-1)) {
        if (errno != EILSEQ && errno != EINVAL)
            throw std::runtime_error("iconv failed while encoding CP932");
        const PlatformOnlyByte *single = platformOnlyByte(std::string_view(in, inLeft));
        if (!single) {
            out.resize(out.size() - outLeft);
            failedAt = static_cast<std::size_t>(in - utf8.data());
            return false;
        }
        *outPos++ = single->byte;
        --outLeft;
        in += single->utf8.size();
        inLeft -= single->utf8.size();
    }
    out.resize(out.size() - outLeft);
    return true;
}

} // namespace quizra
