#pragma once

#include "diagnostic.h"

#include <ostream>
#include <string>
#include <vector>

namespace bankcheck {

// "FILE:LINE: error: message" per diagnostic (no LINE when it is 0), then a summary line such as
// "50 files checked: 2 errors, 3 warnings".
void printText(std::ostream &out, const std::vector<Diagnostic> &diagnostics, int files);

// The same as one JSON object: {"diagnostics": [{file, line, severity, message}...],
// "summary": {files, errors, warnings}}; a missing line is null.
void printJson(std::ostream &out, const std::vector<Diagnostic> &diagnostics, int files);

} // namespace bankcheck
