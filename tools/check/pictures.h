#pragma once

#include <string>
#include <string_view>

namespace bankcheck {

// The picture area inside the question frame: the frame is 11295 x 7575 twips, the picture's
// top-left corner is at (240, 2040) with the choices side by side and at (240, 3600) stacked,
// and a pixel is 15 twips. What lies beyond is cut off.
inline constexpr int TwipsPerPixel = 15;
inline constexpr int PictureAreaWidth = (11295 - 240) / TwipsPerPixel;
inline constexpr int SingleRowAreaHeight = (7575 - 2040) / TwipsPerPixel;
inline constexpr int StackedAreaHeight = (7575 - 3600) / TwipsPerPixel;

// What became of a picture named by an entry's "bmp", as the exam window would load it.
struct Picture {
    enum class Status { Loads, Missing, Outside, Unreadable, NotAnImage };
    Status status = Status::Missing;
    std::string foundIgnoringCase; // the path below the bank when only a caseless match exists
    std::string problem;           // Unreadable, NotAnImage: why
    int width = 0;                 // Loads: the whole picture's size in pixels
    int height = 0;
};

// Finds and loads the pictures of one bank folder; the checker's only tie to an image decoder.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // The picture bmp names, relative to the bank folder ('\' and '/' separate folders). Called
    // from several threads at once.
    virtual Picture load(std::string_view bmp) const = 0;
    // Where the picture really is when a symbolic link takes bmp out of the bank folder; "" when
    // it stays inside.
    virtual std::string linkedOutside(std::string_view) const { return {}; }
};

} // namespace bankcheck
