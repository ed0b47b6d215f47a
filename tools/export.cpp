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

#include <cerrno>
#include <cstdio>
#include <cstring>
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

// A named file is written beside its name and renamed over it only once whole, so that an
// export that fails leaves the spreadsheet that stood there as it was.
std::string asideOf(const std::string &output) {
    return output + ".quizra-export";
}

// Puts the whole file written aside in place of output.
bool putInPlace(const std::string &output) {
    return std::rename(asideOf(output).c_str(), output.c_str()) == 0;
}

int exportWorkbook(const std::string &output) {
    spreadsheet::XlsxWriter workbook(asideOf(output));
    eachQuestionFile(
        [&](int question, bankread::QuestionFile &file) { workbook.writeRows(question, file); });
    std::string problem = workbook.close();
    if (problem.empty() && !putInPlace(output)) problem = std::strerror(errno);
    if (!problem.empty()) {
        std::remove(asideOf(output).c_str());
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
    const std::string path(output);
    std::ofstream file;
    if (!path.empty()) file.open(asideOf(path), std::ios::binary);
    std::ostream &out = output.empty() ? std::cout : file;
    // One question file at a time: a bank's entries may run to millions.
    spreadsheet::writeHeader(out);
    eachQuestionFile([&](int question, bankread::QuestionFile &file) {
        if (terminal && escapeControls(file)) escaped = true;
        spreadsheet::writeRows(out, question, file);
    });
    bool written = static_cast<bool>(out.flush());
    if (!path.empty()) {
        file.close();
        written = written && !file.fail() && putInPlace(path);
        if (!written) std::remove(asideOf(path).c_str());
    }
    if (!written) {
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
