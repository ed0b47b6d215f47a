#pragma once

#include "sheetrecord.h"

#include <string_view>

namespace check {

// Parses CSV by RFC 4180 with libcsv, fields separated by separator, handing each record in turn
// to onRecord. Fields keep their blanks, a quote appears only in a quoted field and doubled, and
// a quoted field may hold line breaks. Lines without any field are not records. A record of
// more than MaxColumns fields is an error that ends the parse.
SheetError readCsv(std::string_view bytes, const RecordHandler &onRecord, char separator = ',');

} // namespace check
