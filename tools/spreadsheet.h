#pragma once

#include "bankread.h"

#include <ostream>
#include <vector>

// A bank as one UTF-8 spreadsheet: one CSV row per entry, the columns below.
namespace spreadsheet {

inline constexpr const char *Columns[] = {"question", "entry", "bun", "ans1", "ans2",
                                          "ans3",     "ans4",  "ans", "bmp",  "type"};

// Writes the entries of files, files[i] being question i + 1, as RFC 4180 CSV with a UTF-8
// byte-order mark, CRLF line ends and a header row: each value as the program reads it, texts
// quoted so that spreadsheet programs keep them as text. Files whose state is not "ok" give no
// rows.
void write(std::ostream &out, const std::vector<bankread::QuestionFile> &files);

} // namespace spreadsheet
