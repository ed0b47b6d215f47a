#pragma once

#include "bankread.h"

#include <array>
#include <ostream>
#include <vector>

// A bank as one spreadsheet: one row per entry, the columns below.
namespace spreadsheet {

inline constexpr const char *Columns[] = {"question", "entry", "bun", "ans1", "ans2",
                                          "ans3",     "ans4",  "ans", "bmp",  "type"};
// The same columns by the names a Japanese author gives them, which build takes as well.
inline constexpr const char *JapaneseColumns[] = {
    "問題番号", "枝番", "問題", "選択肢1", "選択肢2", "選択肢3", "選択肢4", "正解", "画像", "配置"};

// One value of a row: a number (question, entry, and ans and type unless they overflowed) or
// a text, which spreadsheet programs are to keep as written.
struct Cell {
    std::string text;
    bool number = false;
};
using RowCells = std::array<Cell, std::size(Columns)>;

// One row per entry of file, question number question, each value as the program reads it. A
// file whose state is not "ok" gives no rows.
std::vector<RowCells> rowsOf(int question, const bankread::QuestionFile &file);

// The CSV spreadsheet is RFC 4180 with a UTF-8 byte-order mark, CRLF line ends and a header
// row; writeHeader writes the mark and that row.
void writeHeader(std::ostream &out);

// The rows of rowsOf as CSV, texts quoted.
void writeRows(std::ostream &out, int question, const bankread::QuestionFile &file);

} // namespace spreadsheet
