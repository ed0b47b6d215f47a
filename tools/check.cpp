// quizra-check check [DIR] [--json]: every problem of a bank, one line each, then a summary;
// exits 0 when clean, 1 with warnings only, 2 with errors.

#include "bankcheck.h"
#include "commands.h"
#include "modMain.h"
#include "qtpictures.h"
#include "report.h"

#include <iostream>

int check::check(Arguments arguments) {
    bool json = false;
    std::string_view directory = ".";
    int directories = 0;
    for (const std::string_view argument : arguments) {
        if (argument == "--json")
            json = true;
        else if (argument.starts_with("-") || ++directories > 1)
            return BadUsage;
        else
            directory = argument;
    }
    if (!useBankDirectory(directory)) return 2;

    const std::string folder(directory);
    const std::vector<bankcheck::Diagnostic> diagnostics =
        bankcheck::checkBank(folder, bankcheck::QtPictureLoader(folder));
    if (json)
        bankcheck::printJson(std::cout, diagnostics, modMain::QuestionCount);
    else
        bankcheck::printText(std::cout, diagnostics, modMain::QuestionCount);
    return bankcheck::exitStatus(diagnostics);
}
