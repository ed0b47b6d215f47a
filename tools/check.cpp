// quizra-check check [DIR] [--json] [--all]: every problem of a bank, one line each (at most
// ShownPerFile a file unless --all), then a summary; exits 0 when clean, 1 with warnings only,
// 2 with errors.

#include "bankcheck.h"
#include "commands.h"
#include "modMain.h"
#include "offscreenexam.h"
#include "qtchoices.h"
#include "qtpictures.h"
#include "report.h"

#include <cstdint>
#include <iostream>

int check::check(Arguments arguments) {
    BankArguments parsed;
    if (!parseBankArguments(arguments, parsed)) return BadUsage;
    const auto [directory, json, all] = parsed;
    if (!useBankDirectory(directory)) return 2;

    const std::string folder(directory);
    const OffscreenExam exam; // the choices measured as the exam window shows them
    const std::vector<bankcheck::Diagnostic> diagnostics = bankcheck::checkBank(
        folder, bankcheck::QtPictureLoader(folder), bankcheck::QtChoiceMeter(exam.window()));
    if (json)
        bankcheck::printJson(std::cout, diagnostics, modMain::QuestionCount);
    else
        bankcheck::printText(std::cout, diagnostics, modMain::QuestionCount,
                             all ? SIZE_MAX : bankcheck::ShownPerFile);
    return bankcheck::exitStatus(diagnostics);
}
