// quizra-check check [DIR] [--json] [--all]: every problem of a bank, one line each (at most
// ShownPerFile a file unless --all), then a summary; exits 0 when clean, 1 with warnings only,
// 2 with errors. Without DIR it checks the bank the program reads, and says which. A build killed
// midway in the folder is first completed or undone.

#include "bankcheck.h"
#include "bankhome.h"
#include "banklock.h"
#include "bankreplace.h"
#include "commands.h"
#include "files.h"
#include "modMain.h"
#include "offscreenexam.h"
#include "qtchoices.h"
#include "qtpictures.h"
#include "report.h"
#include "terminaltext.h"

#include <cstdint>
#include <iostream>

namespace check {
namespace {

// Leaves a folder that a build is writing as it stands: its journal is that build's.
void recoverInterruptedBuild(const std::string &folder) {
    const spreadsheet::BankLock lock(folder);
    if (lock.state() != spreadsheet::BankLock::State::Held) {
        std::cerr << "quizra-check: a build is writing " << terminalText(folder)
                  << " (or it cannot be locked): checked as it stands\n";
        return;
    }
    const spreadsheet::Recovery recovery = spreadsheet::recoverInterrupted(folder);
    if (!recovery.done.empty())
        std::cout << "quizra-check: " << terminalText(recovery.done) << '\n';
    if (!recovery.problem.empty())
        std::cout << "quizra-check: " << terminalText(recovery.problem) << '\n';
}

} // namespace
} // namespace check

int check::check(Arguments arguments) {
    BankArguments parsed;
    if (!parseBankArguments(arguments, parsed)) return BadUsage;
    const auto [directory, json, all] = parsed;
    if (!useBankDirectory(directory, /*quiet=*/true)) return 2;

    const std::string folder = quizra::programDirectory();
    if (spreadsheet::interruptedBuildIn(folder)) recoverInterruptedBuild(folder);
    const OffscreenExam exam; // the choices measured as the exam window shows them
    const std::vector<bankcheck::Diagnostic> diagnostics = bankcheck::checkBank(
        folder, bankcheck::QtPictureLoader(folder), bankcheck::QtChoiceMeter(exam.window()));
    if (json)
        bankcheck::printJson(std::cout, diagnostics, modMain::QuestionCount);
    else
        bankcheck::printText(std::cout, diagnostics, modMain::QuestionCount,
                             all ? SIZE_MAX : bankcheck::ShownPerFile,
                             directory.empty() ? bankhome::shown(folder) : std::string());
    return bankcheck::exitStatus(diagnostics);
}
