#pragma once

#include <QImage>

#include <string>

namespace check {

// image as PNG bytes, encoded for speed rather than size: the preview's pictures are looked at
// once and redrawn at will, never archived. Empty when libpng fails.
std::string fastPng(const QImage &image);

} // namespace check
