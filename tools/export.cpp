// quizra-check export [DIR] [-o FILE]: the whole bank as one UTF-8 spreadsheet (CSV), one row per
// entry the draw can pick, each value as the program reads it; to standard output without -o.

#include "bankread.h"
#include "commands.h"
#include "modMain.h"
#include "spreadsheet.h"
#include "terminaltext.h"

#include <fstream>
#include <iostream>
#include <unistd.h>

namespace check {
namespace {

// What the spreadsheet leaves out of file, for the author to hear of; "" when nothing.
std::string leftOut(const bankread::QuestionFile &file) {
    if (file.state != "ok") return file.state + ": no rows for it";
    return file.error;
}

bool bankHoldsControls(const std::vector<bankread::QuestionFile> &files) {
    for (const bankread::QuestionFile &file : files)
        for (const bankread::Entry &entry : file.entries)
            for (const bankread::Field &field : entry.fields)
                if (holdsControls(field.text)) return true;
    return false;
}

} // namespace

int exportBank(Arguments arguments) {
    std::string_view directory = ".", output;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "-o" && i + 1 < arguments.size() && output.empty())
            output = arguments[++i];
        else if (arguments[i].starts_with("-") || directory != ".")
            return BadUsage;
        else
            directory = arguments[i];
    }
    if (!useBankDirectory(directory)) return 2;

    std::vector<bankread::QuestionFile> files;
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        files.push_back(bankread::readQuestionFile(i));
        if (const std::string note = leftOut(files.back()); !note.empty())
            std::cerr << files.back().name << ": warning: " << terminalLine(note) << '\n';
    }
    if (output.empty()) {
        if (isatty(STDOUT_FILENO) && bankHoldsControls(files)) {
            std::cerr << "quizra-check: the bank holds control characters, which a terminal "
                         "would obey: write the spreadsheet to a file with -o FILE\n";
            return 2;
        }
        spreadsheet::write(std::cout, files);
        return std::cout.flush() ? 0 : 2;
    }
    std::ofstream out{std::string(output), std::ios::binary};
    spreadsheet::write(out, files);
    if (!out.flush()) {
        std::cerr << "quizra-check: " << terminalText(output) << " cannot be written\n";
        return 2;
    }
    return 0;
}

} // namespace check
