// quizra-check export [DIR] [-o FILE]: the whole bank as one spreadsheet, one row per entry the
// draw can pick, each value as the program reads it: an .xlsx workbook when FILE ends in .xlsx,
// else UTF-8 CSV, to standard output without -o. A file or a pipe gets every value whole; a
// terminal gets control characters escaped, as every command shows them.

#include "bankread.h"
#include "commands.h"
#include "modMain.h"
#include "profile.h"
#include "spreadsheet.h"
#include "terminaltext.h"
#include "translation.h"
#include "xlsxwrite.h"

#include <fstream>
#include <iostream>
#include <unistd.h>
#include <utility>

namespace check {
namespace {

// What the spreadsheet leaves out of file, for the author to hear of; "" when nothing.
std::string leftOut(const bankread::QuestionFile &file) {
    if (file.state != "ok") return file.state + check::tr(": no rows for it");
    return file.error;
}

// Escapes the control characters of file's values; true when there were any.
bool escapeControls(bankread::QuestionFile &file) {
    bool any = false;
    for (bankread::Entry &entry : file.entries)
        for (bankread::Field &field : entry.fields) {
            bool escaped = false;
            field.text = terminalText(field.text, &escaped);
            any = any || escaped;
        }
    return any;
}

bool isWorkbookName(std::string_view name) {
    return name.size() > 5 && quizra::sameName(name.substr(name.size() - 5), ".xlsx");
}

// The bank's question files in turn, each with what the spreadsheet leaves out of it said.
template <typename Write> void eachQuestionFile(Write write) {
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        bankread::QuestionFile question = bankread::readQuestionFile(i);
        if (const std::string note = leftOut(question); !note.empty())
            std::cerr << question.name << ": warning: " << terminalLine(note) << '\n';
        write(i + 1, question);
    }
}

int exportWorkbook(const std::string &output) {
    spreadsheet::XlsxWriter workbook(output);
    eachQuestionFile(
        [&](int question, bankread::QuestionFile &file) { workbook.writeRows(question, file); });
    if (const std::string problem = workbook.close(); !problem.empty()) {
        std::cerr << "quizra-check: " << terminalText(output) << check::tr(" cannot be written: ")
                  << problem << '\n';
        return 2;
    }
    return 0;
}

} // namespace

int exportBank(Arguments arguments) {
    std::string_view directory, output;
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

    // Decided before the first byte, so that a file gets the whole spreadsheet.
    const bool terminal = output.empty() && isatty(STDOUT_FILENO);
    bool escaped = false;
    std::ofstream file;
    if (!output.empty()) file.open(std::string(output), std::ios::binary);
    std::ostream &out = output.empty() ? std::cout : file;
    // One question file at a time: a bank's entries may run to millions.
    spreadsheet::writeHeader(out);
    eachQuestionFile([&](int question, bankread::QuestionFile &file) {
        if (terminal && escapeControls(file)) escaped = true;
        spreadsheet::writeRows(out, question, file);
    });
    if (!out.flush()) {
        std::cerr << "quizra-check: "
                  << (output.empty() ? check::tr("the spreadsheet") : terminalText(output))
                  << check::tr(" cannot be written") << '\n';
        return 2;
    }
    if (escaped)
        std::cerr << "quizra-check: " << check::tr("control characters shown as \\xNN") << '\n';
    return 0;
}

} // namespace check
