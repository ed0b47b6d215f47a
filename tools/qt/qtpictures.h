#pragma once

#include "pictures.h"

#include <string>

namespace bankcheck {

// Loads pictures below a bank folder as the exam window does: only names that stay inside the
// folder, looked up by resolvePath, and judged by the exam window's own decodePicture. Needs no
// QGuiApplication.
class QtPictureLoader : public PictureLoader {
public:
    explicit QtPictureLoader(std::string directory) : directory_(std::move(directory)) {}
    Picture load(std::string_view bmp) const override;
    std::string linkedOutside(std::string_view bmp) const override;

private:
    std::string directory_;
};

} // namespace bankcheck
