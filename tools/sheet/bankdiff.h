#pragma once

#include "bankbuild.h"

#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet {

// One value that a build changes in the bank it replaces.
struct Change {
    std::string place; // "TOI1.ini [SEC3] ans2"
    std::string before, after;
    std::size_t row = 0, column = 0; // where after stands in the spreadsheet
};

// What writing built changes in the bank in directory, both read as the program reads them.
struct BankDiff {
    std::size_t changed = 0, added = 0, removed = 0; // entries
    std::vector<Change> changes;                     // each changed value, in bank order
};
BankDiff diffBank(const std::string &directory, const Build &built);

// What a spreadsheet program seems to have done to a value that went from before to after, as
// "leading zeros lost"; "" when the change looks like the author's own.
std::string rewritingOf(std::string_view before, std::string_view after);

} // namespace spreadsheet
