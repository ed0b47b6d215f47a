#include "xlsxwrite.h"

#include "spreadsheet.h"

#include <xlsxwriter.h>

#include <regex>
#include <utility>

namespace spreadsheet {

struct XlsxWriter::Book {
    lxw_workbook *workbook = nullptr;
    lxw_worksheet *sheet = nullptr;
    lxw_format *text = nullptr;
    lxw_row_t row = 0;
    lxw_error error = LXW_NO_ERROR;

    void keep(lxw_error result) {
        if (error == LXW_NO_ERROR) error = result;
    }
};

namespace {

// Widths in characters: narrow for the numbers, wide for the question and the choices.
constexpr double Widths[] = {9, 6, 60, 24, 24, 24, 24, 5, 16, 5};
static_assert(std::size(Widths) == std::size(Columns));

// text as a workbook stores it: libxlsxwriter writes a control character as "_xHHHH_", but
// leaves text that already reads so as it is, which a reader would then take for an escape.
std::string escaped(const std::string &text) {
    static const std::regex Escape("_x[0-9A-Fa-f]{4}_");
    if (text.find("_x") == std::string::npos) return text;
    return std::regex_replace(text, Escape, "_x005F$&");
}

bool isNumberColumn(std::size_t c) {
    return c <= 1 || Columns[c] == std::string_view("ans") ||
           Columns[c] == std::string_view("type");
}

} // namespace

XlsxWriter::XlsxWriter(const std::string &path) : book_(std::make_unique<Book>()) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    book_->workbook = workbook_new_opt(path.c_str(), &options);
    if (!book_->workbook) {
        book_->error = LXW_ERROR_CREATING_XLSX_FILE;
        return;
    }
    book_->sheet = workbook_add_worksheet(book_->workbook, "bank");
    book_->text = workbook_add_format(book_->workbook);
    format_set_num_format(book_->text, "@");
    lxw_format *header = workbook_add_format(book_->workbook);
    format_set_bold(header);
    for (lxw_col_t c = 0; c < std::size(Columns); ++c) {
        book_->keep(worksheet_set_column(book_->sheet, c, c, Widths[c],
                                         isNumberColumn(c) ? nullptr : book_->text));
        book_->keep(worksheet_write_string(book_->sheet, 0, c, Columns[c], header));
    }
    worksheet_freeze_panes(book_->sheet, 1, 0);
}

XlsxWriter::~XlsxWriter() {
    if (book_->workbook) workbook_close(book_->workbook);
}

void XlsxWriter::writeRows(int question, const bankread::QuestionFile &file) {
    if (!book_->sheet) return;
    for (const RowCells &cells : rowsOf(question, file)) {
        ++book_->row;
        for (lxw_col_t c = 0; c < cells.size(); ++c) {
            const Cell &cell = cells[c];
            if (cell.number)
                book_->keep(worksheet_write_number(book_->sheet, book_->row, c,
                                                   std::stod(cell.text), nullptr));
            else if (!cell.text.empty())
                book_->keep(worksheet_write_string(book_->sheet, book_->row, c,
                                                   escaped(cell.text).c_str(), book_->text));
        }
    }
}

std::string XlsxWriter::close() {
    if (book_->workbook) {
        book_->keep(workbook_close(std::exchange(book_->workbook, nullptr)));
    }
    return book_->error == LXW_NO_ERROR ? "" : lxw_strerror(book_->error);
}

} // namespace spreadsheet
