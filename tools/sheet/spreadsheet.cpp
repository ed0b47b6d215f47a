#include "spreadsheet.h"

#include <csv.h>

namespace spreadsheet {
namespace {

std::string quoted(const std::string &text) {
    std::string out(text.size() * 2 + 2, '\0');
    out.resize(csv_write(out.data(), out.size(), text.data(), text.size()));
    return out;
}

} // namespace

std::vector<RowCells> rowsOf(int question, const bankread::QuestionFile &file) {
    std::vector<RowCells> rows;
    if (file.state != "ok") return rows;
    for (const bankread::Entry &entry : file.entries) {
        RowCells &row = rows.emplace_back();
        row[0] = {std::to_string(question), true};
        row[1] = {entry.section.substr(3), true};
        for (std::size_t k = 0; k < entry.fields.size(); ++k) {
            const bankread::Field &field = entry.fields[k];
            // A number as read, or the text it overflowed from.
            row[k + 2] =
                field.number ? Cell{std::to_string(*field.number), true} : Cell{field.text, false};
        }
    }
    return rows;
}

void writeHeader(std::ostream &out) {
    out << "\xEF\xBB\xBF";
    for (std::size_t c = 0; c < std::size(Columns); ++c)
        out << (c > 0 ? "," : "") << Columns[c];
    out << "\r\n";
}

void writeRows(std::ostream &out, int question, const bankread::QuestionFile &file) {
    for (const RowCells &row : rowsOf(question, file)) {
        for (std::size_t c = 0; c < row.size(); ++c)
            out << (c > 0 ? "," : "") << (row[c].number ? row[c].text : quoted(row[c].text));
        out << "\r\n";
    }
}

} // namespace spreadsheet
