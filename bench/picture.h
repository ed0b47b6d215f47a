#pragma once

#include <filesystem>

// Writes a PNG of width x height with a gradient, lines and filled shapes, as a question's chart
// might be.
void writePicture(const std::filesystem::path &path, int width, int height);
