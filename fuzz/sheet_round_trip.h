#pragma once

// What the spreadsheet fuzz targets share: the bank a build gives, as the program reads it, and
// the properties of build's messages.

#include "check.h"

#include "bankbuild.h"
#include "bankread.h"
#include "files.h"
#include "spreadsheet.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace bankread {
inline bool operator==(const Field &a, const Field &b) {
    return a.number ? a.number == b.number : a.text == b.text && !b.number;
}
inline bool operator==(const Entry &a, const Entry &b) {
    return a.section == b.section && a.fields == b.fields;
}
inline bool operator==(const QuestionFile &a, const QuestionFile &b) {
    return a.count == b.count && a.entries == b.entries;
}
} // namespace bankread

namespace fuzz {

inline std::vector<bankread::QuestionFile> readBuilt(const spreadsheet::Build &built) {
    std::vector<bankread::QuestionFile> bank;
    for (std::size_t f = 0; f < built.files.size(); ++f)
        bank.push_back(bankread::readQuestionBytes("TOI" + std::to_string(f + 1) + ".ini",
                                                   built.files[f]));
    return bank;
}

inline std::string csvOf(const std::vector<bankread::QuestionFile> &bank) {
    std::ostringstream csv;
    spreadsheet::writeHeader(csv);
    for (std::size_t f = 0; f < bank.size(); ++f)
        spreadsheet::writeRows(csv, static_cast<int>(f + 1), bank[f]);
    return csv.str();
}

// Every message is one line of UTF-8, at most a readable length, and a CSV file's rows are rows
// it has (a row is at least one line of text).
inline void checkDiagnostics(const spreadsheet::Build &built, std::string_view csv) {
    const auto lines = static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n') +
                                                std::count(csv.begin(), csv.end(), '\r') + 1);
    for (const bankcheck::Diagnostic &d : built.diagnostics) {
        check(isValidUtf8(d.message), "a message is not valid UTF-8");
        check(d.message.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
              "a message is not one line");
        check(d.message.size() < 1000, "a message quotes too much");
        check(csv.empty() || d.line <= lines, "a message points past the last row");
    }
    for (const std::string &note : built.notes)
        check(isValidUtf8(note), "a note is not valid UTF-8");
}

} // namespace fuzz
