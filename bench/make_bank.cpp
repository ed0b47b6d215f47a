// Writes a synthetic bank for the launcher: make_bank <folder> <entries per file> [picture]
// picture: "chart", every entry naming chart.png, a 640 x 400 chart written beside the files;
// "photos640" or "photos4000", every question naming a photograph of its own (photo1.png ..
// photo50.png) of 640 x 400 or 4000 x 3000 pixels.

#include "bank.h"
#include "picture.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

int main(int argc, char *argv[]) {
    if (argc < 3) return 2;
    const std::filesystem::path folder = argv[1];
    const std::string_view picture = argc > 3 ? argv[3] : "";
    const int entries = std::atoi(argv[2]);
    if (picture == "chart") {
        benchbank::writeBank(folder, entries, "chart.png");
        writePicture(folder / "chart.png", 640, 400);
    } else if (picture == "photos640" || picture == "photos4000") {
        benchbank::writeBank(folder, entries, "photo#.png");
        const bool large = picture == "photos4000";
        writePhotographs(folder, "photo#.png", large ? 4000 : 640, large ? 3000 : 400);
    } else {
        benchbank::writeBank(folder, entries);
    }
    return 0;
}
