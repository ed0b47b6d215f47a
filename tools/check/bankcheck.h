#pragma once

#include "choices.h"
#include "diagnostic.h"
#include "pictures.h"

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

// Every problem of the bank in directory: checkBankFile of TOI1.ini to TOI50.ini, in that order.
std::vector<Diagnostic> checkBank(const std::string &directory, const PictureLoader &pictures,
                                  const ChoiceMeter &choices);

// The number of diagnostics of a severity.
std::size_t countOf(const std::vector<Diagnostic> &diagnostics, Severity severity);

// The checker's exit status: 0 when clean, 1 with warnings only, 2 with errors.
int exitStatus(const std::vector<Diagnostic> &diagnostics);

} // namespace bankcheck
