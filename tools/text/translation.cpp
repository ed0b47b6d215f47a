#include "translation.h"

namespace check {
namespace {

Translation current = nullptr;

} // namespace

std::string tr(const char *source) {
    if (current)
        if (std::string translated = current(source); !translated.empty()) return translated;
    return source;
}

void setTranslation(Translation translation) {
    current = translation;
}

} // namespace check
