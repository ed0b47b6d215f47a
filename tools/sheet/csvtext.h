#pragma once

#include <string>
#include <string_view>

namespace spreadsheet {

// A CSV file's text in UTF-8, its encoding and separator found from its bytes as a spreadsheet
// program saves them.
struct CsvText {
    std::string_view text; // without a byte-order mark; into the file's bytes or storage
    std::string storage;   // the text converted, when it was not UTF-8
    std::string encoding;  // "" for UTF-8, else the encoding it was read as
    std::string problem;   // set, and text empty, when the bytes are in none of the encodings
    char separator = ',';
};

// UTF-8 with or without a byte-order mark, UTF-16 LE or BE with one, or else Shift-JIS (CP932);
// fields separated by a comma, a tab or a semicolon, whichever the first line holds most of
// outside quotes.
CsvText decodeCsv(std::string_view bytes);

} // namespace spreadsheet
