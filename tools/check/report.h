#pragma once

#include "diagnostic.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace bankcheck {

// How many diagnostics of one file the text report shows unless asked for all.
inline constexpr std::size_t ShownPerFile = 20;

// "FILE:LINE: error: message" per diagnostic (no LINE when it is 0, ":COLUMN" after LINE when
// there is one), at most perFile of each file followed by "… and N more in FILE", N counting
// the file's unlisted ones too; control characters escaped (see terminalText).
void printDiagnostics(std::ostream &out, const std::vector<Diagnostic> &diagnostics,
                      std::size_t perFile = ShownPerFile,
                      const std::vector<Unlisted> &unlisted = {});

// printDiagnostics, then a summary line such as "50 files checked: 2 errors, 3 warnings", or
// "50 files checked in FOLDER: …" when folder is given.
void printText(std::ostream &out, const std::vector<Diagnostic> &diagnostics, int files,
               std::size_t perFile = ShownPerFile, const std::string &folder = {},
               const std::vector<Unlisted> &unlisted = {});

// The same as one JSON object: {"diagnostics": [{file, line, severity, message}...],
// "summary": {files, errors, warnings}}; a missing line is null.
void printJson(std::ostream &out, const std::vector<Diagnostic> &diagnostics, int files);

} // namespace bankcheck
