#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace check {

// What one picture of an earlier preview shows, and how large the preview wrote it.
struct WrittenPicture {
    std::string key; // renderingKey of the entry it shows
    std::size_t size = 0;
};

// The pictures a preview wrote into its folder, by file name: kept there between runs, so that
// the next run redraws only the entries that changed and removes only its own pictures.
using Manifest = std::map<std::string, WrittenPicture>;

// The manifest as format wrote it; lines that are not a picture's are skipped.
Manifest parseManifest(std::string_view text);
std::string formatManifest(const Manifest &manifest);

// True for a name the preview gives its pictures ("TOI7-SEC2.png"): no folder, no hidden file.
bool isPictureName(std::string_view name);

} // namespace check
