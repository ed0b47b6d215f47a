#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace check {

// One record of a CSV file: its row (1 for the first record) and its fields.
struct CsvRecord {
    std::size_t row = 0;
    std::vector<std::string> fields;
};

// Where and how a CSV file breaks the rules; no message when it does not.
struct CsvError {
    std::string message;
    std::size_t row = 0;
    std::size_t column = 0;
};

// Parses CSV by RFC 4180 with libcsv, handing each record in turn to onRecord, which returns
// false to stop the parse. Fields keep their blanks, a quote appears only in a quoted field and
// doubled, and a quoted field may hold line breaks. Lines without any field are not records.
CsvError readCsv(std::string_view bytes, const std::function<bool(const CsvRecord &)> &onRecord);

} // namespace check
