#pragma once

#include "choices.h"
#include "diagnostic.h"
#include "pictures.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bankcheck {

// Every problem of one question file named name (as found on disk) holding bytes, in line order;
// pictures are looked up through pictures, choices measured by choices.
std::vector<Diagnostic> checkQuestionFile(std::string_view name, std::string_view bytes,
                                          const PictureLoader &pictures,
                                          const ChoiceMeter &choices);

// Every problem of question file index (0 to 49) of the bank in directory, looked up and read as
// the program reads it, then checked by checkQuestionFile.
std::vector<Diagnostic> checkBankFile(const std::string &directory, int index,
                                      const PictureLoader &pictures, const ChoiceMeter &choices);

// What the check of a bank found: its diagnostics in file and line order, at most a number of
// each file, and how many more each file has. A report that lists 20 a file thus holds 20 a
// file, not every message of a bank of a million warnings.
struct BankFindings {
    std::vector<Diagnostic> listed;
    std::vector<Unlisted> unlisted; // in file order; only the files that have more than listed
};

// Every problem of the bank in directory: checkBankFile of TOI1.ini to TOI50.ini, in that order,
// the first listedPerFile of each file listed.
BankFindings checkBank(const std::string &directory, const PictureLoader &pictures,
                       const ChoiceMeter &choices, std::size_t listedPerFile = SIZE_MAX);

// The number of diagnostics of a severity, listed or not.
std::size_t countOf(const std::vector<Diagnostic> &diagnostics, Severity severity,
                    const std::vector<Unlisted> &unlisted = {});

// The checker's exit status: 0 when clean, 1 with warnings only, 2 with errors.
int exitStatus(const std::vector<Diagnostic> &diagnostics,
               const std::vector<Unlisted> &unlisted = {});

} // namespace bankcheck
