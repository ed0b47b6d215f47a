// Fuzzes build over a CSV spreadsheet: every message is one line of UTF-8 at a row the file has,
// and a bank that builds exports to a spreadsheet that builds the same bank again.

#include "check.h"
#include "sheet_round_trip.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const spreadsheet::Build built = spreadsheet::build("bank.csv", bytes, "/nonexistent");
    fuzz::checkDiagnostics(built, bytes);
    if (built.files.empty()) return 0;
    fuzz::check(built.files.size() == 50, "a bank built without errors lacks question files");
    const std::vector<bankread::QuestionFile> bank = fuzz::readBuilt(built);
    const spreadsheet::Build again = spreadsheet::build("again.csv", fuzz::csvOf(bank), "/nonexistent");
    fuzz::check(fuzz::readBuilt(again) == bank, "export then build changes a value");
    return 0;
}
