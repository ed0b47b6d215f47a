#pragma once

#include <QImage>
#include <QSize>

#include <string>

// Reads the picture file at path (no more than quizra::MaxFileBytes of it) and decodes the part
// that a frame of size visible shows, the picture's top-left corner; a null image when the file
// cannot be read or is no picture. Where the format allows it (JPEG), only that part is decoded.
// Safe on any thread.
QImage decodePicture(const std::string &path, QSize visible);
