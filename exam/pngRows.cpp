#include "pngRows.h"

#include <png.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

struct Failure {
    char message[200] = "";
};

[[noreturn]] void onError(png_structp png, png_const_charp message) {
    auto *failure = static_cast<Failure *>(png_get_error_ptr(png));
    std::snprintf(failure->message, sizeof failure->message, "%s", message);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {} // a warning changes nothing that shows

// The part of the rows that shows, as RGBA or RGBX bytes, into image; false for an interlaced
// PNG. libpng leaves this function by longjmp on an error, so it owns no object with a
// destructor: the image and the row buffer belong to the caller.
bool readRows(png_structp png, png_infop info, QSize visible, QImage &image,
              std::vector<png_byte> &row, QSize &size) {
    png_read_info(png, info);
    size = QSize(static_cast<int>(png_get_image_width(png, info)),
                 static_cast<int>(png_get_image_height(png, info)));
    if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) return false;
    png_set_expand(png); // palette and low-depth grey to 8 bits a channel, tRNS to alpha
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    const bool alpha = (png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) ||
                       png_get_valid(png, info, PNG_INFO_tRNS);
    if (!alpha) png_set_filler(png, 0xff, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    row.resize(png_get_rowbytes(png, info));
    image =
        QImage(std::min(visible.width(), size.width()), std::min(visible.height(), size.height()),
               alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
    if (image.isNull()) png_error(png, "out of memory");
    for (int y = 0; y < image.height(); ++y) {
        png_read_row(png, row.data(), nullptr);
        std::memcpy(image.scanLine(y), row.data(), static_cast<std::size_t>(image.width()) * 4);
    }
    return true;
}

} // namespace

bool decodePngRows(int fd, QSize visible, DecodedPicture &result) {
    const int own = dup(fd);
    std::FILE *file = own < 0 ? nullptr : fdopen(own, "rb");
    if (!file) {
        if (own >= 0) close(own);
        result.problem = std::strerror(errno);
        return true;
    }
    Failure failure;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &failure, onError, onWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    QImage image;
    std::vector<png_byte> row;
    volatile bool rowByRow = true; // read again after a longjmp: kept in memory, not a register
    if (!info) {
        std::snprintf(failure.message, sizeof failure.message, "out of memory");
    } else if (setjmp(png_jmpbuf(png)) == 0) {
        std::rewind(file);
        png_init_io(png, file);
        rowByRow = readRows(png, info, visible, image, row, result.size);
    } else {
        image = QImage();
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    if (failure.message[0] != '\0') result.problem = failure.message;
    result.shown = image;
    return rowByRow;
}
