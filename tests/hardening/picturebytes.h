#pragma once

#include <string>

// Picture files built byte by byte, so that broken banks need no image library to make them.
namespace picturebytes {

// An uncompressed 24-bit BMP of width x height pixels, all blue.
std::string bmp24(int width, int height);

// An 8-bit RGB PNG of width x height pixels, all blue, its image data stored uncompressed.
std::string png(int width, int height);

// A PNG whose header declares width x height pixels but whose data holds a single row.
std::string pngDeclaring(int width, int height);

// A PNG of width x height whose compressed rows cannot be inflated (its chunks are sound).
std::string pngSpoiled(int width, int height);

// A grey baseline JPEG whose header declares width x height pixels; its data covers 16 x 16.
std::string jpeg(int width = 16, int height = 16);

// A 4 x 4 blue GIF.
std::string gif();

// A 1 x 1 blue interlaced PNG: its one pixel lies in the first of Adam7's passes.
std::string pngInterlaced();

} // namespace picturebytes
