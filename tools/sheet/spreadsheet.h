#pragma once

#include "bankread.h"

#include <ostream>

// A bank as one UTF-8 spreadsheet: one CSV row per entry, the columns below.
namespace spreadsheet {

inline constexpr const char *Columns[] = {"question", "entry", "bun", "ans1", "ans2",
                                          "ans3",     "ans4",  "ans", "bmp",  "type"};

// The spreadsheet is RFC 4180 CSV with a UTF-8 byte-order mark, CRLF line ends and a header row;
// writeHeader writes the mark and that row.
void writeHeader(std::ostream &out);

// One row per entry of file, question number question: each value as the program reads it,
// texts quoted so that spreadsheet programs keep them as text. A file whose state is not "ok"
// gives no rows.
void writeRows(std::ostream &out, int question, const bankread::QuestionFile &file);

} // namespace spreadsheet
