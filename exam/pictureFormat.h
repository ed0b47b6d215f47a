#pragma once

#include <string_view>

// The formats whose files the exam recognises by their first bytes, and what each format says
// about where its data ends. Plain C++, safe on any thread.

// "png", "jpeg", "gif" or "bmp" when the file's first bytes (at least 8 of them) are those of
// that format; "" for any other.
std::string_view sniffPictureFormat(std::string_view head);

// Whether the regular file open on fd (read from its start, its own offset left alone) stops
// before the end its format marks: PNG's IEND chunk, JPEG's end-of-image marker, GIF's trailer,
// the rows a BMP's header declares. Formats not named above never end early here.
bool pictureEndsEarly(std::string_view format, int fd);
