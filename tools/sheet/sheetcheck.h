#pragma once

#include "bankbuild.h"
#include "choices.h"
#include "pictures.h"

#include <string_view>

namespace spreadsheet {

// Runs the bank check's rules on the question files of built, as check runs them on the bank
// once written, and adds what they find to built.diagnostics at the spreadsheet's row and column
// (under name, the spreadsheet's). A picture not yet in the bank folder stays the builder's
// warning, since build copies no pictures.
void checkEntries(std::string_view name, Build &built, const bankcheck::PictureLoader &pictures,
                  const bankcheck::ChoiceMeter &choices);

} // namespace spreadsheet
