#pragma once

#include <string>
#include <vector>

namespace spreadsheet {

// The question files directory already holds, by the names found on disk (any case).
std::vector<std::string> existingQuestionFiles(const std::string &directory);

// Writes files as TOI1.ini, TOI2.ini, … into directory (made when missing), replacing files of
// those names: all of them are written into a folder aside first and only then moved into
// place, so that a failure leaves the bank as it was. Returns "", or what went wrong and what
// became of the bank.
std::string writeQuestionFiles(const std::string &directory, const std::vector<std::string> &files);

} // namespace spreadsheet
