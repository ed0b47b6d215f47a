#pragma once

#include <string>

namespace check {

// Looks up one of the tool's English texts in the user's language: the text, or "" when there is
// no translation of it.
using Translation = std::string (*)(const char *source);

// source, one of the tool's English texts, in the language setTranslation chose; as written until
// then, so tests and fuzz targets see English. Written check::tr("…") wherever it is called, so
// that Qt's lupdate files every text under one context, "check".
std::string tr(const char *source);

void setTranslation(Translation translation);

} // namespace check
