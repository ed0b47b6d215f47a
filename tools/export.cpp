// quizra-check export [DIR] [-o FILE]: the whole bank as one spreadsheet, one row per entry the
// draw can pick, each value as the program reads it: an .xlsx workbook when FILE ends in .xlsx,
// else UTF-8 CSV; to standard output without -o, unless the bank holds control characters.

#include "bankread.h"
#include "commands.h"
#include "modMain.h"
#include "profile.h"
#include "spreadsheet.h"
#include "terminaltext.h"
#include "xlsxwrite.h"

#include <fstream>
#include <iostream>
#include <utility>

namespace check {
namespace {

// What the spreadsheet leaves out of file, for the author to hear of; "" when nothing.
std::string leftOut(const bankread::QuestionFile &file) {
    if (file.state != "ok") return file.state + ": no rows for it";
    return file.error;
}

bool anyControls(const bankread::QuestionFile &file) {
    for (const bankread::Entry &entry : file.entries)
        for (const bankread::Field &field : entry.fields)
            if (holdsControls(field.text)) return true;
    return false;
}

bool isWorkbookName(std::string_view name) {
    return name.size() > 5 && quizra::sameName(name.substr(name.size() - 5), ".xlsx");
}

// The bank's question files in turn, each with what the spreadsheet leaves out of it said.
template <typename Write> void eachQuestionFile(Write write) {
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        const bankread::QuestionFile question = bankread::readQuestionFile(i);
        if (const std::string note = leftOut(question); !note.empty())
            std::cerr << question.name << ": warning: " << terminalLine(note) << '\n';
        if (!write(i + 1, question)) return;
    }
}

int exportWorkbook(const std::string &output) {
    spreadsheet::XlsxWriter workbook(output);
    eachQuestionFile([&](int question, const bankread::QuestionFile &file) {
        workbook.writeRows(question, file);
        return true;
    });
    if (const std::string problem = workbook.close(); !problem.empty()) {
        std::cerr << "quizra-check: " << terminalText(output) << " cannot be written: " << problem
                  << '\n';
        return 2;
    }
    return 0;
}

} // namespace

int exportBank(Arguments arguments) {
    std::string_view directory = ".", output;
    bool named = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "-o" && i + 1 < arguments.size() && output.empty())
            output = arguments[++i];
        else if (arguments[i].starts_with("-") || std::exchange(named, true))
            return BadUsage;
        else
            directory = arguments[i];
    }
    if (!useBankDirectory(directory)) return 2;
    if (isWorkbookName(output)) return exportWorkbook(std::string(output));

    std::ofstream file;
    if (!output.empty()) file.open(std::string(output), std::ios::binary);
    std::ostream &out = output.empty() ? std::cout : file;
    // One question file at a time: a bank's entries may run to millions.
    spreadsheet::writeHeader(out);
    bool refused = false;
    eachQuestionFile([&](int question, const bankread::QuestionFile &file) {
        // Standard output may well reach a terminal, through a pipe or not.
        if (output.empty() && anyControls(file)) {
            std::cerr << "quizra-check: " << file.name
                      << " holds control characters, which a terminal would obey: write the "
                         "spreadsheet to a file with -o FILE\n";
            refused = true;
            return false;
        }
        spreadsheet::writeRows(out, question, file);
        return true;
    });
    if (refused) return 2;
    if (!out.flush()) {
        std::cerr << "quizra-check: " << (output.empty() ? "the spreadsheet" : terminalText(output))
                  << " cannot be written\n";
        return 2;
    }
    return 0;
}

} // namespace check
