#pragma once

#include "sheetrecord.h"

#include <string_view>

namespace check {

// True when bytes open as a zip archive, as every .xlsx workbook does.
bool looksLikeXlsx(std::string_view bytes);

// Reads the first sheet of an .xlsx workbook (Office Open XML), handing each row that holds a
// cell to onRecord with the text of each cell: shared and inline strings (rich-text runs joined,
// phonetic guides left out), a number as its shortest text, a formula as its result. The
// workbook is read in bounded memory: shared strings of more than a few hundred MiB, or a sheet
// that inflates past 1 GiB, are errors.
SheetError readXlsx(std::string_view bytes, const RecordHandler &onRecord);

} // namespace check
