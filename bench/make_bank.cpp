// Writes a synthetic bank for the launcher: make_bank <folder> <entries per file> [picture]
// With "picture", every entry names chart.png, a 640 x 400 PNG written beside the files.

#include "bank.h"
#include "picture.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

int main(int argc, char *argv[]) {
    if (argc < 3) return 2;
    const std::filesystem::path folder = argv[1];
    const bool picture = argc > 3 && std::strcmp(argv[3], "picture") == 0;
    benchbank::writeBank(folder, std::atoi(argv[2]), picture ? "chart.png" : "");
    if (picture) writePicture(folder / "chart.png", 640, 400);
    return 0;
}
