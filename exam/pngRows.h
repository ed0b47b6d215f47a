#pragma once

#include "pictureDecode.h"

// Decodes a PNG read from the start of the file open on fd, row by row, stopping after the last
// row a frame of size visible shows; sets result's shown and size, or its problem. False, and
// nothing decoded, for an interlaced PNG: its rows come only with the whole picture.
bool decodePngRows(int fd, QSize visible, DecodedPicture &result);
