// quizra-check build FILE.csv [DIR] [--force] [--all]: TOI1.ini to TOI50.ini from a spreadsheet,
// or every reason why not; exits 0 when written, 1 when written with warnings, 2 when nothing was.
// Without DIR the bank goes to the per-user bank folder, which the installed program reads.

#include "bankbuild.h"
#include "bankcheck.h"
#include "bankhome.h"
#include "bankwrite.h"
#include "commands.h"
#include "files.h"
#include "report.h"
#include "terminaltext.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iostream>

namespace check {
namespace {

// A bank beside the program comes first: say so when the one just written is not what it reads.
void noteWhatTheProgramReads(const std::string &folder) {
    const bankhome::Lookup lookup = bankhome::find();
    if (lookup.chosen && lookup.chosen->folder != folder)
        std::cout << "note: quizra reads " << terminalText(bankhome::shown(lookup.chosen->folder))
                  << " (" << lookup.chosen->kind << ") first; start it with quizra --bank "
                  << terminalText(bankhome::shown(folder)) << '\n';
}

} // namespace
} // namespace check

int check::build(Arguments arguments) {
    std::string_view csvName, directory;
    bool force = false, all = false;
    int names = 0;
    for (const std::string_view argument : arguments) {
        if (argument == "--force")
            force = true;
        else if (argument == "--all")
            all = true;
        else if (argument.starts_with("-") || ++names > 2)
            return BadUsage;
        else
            (names == 1 ? csvName : directory) = argument;
    }
    if (csvName.empty()) return BadUsage;

    const std::string csvPath(csvName);
    const std::string folder = directory.empty() ? bankhome::userFolder() : std::string(directory);
    const quizra::FileBytes csv = quizra::readFileBytes(csvPath);
    if (csv.status != quizra::FileBytes::Status::Ok) {
        std::cerr << "quizra-check: " << terminalText(csvPath)
                  << " cannot be read: " << std::strerror(csv.errorNumber) << '\n';
        return 2;
    }
    const spreadsheet::Build built = spreadsheet::build(csvPath, csv.bytes, folder);
    bankcheck::printDiagnostics(std::cout, built.diagnostics,
                                all ? SIZE_MAX : bankcheck::ShownPerFile);
    const std::size_t errors = bankcheck::countOf(built.diagnostics, bankcheck::Severity::Error);
    if (errors > 0) {
        std::cout << terminalText(csvPath) << ": " << errors << (errors == 1 ? " error" : " errors")
                  << ": nothing written\n";
        return 2;
    }
    const spreadsheet::Written written = spreadsheet::writeQuestionFiles(
        folder, built.files,
        force ? spreadsheet::Existing::Replace : spreadsheet::Existing::Refuse);
    if (!written.recovered.empty())
        std::cout << "quizra-check: " << terminalText(written.recovered) << '\n';
    if (!written.written) {
        std::cout << "quizra-check: " << terminalText(written.message) << '\n';
        return 2;
    }
    std::cout << "TOI1.ini to TOI50.ini written to " << terminalText(bankhome::shown(folder))
              << (directory.empty() ? ", the per-user bank" : "") << ": " << built.entries
              << " entries\n";
    if (!written.message.empty())
        std::cout << "the bank replaced is kept in "
                  << terminalText(bankhome::shown(written.message)) << " (the last "
                  << spreadsheet::BackupsKept << " are kept)\n";
    if (directory.empty()) noteWhatTheProgramReads(folder);
    return built.diagnostics.empty() ? 0 : 1;
}
