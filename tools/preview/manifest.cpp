#include "manifest.h"

#include <charconv>

namespace check {
namespace {

constexpr std::string_view FirstLine = "quizra-check preview: the pictures it wrote\n";

} // namespace

Manifest parseManifest(std::string_view text) {
    Manifest manifest;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        // KEY SIZE NAME
        const std::size_t afterKey = line.find(' ');
        if (afterKey == std::string_view::npos) continue;
        WrittenPicture picture{std::string(line.substr(0, afterKey)), 0};
        const char *sizeEnd = line.data() + line.size();
        const auto [afterSize, error] =
            std::from_chars(line.data() + afterKey + 1, sizeEnd, picture.size);
        if (error != std::errc() || afterSize == sizeEnd || *afterSize != ' ') continue;
        const std::string_view name(afterSize + 1,
                                    static_cast<std::size_t>(sizeEnd - afterSize - 1));
        if (isPictureName(name)) manifest[std::string(name)] = std::move(picture);
    }
    return manifest;
}

std::string formatManifest(const Manifest &manifest) {
    std::string text(FirstLine);
    for (const auto &[name, picture] : manifest)
        text += picture.key + ' ' + std::to_string(picture.size) + ' ' + name + '\n';
    return text;
}

bool isPictureName(std::string_view name) {
    return name.starts_with("TOI") && name.ends_with(".png") &&
           name.find('/') == std::string_view::npos;
}

} // namespace check
