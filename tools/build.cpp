// quizra-check build FILE.csv|FILE.xlsx [DIR] [--force] [--all] [--dry-run]: TOI1.ini to
// TOI50.ini from a spreadsheet, or every reason why not, after what it changes in the bank it
// replaces; exits 0 when written, 1 when written with warnings, 2 when nothing was. Without DIR
// the bank goes to the per-user bank folder, which the installed program reads.

#include "bankbuild.h"
#include "bankcheck.h"
#include "bankdiff.h"
#include "bankhome.h"
#include "bankwrite.h"
#include "commands.h"
#include "files.h"
#include "offscreenexam.h"
#include "qtchoices.h"
#include "qtpictures.h"
#include "report.h"
#include "sheetcheck.h"
#include "terminaltext.h"
#include "translation.h"

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
        std::cout << check::tr("note: quizra reads ")
                  << terminalText(bankhome::shown(lookup.chosen->folder)) << " ("
                  << placeKind(lookup.chosen->kind)
                  << check::tr(") first; start it with quizra --bank ")
                  << terminalText(bankhome::shown(folder)) << '\n';
}

// Prints what the build changes in the bank it replaces, at most shown values; warns at its row
// and column of each change that looks like a spreadsheet program's rewriting.
void reportChanges(const std::string &sheet, const std::string &folder, spreadsheet::Build &built,
                   std::size_t shown) {
    const spreadsheet::BankDiff diff = spreadsheet::diffBank(folder, built);
    std::cout << diff.changed << (diff.changed == 1 ? check::tr(" entry") : check::tr(" entries"))
              << check::tr(" changed, ") << diff.added << check::tr(" added, ") << diff.removed
              << check::tr(" removed") << '\n';
    for (std::size_t i = 0; i < diff.changes.size(); ++i) {
        const spreadsheet::Change &change = diff.changes[i];
        if (i < shown)
            std::cout << change.place << ": " << quotedValue(change.before) << " → "
                      << quotedValue(change.after) << '\n';
        else if (i == shown)
            std::cout << check::tr("… and ") << diff.changes.size() - shown
                      << check::tr(" more changed values (--all shows them)") << '\n';
        if (const std::string what = spreadsheet::rewritingOf(change.before, change.after);
            !what.empty())
            built.diagnostics.push_back(
                {sheet, change.row, bankcheck::Severity::Warning,
                 change.place + check::tr(" was ") + quotedValue(change.before) +
                     check::tr(", now ") + quotedValue(change.after) + ": " + what +
                     check::tr(
                         ", as a spreadsheet program does to text it takes for a number, date or "
                         "formula: use .xlsx, or open the CSV with quoted fields as text"),
                 change.column});
    }
    spreadsheet::sortByPlace(built.diagnostics);
}

} // namespace

int build(Arguments arguments) {
    std::string_view sheetName, directory;
    bool force = false, all = false, dryRun = false;
    int names = 0;
    for (const std::string_view argument : arguments) {
        if (argument == "--force")
            force = true;
        else if (argument == "--all")
            all = true;
        else if (argument == "--dry-run")
            dryRun = true;
        else if (argument.starts_with("-") || ++names > 2)
            return BadUsage;
        else
            (names == 1 ? sheetName : directory) = argument;
    }
    if (sheetName.empty()) return BadUsage;

    const std::string sheetPath(sheetName);
    const std::string folder = directory.empty() ? bankhome::userFolder() : std::string(directory);
    const quizra::FileBytes sheet = quizra::readFileBytes(sheetPath);
    if (sheet.status != quizra::FileBytes::Status::Ok) {
        std::cerr << "quizra-check: " << terminalText(sheetPath) << check::tr(" cannot be read: ")
                  << std::strerror(sheet.errorNumber) << '\n';
        return 2;
    }
    spreadsheet::Build built = spreadsheet::build(sheetPath, sheet.bytes, folder);
    for (const std::string &note : built.notes)
        std::cout << terminalText(sheetPath) << ": " << note << '\n';
    if (!built.files.empty()) {
        const OffscreenExam exam; // the choices measured as the exam window shows them
        spreadsheet::checkEntries(sheetPath, built, bankcheck::QtPictureLoader(folder),
                                  bankcheck::QtChoiceMeter(exam.window()));
    }
    const std::size_t shown = all ? SIZE_MAX : bankcheck::ShownPerFile;
    const auto existing = spreadsheet::existingQuestionFiles(folder);
    const bool changes =
        bankcheck::countOf(built.diagnostics, bankcheck::Severity::Error) == 0 && !existing.empty();
    if (changes) reportChanges(sheetPath, folder, built, shown);
    bankcheck::printDiagnostics(std::cout, built.diagnostics, shown);
    if (const std::size_t errors =
            bankcheck::countOf(built.diagnostics, bankcheck::Severity::Error);
        errors > 0) {
        std::cout << terminalText(sheetPath) << ": " << errors
                  << (errors == 1 ? check::tr(" error") : check::tr(" errors"))
                  << check::tr(": nothing written") << '\n';
        return 2;
    }
    const int status = built.diagnostics.empty() ? 0 : 1;
    if (dryRun) {
        std::cout << check::tr("--dry-run: nothing written; ") << built.entries
                  << check::tr(" entries would go to ") << terminalText(bankhome::shown(folder))
                  << '\n';
        return status;
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
    std::cout << check::tr("TOI1.ini to TOI50.ini written to ")
              << terminalText(bankhome::shown(folder))
              << (directory.empty() ? check::tr(", the per-user bank") : "") << ": "
              << built.entries << check::tr(" entries") << '\n';
    if (!written.message.empty())
        std::cout << check::tr("the bank replaced is kept in ")
                  << terminalText(bankhome::shown(written.message)) << check::tr(" (the last ")
                  << spreadsheet::BackupsKept << check::tr(" are kept)") << '\n';
    if (directory.empty()) noteWhatTheProgramReads(folder);
    return status;
}

} // namespace check
