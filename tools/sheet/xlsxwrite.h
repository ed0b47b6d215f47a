#pragma once

#include "bankread.h"

#include <memory>
#include <string>

namespace spreadsheet {

// The bank as an .xlsx workbook, written with libxlsxwriter row by row in constant memory: one
// sheet, the header row frozen, the columns of spreadsheet::Columns, every text a string cell in
// a column formatted as text ("@") so that a value typed there later stays text as well, and the
// numbers as numbers.
class XlsxWriter {
public:
    explicit XlsxWriter(const std::string &path);
    ~XlsxWriter();
    XlsxWriter(const XlsxWriter &) = delete;
    XlsxWriter &operator=(const XlsxWriter &) = delete;

    // One row per entry of file, question number question, as spreadsheet::rowsOf gives them.
    void writeRows(int question, const bankread::QuestionFile &file);

    // Writes the workbook out; "" or what went wrong.
    std::string close();

private:
    struct Book;
    std::unique_ptr<Book> book_;
};

} // namespace spreadsheet
