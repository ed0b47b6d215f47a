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

void write(std::ostream &out, const std::vector<bankread::QuestionFile> &files) {
    out << "\xEF\xBB\xBF";
    for (const char *column : Columns)
        out << (column == Columns[0] ? "" : ",") << column;
    out << "\r\n";
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].state != "ok") continue;
        for (const bankread::Entry &entry : files[i].entries) {
            out << i + 1 << ',' << entry.section.substr(3);
            for (const bankread::Field &field : entry.fields)
                out << ','
                    << (bankread::isNumberKey(field.key) ? numberText(field) : quoted(field.text));
            out << "\r\n";
        }
    }
}

} // namespace spreadsheet
