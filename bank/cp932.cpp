#include "cp932.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
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

// What iconv makes of each character of code page 932, asked once per character and thread: a
// file of Japanese text holds a few thousand distinct characters, and one table lookup per
// character costs a fraction of a pass through iconv. Code page 932 has no shift states, so a
// character decodes alike wherever it stands.
class CharacterTable {
public:
    // What one byte or one lead byte and the byte after it decode to.
    struct Meaning {
        std::uint8_t kind = Unknown;
        std::uint8_t size = 0; // bytes of UTF-8 in utf8
        char utf8[3] = {};     // code page 932 lies in the Basic Multilingual Plane
    };
    static constexpr std::uint8_t Unknown = 0, Character = 1, Lead = 2, Invalid = 3;

    CharacterTable() {
        std::size_t leads = 0;
        for (unsigned b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            singles_[b] = ask(std::string(1, byte));
            if (singles_[b].kind == Lead) leadSlots_[b] = leads++;
            asciiIsAscii_ = asciiIsAscii_ &&
                            (b >= 0x80 || (singles_[b].size == 1 && singles_[b].utf8[0] == byte));
        }
        pairs_.resize(leads * 256);
    }

    // Every byte below 0x80 decodes to itself, so that runs of them are copied as they are.
    bool asciiIsAscii() const { return asciiIsAscii_; }
    const Meaning &single(unsigned char b) const { return singles_[b]; }
    // lead is a byte whose single() is Lead.
    const Meaning &pair(unsigned char lead, unsigned char next) {
        Meaning &meaning = pairs_[leadSlots_[lead] * 256 + next];
        if (meaning.kind == Unknown) {
            meaning = ask(std::string{static_cast<char>(lead), static_cast<char>(next)});
            // A lead byte before a byte that cannot follow it is invalid on its own.
            if (meaning.kind != Character) meaning.kind = Invalid;
        }
        return meaning;
    }

private:
    static Meaning ask(const std::string &bytes) {
        iconv_t cd = descriptor<Utf8, Cp932>();
        char *in = const_cast<char *>(bytes.data());
        std::size_t inLeft = bytes.size();
        Meaning meaning;
        char *out = meaning.utf8;
        std::size_t outLeft = sizeof meaning.utf8;
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) &&
            inLeft == 0) {
            meaning.kind = Character;
            meaning.size = static_cast<std::uint8_t>(out - meaning.utf8);
        } else if (errno == EINVAL) {
            meaning.kind = Lead;
        } else if (errno == EILSEQ || errno == E2BIG) {
            meaning.kind = Invalid;
        } else {
            throw std::runtime_error("iconv failed while decoding CP932");
        }
        return meaning;
    }

    Meaning singles_[256];
    bool asciiIsAscii_ = true;
    std::size_t leadSlots_[256] = {}; // the lead bytes numbered from 0
    std::vector<Meaning> pairs_;      // leadSlot * 256 + next, each asked when first met
};

// Decodes bytes into out (when given) and records the offsets of invalid sequences in invalid
// (when given). Each invalid or incomplete sequence costs one byte and one U+FFFD.
void decode(std::string_view bytes, std::string *out, std::vector<std::size_t> *invalid) {
    // Plain ASCII is the same in code page 932, and most names and numbers are plain ASCII.
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        if (out) out->assign(bytes);
        return;
    }
    thread_local CharacterTable table;
    if (out) {
        out->clear();
        out->reserve(bytes.size() + bytes.size() / 2); // Japanese text: 3 bytes for every 2
    }
    // Written a chunk at a time, so that a large file needs no buffer of three times its size.
    char chunk[4096];
    std::size_t used = 0;
    const auto put = [&](const char *utf8, std::size_t size) {
        if (!out) return;
        if (used + 3 > sizeof chunk) {
            out->append(chunk, used);
            used = 0;
        }
        // Copies of a fixed size are made inline, without a call.
        if (size == 3)
            std::memcpy(chunk + used, utf8, 3);
        else if (size == 1)
            chunk[used] = *utf8;
        else
            std::memcpy(chunk + used, utf8, size);
        used += size;
    };
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80 && table.asciiIsAscii()) {
            std::size_t end = i + 1;
            while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80)
                ++end;
            if (out) {
                out->append(chunk, used);
                used = 0;
                out->append(bytes.substr(i, end - i));
            }
            i = end;
            continue;
        }
        const CharacterTable::Meaning *meaning = &table.single(b);
        std::size_t length = 1;
        if (meaning->kind == CharacterTable::Lead && i + 1 < bytes.size()) {
            meaning = &table.pair(b, static_cast<unsigned char>(bytes[i + 1]));
            length = 2;
        }
        if (meaning->kind == CharacterTable::Character) {
            put(meaning->utf8, meaning->size);
            i += length;
            continue;
        }
        std::string_view single = platformOnlyCharacter(bytes[i]);
        if (single.empty()) {
            if (invalid) invalid->push_back(i);
            single = ReplacementCharacter;
        }
        put(single.data(), single.size());
        ++i;
    }
    if (out) out->append(chunk, used);
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

std::string decodeCp932(std::string_view bytes, std::vector<std::size_t> &invalidOffsets) {
    std::string text;
    invalidOffsets.clear();
    decode(bytes, &text, &invalidOffsets);
    return text;
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
