#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace check {

// One row of a spreadsheet: its number (1 for the first) and its fields, in UTF-8.
struct SheetRecord {
    std::size_t row = 0;
    std::vector<std::string> fields;
};

// Where and how a spreadsheet file cannot be read; no message when it can.
struct SheetError {
    std::string message;
    std::size_t row = 0;
    std::size_t column = 0;
};

// Takes each row in turn; returns false to stop the reading.
using RecordHandler = std::function<bool(const SheetRecord &)>;

// The most columns a row may have, as in the spreadsheet programs: a row that has more is the
// wrong file, and holding its fields would take memory without bound.
inline constexpr std::size_t MaxColumns = 16384;

} // namespace check
