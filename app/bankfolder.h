#pragma once

#include <QString>

class QCoreApplication;

// The folder the program takes its bank from: named on the command line, or else the first
// folder of the lookup that holds a bank (bank/bankhome.h).
namespace BankFolder {

// Reads the command line (quizra [--bank DIR | DIR]) and makes the folder chosen the one every
// question file and picture is read from. Answers --help and --version. Returns -1 when the
// program goes on, else the status it ends with before any window opens: 0 after --help or
// --version, 2 after an unknown option or a DIR that is not a folder.
int choose(QCoreApplication &app);

// True when the folder chosen holds a question file: without one, no exam starts.
bool holdsBank();

// What the candidate is told when no folder looked in holds a bank: the folders looked in.
QString notFoundReport();

} // namespace BankFolder
