#pragma once

#include <QImage>
#include <QSize>

#include <string>

// The one decision about a picture file, taken alike by the exam window, the bank check and the
// preview: can the picture be shown, and what shows of it.
struct DecodedPicture {
    QImage shown;        // the part that a frame shows; null when the picture cannot be shown
    QSize size;          // the whole picture, when its header could be read
    int errorNumber = 0; // the file could not be opened or is no regular file: errno
    std::string problem; // no picture, or a broken one: why, in the decoder's words
};

// Decodes the picture file at path as far as a frame of size visible shows it, from its
// top-left corner. The format is recognised by the file's contents whatever its name; a file
// whose data ends before its format's end, larger than quizra::MaxFileBytes or no regular file
// is no picture. Non-interlaced PNG is decoded row by row up to the last row that shows, JPEG
// up to its last line that shows; other formats are decoded whole and then cut. Safe on any
// thread.
DecodedPicture decodePicture(const std::string &path, QSize visible);
