#include "spreadsheet.h"

#include <csv.h>

namespace spreadsheet {
namespace {

std::string quoted(const std::string &text) {
    std::string out(text.size() * 2 + 2, '\0');
    out.resize(csv_write(out.data(), out.size(), text.data(), text.size()));
    return out;
}

// A number as read, or the text it overflowed from.
std::string numberText(const bankread::Field &field) {
    return field.number ? std::to_string(*field.number) : quoted(field.text);
}

} // namespace

void writeHeader(std::ostream &out) {
    out << "\xEF\xBB\xBF";
    for (std::size_t c = 0; c < std::size(Columns); ++c)
        out << (c > 0 ? "," : "") << Columns[c];
    out << "\r\n";
}

void writeRows(std::ostream &out, int question, const bankread::QuestionFile &file) {
    if (file.state != "ok") return;
    for (const bankread::Entry &entry : file.entries) {
        out << question << ',' << entry.section.substr(3);
        for (const bankread::Field &field : entry.fields)
            out << ','
                << (bankread::isNumberKey(field.key) ? numberText(field) : quoted(field.text));
        out << "\r\n";
    }
}

} // namespace spreadsheet
