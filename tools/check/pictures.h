#pragma once

#include <string>
#include <string_view>

namespace bankcheck {

// What became of a picture named by an entry's "bmp", as the exam window would load it.
struct Picture {
    enum class Status { Loads, Missing, Outside, Unreadable, NotAnImage };
    Status status = Status::Missing;
    std::string foundIgnoringCase; // the path below the bank when only a caseless match exists
    std::string problem;           // Unreadable, NotAnImage: why
    int width = 0;                 // Loads: size in pixels
    int height = 0;
};

// Finds and loads the pictures of one bank folder; the checker's only tie to an image decoder.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // The picture bmp names, relative to the bank folder ('\' and '/' separate folders).
    virtual Picture load(std::string_view bmp) const = 0;
    // Where the picture really is when a symbolic link takes bmp out of the bank folder; "" when
    // it stays inside.
    virtual std::string linkedOutside(std::string_view) const { return {}; }
};

} // namespace bankcheck
