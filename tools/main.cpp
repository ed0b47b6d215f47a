// quizra-check COMMAND ...: one small program per command, chosen here by name.

#include "bankhome.h"
#include "commands.h"
#include "files.h"
#include "terminaltext.h"

#include <iostream>
#include <sys/stat.h>
#include <vector>

namespace {

struct Command {
    std::string_view name;
    int (*run)(check::Arguments);
};

constexpr Command Commands[] = {
    {"get", check::get},           // one value
    {"dump", check::dump},         // every value the draw can reach
    {"check", check::check},       // every problem
    {"preview", check::preview},   // every entry as the candidate sees it
    {"export", check::exportBank}, // the bank as one spreadsheet
    {"build", check::build},       // the bank from one spreadsheet
    {"where", check::where},       // the bank the program reads, and why
};

constexpr std::string_view Usage = "usage: quizra-check get FILE SECTION KEY [DIR] | "
                                   "quizra-check dump [DIR] [--json] | "
                                   "quizra-check check [DIR|FILE.csv|FILE.xlsx] [--json] [--all] | "
                                   "quizra-check preview [DIR] -o OUTDIR | "
                                   "quizra-check export [DIR] [-o FILE.csv|FILE.xlsx] | "
                                   "quizra-check build FILE.csv|FILE.xlsx [DIR] [--force] [--all] "
                                   "[--dry-run] | "
                                   "quizra-check where";

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
            std::cerr << "quizra-check: no question bank found; looked in\n";
            for (const bankhome::Place &place : lookup.looked)
                std::cerr << "  " << terminalText(place.folder) << " (" << place.kind << ")\n";
            return false;
        }
        if (!quiet)
            std::cerr << "quizra-check: reading "
                      << terminalText(bankhome::shown(lookup.chosen->folder)) << " ("
                      << lookup.chosen->kind << ")\n";
        quizra::setProgramDirectory(lookup.chosen->folder);
        return true;
    }
    const std::string path(directory);
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        std::cerr << "quizra-check: " << path << " is not a folder\n";
        return false;
    }
    quizra::setProgramDirectory(path);
    return true;
}

int main(int argc, char **argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (!arguments.empty()) {
        for (const Command &command : Commands) {
            if (command.name != arguments.front()) continue;
            const int status = command.run(check::Arguments(arguments).subspan(1));
            if (status != check::BadUsage) return status;
            break;
        }
    }
    std::cerr << Usage << '\n';
    return check::UsageStatus;
}
