// quizra-check build FILE.csv [DIR] [--force] [--all]: TOI1.ini to TOI50.ini from a spreadsheet,
// or every reason why not; exits 0 when written, 1 when written with warnings, 2 when nothing was.

#include "bankbuild.h"
#include "bankcheck.h"
#include "bankwrite.h"
#include "commands.h"
#include "files.h"
#include "report.h"
#include "terminaltext.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iostream>

int check::build(Arguments arguments) {
    std::string_view csvName, directory = ".";
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

    const std::string csvPath(csvName), folder(directory);
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
    if (const auto existing = spreadsheet::existingQuestionFiles(folder);
        !existing.empty() && !force) {
        std::cout << terminalText(folder) << " already holds a bank (" << existing.front()
                  << (existing.size() > 1 ? ", …" : "")
                  << "): nothing written; add --force to replace it\n";
        return 2;
    }
    if (const std::string problem = spreadsheet::writeQuestionFiles(folder, built.files);
        !problem.empty()) {
        std::cout << "quizra-check: " << terminalText(problem) << '\n';
        return 2;
    }
    std::cout << "TOI1.ini to TOI50.ini written to " << terminalText(folder) << ": "
              << built.entries << " entries\n";
    return built.diagnostics.empty() ? 0 : 1;
}
