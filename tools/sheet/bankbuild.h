#pragma once

#include "diagnostic.h"
#include "spreadsheet.h"

#include <array>

#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet {

// The question files a spreadsheet gives, or why it gives none.
struct Build {
    std::vector<bankcheck::Diagnostic> diagnostics; // at "FILE.csv:ROW:COLUMN" where there is one
    std::vector<std::string> notes; // how the file was read, when not as plain CSV UTF-8
    std::vector<std::string> files; // TOI1.ini to TOI50.ini, CP932 and CRLF; none after an error
    std::size_t entries = 0;
    // Where each value came from: per file, the row of each entry; the column of each of
    // spreadsheet::Columns.
    std::vector<std::vector<std::size_t>> rows;
    std::array<std::size_t, std::size(Columns)> columns{};
};

// Builds a bank from the bytes of a spreadsheet file named name in diagnostics: an .xlsx
// workbook, or CSV in UTF-8, UTF-16 or Shift-JIS separated by commas, tabs or semicolons, with
// the columns of spreadsheet::Columns. The program reads back every value exactly as the
// spreadsheet holds it; a value that cannot be written so is an error. Pictures are looked up
// in directory, and one that is not found is a warning.
Build build(std::string_view name, std::string_view bytes, const std::string &directory);

// Puts diagnostics in the order of their rows, and columns within a row.
void sortByPlace(std::vector<bankcheck::Diagnostic> &diagnostics);

} // namespace spreadsheet
