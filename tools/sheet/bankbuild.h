#pragma once

#include "diagnostic.h"

#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet {

// The question files a spreadsheet gives, or why it gives none.
struct Build {
    std::vector<bankcheck::Diagnostic> diagnostics; // at "FILE.csv:ROW:COLUMN" where there is one
    std::vector<std::string> files; // TOI1.ini to TOI50.ini, CP932 and CRLF; none after an error
    std::size_t entries = 0;
};

// Builds a bank from csv, a spreadsheet in UTF-8 with the columns of spreadsheet::Columns
// (named name in diagnostics), such that the program reads back every value exactly as the
// spreadsheet holds it; a value it cannot write so is an error. Pictures are looked up in
// directory, and one that is not found is a warning.
Build build(std::string_view name, std::string_view csv, const std::string &directory);

} // namespace spreadsheet
