#include "pictureFormat.h"

#include <cstdint>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads a file from its start through a buffer, with pread so that the descriptor's offset
// stays where it was.
class FileReader {
public:
    explicit FileReader(int fd) : fd_(fd) {}

    // The next byte; -1 at the end of the file or on an error.
    int byte() {
        if (begin_ == end_ && !fill()) return -1;
        return buffer_[begin_++];
    }
    // Reads n bytes; false when the file ends first.
    bool read(unsigned char *out, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            const int b = byte();
            if (b < 0) return false;
            out[i] = static_cast<unsigned char>(b);
        }
        return true;
    }
    // Passes n bytes, without reading them when they lie beyond the buffer.
    void skip(std::uint64_t n) {
        const std::size_t buffered = end_ - begin_;
        if (n <= buffered) {
            begin_ += n;
            return;
        }
        place_ += n - buffered;
        begin_ = end_;
    }
    // Passes bytes up to and including the next one equal to value; false when there is none.
    bool skipPast(unsigned char value) {
        for (;;) {
            if (begin_ == end_ && !fill()) return false;
            const void *found = std::memchr(buffer_ + begin_, value, end_ - begin_);
            if (found) {
                begin_ = static_cast<const unsigned char *>(found) - buffer_ + 1;
                return true;
            }
            begin_ = end_;
        }
    }

private:
    bool fill() {
        const ssize_t got = pread(fd_, buffer_, sizeof buffer_, static_cast<off_t>(place_));
        if (got <= 0) return false;
        place_ += static_cast<std::uint64_t>(got);
        begin_ = 0;
        end_ = static_cast<std::size_t>(got);
        return true;
    }

    int fd_;
    std::uint64_t place_ = 0; // where in the file the buffer's end lies
    unsigned char buffer_[16384];
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

std::uint32_t bigEndian(const unsigned char *p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

std::uint32_t littleEndian(const unsigned char *p, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

// A file that ends with the IEND chunk is whole; any other is walked chunk after chunk, each a
// length, a type, the data and a CRC, up to IEND (past which a few tools append bytes).
bool pngComplete(int fd, std::uint64_t fileSize, FileReader &file) {
    static constexpr unsigned char End[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    unsigned char tail[sizeof End];
    if (fileSize >= 8 + sizeof End &&
        pread(fd, tail, sizeof tail, static_cast<off_t>(fileSize - sizeof End)) == sizeof tail &&
        std::memcmp(tail, End, sizeof End) == 0)
        return true;
    file.skip(8); // the signature
    unsigned char header[8];
    while (file.read(header, 8)) {
        const std::uint32_t length = bigEndian(header);
        if (std::memcmp(header + 4, "IEND", 4) == 0) {
            unsigned char crc[4];
            return file.read(crc, 4);
        }
        file.skip(std::uint64_t{length} + 4);
    }
    return false;
}

// Marker segments up to the end-of-image marker; after a start-of-scan segment, the entropy-coded
// data up to the next marker (0xFF not followed by 0x00, a restart marker or more fill bytes).
bool jpegComplete(FileReader &file) {
    file.skip(2); // start of image
    bool inScan = false;
    for (;;) {
        if (inScan) {
            if (!file.skipPast(0xFF)) return false;
        } else if (const int first = file.byte(); first != 0xFF) {
            return first >= 0; // no marker where one must be: broken, not cut short
        }
        int marker;
        do
            marker = file.byte();
        while (marker == 0xFF);
        if (marker < 0) return false;
        if (marker == 0xD9) return true;
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // a stuffed byte, TEM or a restart marker: no segment follows
        unsigned char length[2];
        if (!file.read(length, 2)) return false;
        const unsigned segment = unsigned{length[0]} << 8 | length[1];
        if (segment < 2) return true; // broken, not cut short
        file.skip(segment - 2);
        inScan = marker == 0xDA;
    }
}

// The colour tables and blocks after the header, each block's data in sub-blocks that end with
// an empty one, up to the trailer.
bool gifComplete(FileReader &file) {
    unsigned char screen[13];
    if (!file.read(screen, 13)) return false;
    const auto colourTable = [](unsigned char packed) {
        return packed & 0x80 ? 3u << ((packed & 7) + 1) : 0u;
    };
    file.skip(colourTable(screen[10]));
    for (;;) {
        switch (file.byte()) {
        case 0x3B:
            return true;
        case 0x21: // extension: its label, then sub-blocks
            if (file.byte() < 0) return false;
            break;
        case 0x2C: { // image: its descriptor, a colour table, the LZW code size, sub-blocks
            unsigned char descriptor[9];
            if (!file.read(descriptor, 9)) return false;
            file.skip(colourTable(descriptor[8]));
            if (file.byte() < 0) return false;
            break;
        }
        case -1:
            return false;
        default:
            return true; // not a block: broken, not cut short
        }
        int size;
        while ((size = file.byte()) > 0)
            file.skip(static_cast<unsigned>(size));
        if (size < 0) return false;
    }
}

// The header's place of the pixels and their rows; only uncompressed rows (and bit fields) have
// a size the header fixes.
bool bmpComplete(FileReader &file, std::uint64_t fileSize) {
    unsigned char header[34];
    if (!file.read(header, 18)) return false;
    const std::uint32_t pixels = littleEndian(header + 10, 4);
    const std::uint32_t infoSize = littleEndian(header + 14, 4);
    std::int64_t width, height;
    unsigned bitsPerPixel, compression = 0;
    if (infoSize == 12) {
        if (!file.read(header + 18, 8)) return false;
        width = littleEndian(header + 18, 2);
        height = littleEndian(header + 20, 2);
        bitsPerPixel = littleEndian(header + 24, 2);
    } else {
        if (!file.read(header + 18, 16)) return false;
        width = static_cast<std::int32_t>(littleEndian(header + 18, 4));
        height = static_cast<std::int32_t>(littleEndian(header + 22, 4));
        bitsPerPixel = littleEndian(header + 28, 2);
        compression = littleEndian(header + 30, 4);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed || width <= 0 || bitsPerPixel == 0 || bitsPerPixel > 64) return true;
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
    if (rows != 0 && rowBytes > fileSize / rows) return false; // rows past any file's end
    return fileSize - rowBytes * rows >= pixels;
}

} // namespace

std::string_view sniffPictureFormat(std::string_view head) {
    if (head.starts_with("\x89PNG\r\n\x1a\n")) return "png";
    if (head.starts_with("\xff\xd8\xff")) return "jpeg";
    if (head.starts_with("GIF87a") || head.starts_with("GIF89a")) return "gif";
    if (head.starts_with("BM") && head.size() >= 18) return "bmp";
    return {};
}

bool pictureEndsEarly(std::string_view format, int fd) {
    struct stat info;
    if (fstat(fd, &info) != 0) return false;
    const auto size = static_cast<std::uint64_t>(info.st_size);
    FileReader file(fd);
    if (format == "png") return !pngComplete(fd, size, file);
    if (format == "jpeg") return !jpegComplete(file);
    if (format == "gif") return !gifComplete(file);
    if (format == "bmp") return !bmpComplete(file, size);
    return false;
}
