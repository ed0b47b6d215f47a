// quizra-check check [DIR|FILE] [--json] [--all]: every problem of a bank, or of a spreadsheet
// that build would turn into one (nothing is written), one line each (at most ShownPerFile a
// file unless --all), then a summary; exits 0 when clean, 1 with warnings only, 2 with errors.
// Without DIR it checks the bank the program reads, and says which. A build killed midway in the
// folder is first completed or undone.

#include "bankbuild.h"
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
#include "sheetcheck.h"
#include "terminaltext.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <sys/stat.h>

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

bool isFile(const std::string &path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The spreadsheet at path as build reads and checks it, its pictures looked up beside it.
std::vector<bankcheck::Diagnostic> checkSpreadsheet(const std::string &path,
                                                    const OffscreenExam &exam) {
    const quizra::FileBytes sheet = quizra::readFileBytes(path);
    if (sheet.status != quizra::FileBytes::Status::Ok)
        return {{path, 0, bankcheck::Severity::Error,
                 std::string("cannot be read: ") + std::strerror(sheet.errorNumber)}};
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    spreadsheet::Build built = spreadsheet::build(path, sheet.bytes, folder);
    for (const std::string &note : built.notes)
        std::cerr << terminalText(path) << ": " << note << '\n';
    if (!built.files.empty())
        spreadsheet::checkEntries(path, built, bankcheck::QtPictureLoader(folder),
                                  bankcheck::QtChoiceMeter(exam.window()));
    return std::move(built.diagnostics);
}

} // namespace

int check(Arguments arguments) {
    BankArguments parsed;
    if (!parseBankArguments(arguments, parsed)) return BadUsage;
    const auto [directory, json, all] = parsed;
    const bool sheet = !directory.empty() && isFile(std::string(directory));
    if (!sheet && !useBankDirectory(directory, /*quiet=*/true)) return 2;
    const std::string target = sheet ? std::string(directory) : quizra::bankDirectory();
    if (!sheet && spreadsheet::interruptedBuildIn(target)) recoverInterruptedBuild(target);

    const OffscreenExam exam; // the choices measured as the exam window shows them
    const std::size_t perFile = json || all ? SIZE_MAX : bankcheck::ShownPerFile;
    const bankcheck::BankFindings found =
        sheet ? bankcheck::BankFindings{checkSpreadsheet(target, exam), {}}
              : bankcheck::checkBank(target, bankcheck::QtPictureLoader(target),
                                     bankcheck::QtChoiceMeter(exam.window()), perFile);
    const int files = sheet ? 1 : modMain::QuestionCount;
    if (json)
        bankcheck::printJson(std::cout, found.listed, files);
    else
        bankcheck::printText(std::cout, found.listed, files, perFile,
                             directory.empty() ? bankhome::shown(target) : std::string(),
                             found.unlisted);
    return bankcheck::exitStatus(found.listed, found.unlisted);
}

} // namespace check
