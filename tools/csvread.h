#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace check {

// One record of a CSV file: its row (1 for the first record) and its fields.
struct CsvRecord {
    std::size_t row = 0;
    std::vector<std::string> fields;
};

struct CsvFile {
    std::vector<CsvRecord> records;
    std::string error; // set when the file breaks the CSV rules, at errorRow and errorColumn
    std::size_t errorRow = 0;
    std::size_t errorColumn = 0;
};

// Parses CSV by RFC 4180 with libcsv: fields keep their blanks, a quote inside a field appears
// only in a quoted field and doubled, and a quoted field may hold line breaks. Lines without
// any field are not records.
CsvFile readCsv(std::string_view bytes);

} // namespace check
