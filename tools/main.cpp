// quizra-check COMMAND ...: one small program per command, chosen here by name.

#include "bankhome.h"
#include "commands.h"
#include "files.h"
#include "language.h"
#include "terminaltext.h"
#include "translation.h"

#include <QtGlobal>

#include <iostream>
#include <sys/stat.h>
#include <vector>

namespace {

struct Command {
    std::string_view name;
    int (*run)(check::Arguments);
    const char *arguments; // as the usage shows them
    const char *help;      // what --help says of it, in English
};

const Command Commands[] = {
    {"get", check::get, "get FILE SECTION KEY [DIR]",
     QT_TRANSLATE_NOOP("check", "Prints one value of a question file as the program reads it.")},
    {"dump", check::dump, "dump [DIR] [--json]",
     QT_TRANSLATE_NOOP("check", "Prints every question file and every value the draw can reach.")},
    {"check", check::check, "check [DIR|FILE.csv|FILE.xlsx] [--json] [--all]",
     QT_TRANSLATE_NOOP(
         "check",
         "Checks a bank, or a spreadsheet build would turn into one, for every problem an author "
         "can make: FILE:LINE: error|warning: message. "
         "Shows twenty problems a file unless --all is given. Exit status 0 when clean, 1 with "
         "warnings only, 2 with errors.")},
    {"preview", check::preview, "preview [DIR] -o OUTDIR",
     QT_TRANSLATE_NOOP("check", "Draws every entry the draw can pick with the exam window into "
                                "OUTDIR, with OUTDIR/index.html "
                                "listing the bank's problems and its entries. A later run into the "
                                "same folder redraws only "
                                "the entries that changed.")},
    {"export", check::exportBank, "export [DIR] [-o FILE.csv|FILE.xlsx]",
     QT_TRANSLATE_NOOP("check",
                       "Writes the bank as one spreadsheet: an .xlsx workbook, or CSV (UTF-8).")},
    {"build", check::build, "build FILE.csv|FILE.xlsx [DIR] [--force] [--all] [--dry-run]",
     QT_TRANSLATE_NOOP("check", "Writes TOI1.ini to TOI50.ini from one spreadsheet, after what it "
                                "changes; --force replaces a bank, --dry-run writes nothing. "
                                "Without DIR it writes your own bank.")},
    {"where", check::where, "where",
     QT_TRANSLATE_NOOP("check", "Prints the bank folder the program reads, and why.")},
};

// One command per line, then how to learn more.
void printUsage(std::ostream &out) {
    out << check::tr("usage:") << '\n';
    for (const Command &command : Commands)
        out << "  quizra-check " << command.arguments << '\n';
    out << check::tr("quizra-check COMMAND --help says what a command does.") << '\n';
}

} // namespace

bool check::parseBankArguments(Arguments arguments, BankArguments &parsed) {
    int directories = 0;
    for (const std::string_view argument : arguments) {
        if (argument == "--json")
            parsed.json = true;
        else if (argument == "--all")
            parsed.all = true;
        else if (argument.starts_with("-") || ++directories > 1)
            return false;
        else
            parsed.directory = argument;
    }
    return true;
}

bool check::useBankDirectory(std::string_view directory, bool quiet) {
    if (directory.empty()) {
        const bankhome::Lookup lookup = bankhome::find();
        if (!lookup.chosen) {
            std::cerr << "quizra-check: " << check::tr("no question bank found; looked in") << '\n';
            for (const bankhome::Place &place : lookup.looked)
                std::cerr << "  " << terminalText(place.folder) << " (" << placeKind(place.kind)
                          << ")\n";
            return false;
        }
        if (!quiet)
            std::cerr << "quizra-check: " << check::tr("reading ")
                      << terminalText(bankhome::shown(lookup.chosen->folder)) << " ("
                      << placeKind(lookup.chosen->kind) << ")\n";
        quizra::setBankDirectory(lookup.chosen->folder);
        return true;
    }
    const std::string path(directory);
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        std::cerr << "quizra-check: " << terminalText(path) << check::tr(" is not a folder")
                  << '\n';
        return false;
    }
    quizra::setBankDirectory(path);
    return true;
}

int main(int argc, char **argv) {
    check::useLocaleLanguage();
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && arguments.front() == "--help") {
        printUsage(std::cout);
        return 0;
    }
    if (!arguments.empty()) {
        for (const Command &command : Commands) {
            if (command.name != arguments.front()) continue;
            if (arguments.size() == 2 && arguments[1] == "--help") {
                std::cout << check::tr("usage:") << " quizra-check " << command.arguments << '\n'
                          << check::tr(command.help) << '\n';
                return 0;
            }
            const int status = command.run(check::Arguments(arguments).subspan(1));
            if (status != check::BadUsage) return status;
            break;
        }
    }
    printUsage(std::cerr);
    return check::UsageStatus;
}
