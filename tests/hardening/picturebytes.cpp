#include "picturebytes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace picturebytes {
namespace {

void littleEndian(std::string &out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i) & 0xff);
}

void bigEndian(std::string &out, std::uint32_t value) {
    for (int i = 3; i >= 0; --i)
        out += static_cast<char>(value >> (8 * i) & 0xff);
}

std::uint32_t crc32(const std::string &bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (unsigned char byte : bytes)
        c = table[(c ^ byte) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

std::uint32_t adler32(const std::string &bytes) {
    std::uint32_t a = 1, b = 0;
    for (unsigned char byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string zlibStored(const std::string &raw) {
    std::string out = "\x78\x01";
    std::size_t pos = 0;
    do {
        const std::size_t length = std::min<std::size_t>(raw.size() - pos, 65535);
        out += static_cast<char>(pos + length == raw.size() ? 1 : 0);
        littleEndian(out, static_cast<std::uint32_t>(length), 2);
        littleEndian(out, static_cast<std::uint32_t>(~length & 0xffff), 2);
        out.append(raw, pos, length);
        pos += length;
    } while (pos < raw.size());
    bigEndian(out, adler32(raw));
    return out;
}

void chunk(std::string &out, const std::string &type, const std::string &data) {
    bigEndian(out, static_cast<std::uint32_t>(data.size()));
    out += type + data;
    bigEndian(out, crc32(type + data));
}

// Rows of blue RGB pixels, each behind PNG's "no filter" byte.
std::string pngRows(int width, int rows) {
    std::string row(1, '\0');
    for (int x = 0; x < width; ++x)
        row += std::string("\x00\x00\xff", 3);
    std::string raw;
    for (int y = 0; y < rows; ++y)
        raw += row;
    return raw;
}

std::string fromHex(const char *hex) {
    std::string out;
    for (; hex[0] && hex[1]; hex += 2)
        out += static_cast<char>(std::stoi(std::string(hex, 2), nullptr, 16));
    return out;
}

// A PNG whose header declares width x height but whose data holds the given rows.
std::string pngFile(int width, int height, int rowWidth, int storedRows, bool interlaced = false,
                    bool spoiled = false) {
    std::string header;
    bigEndian(header, static_cast<std::uint32_t>(width));
    bigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00", 4); // 8-bit RGB
    header += interlaced ? '\x01' : '\x00';
    std::string out = "\x89PNG\r\n\x1a\n";
    chunk(out, "IHDR", header);
    std::string data = zlibStored(pngRows(rowWidth, storedRows));
    if (spoiled) data[1] = '\x00'; // the zlib header's check bits no longer hold
    chunk(out, "IDAT", data);
    chunk(out, "IEND", "");
    return out;
}

} // namespace

std::string bmp24(int width, int height) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const auto imageBytes = static_cast<std::uint32_t>(rowBytes * height);
    std::string out = "BM";
    littleEndian(out, 54 + imageBytes, 4);
    littleEndian(out, 0, 4);
    littleEndian(out, 54, 4);
    littleEndian(out, 40, 4);
    littleEndian(out, static_cast<std::uint32_t>(width), 4);
    littleEndian(out, static_cast<std::uint32_t>(height), 4);
    littleEndian(out, 1, 2);  // planes
    littleEndian(out, 24, 2); // bits per pixel
    littleEndian(out, 0, 4);  // no compression
    littleEndian(out, imageBytes, 4);
    littleEndian(out, 2835, 4);
    littleEndian(out, 2835, 4);
    littleEndian(out, 0, 4);
    littleEndian(out, 0, 4);
    std::string row;
    for (int x = 0; x < width; ++x)
        row += std::string("\xff\x00\x00", 3); // blue, green, red
    row.resize(static_cast<std::size_t>(rowBytes), '\0');
    for (int y = 0; y < height; ++y)
        out += row;
    return out;
}

std::string png(int width, int height) {
    return pngFile(width, height, width, height);
}

std::string pngDeclaring(int width, int height) {
    return pngFile(width, height, 16, 1);
}

std::string jpeg(int width, int height) {
    std::string out = fromHex(
        "ffd8ffe000104a46494600010100000100010000ffdb004300100b0c0e0c0a100e0d0e1211101318281a1816"
        "16183123251d283a333d3c3933383740485c4e404457453738506d51575f626768673e4d71797064785c6567"
        "63ffc0000b080010001001011100ffc4001500010100000000000000000000000000000001ffc40014100100"
        "000000000000000000000000000000ffda0008010100003f00803fffd9");
    std::string size; // height, then width, big-endian
    for (const int value : {height, width})
        size += {static_cast<char>(value >> 8), static_cast<char>(value & 0xff)};
    return out.replace(out.find("\xff\xc0") + 5, 4, size);
}

std::string gif() {
    return fromHex(
        "47494638396104000400f000000000ff00000021f90400000000002c000000000400040000020484"
        "8f0905003b");
}

std::string pngSpoiled(int width, int height) {
    return pngFile(width, height, width, height, false, true);
}

std::string pngInterlaced() {
    return pngFile(1, 1, 1, 1, true);
}

} // namespace picturebytes
