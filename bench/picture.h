#pragma once

#include <filesystem>
#include <string_view>

// Writes a picture of width x height with a gradient, lines and filled shapes, as a question's
// chart might be, in the format its suffix names (.png, .jpg).
void writePicture(const std::filesystem::path &path, int width, int height);

// Writes a picture of width x height as a photograph is to a decoder: soft gradients of colour
// under fine noise, different for every seed, in the format its suffix names (.png, .jpg).
void writePhotograph(const std::filesystem::path &path, int width, int height, unsigned seed);

// Writes a photograph of its own for each of the 50 questions into directory; a '#' in name
// stands for the question's number (1..50), as in benchbank::writeBank. The photographs are
// kept between runs in the temporary folder and linked into directory.
void writePhotographs(const std::filesystem::path &directory, std::string_view name, int width,
                      int height);
