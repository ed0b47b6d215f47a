#pragma once

#include <filesystem>

// Writes a picture of width x height with a gradient, lines and filled shapes, as a question's
// chart might be, in the format its suffix names (.png, .jpg).
void writePicture(const std::filesystem::path &path, int width, int height);
