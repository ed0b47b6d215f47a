// Fuzzes the .xlsx reader: a workbook (any input that opens as a zip archive) gives rows of UTF-8
// or one error, never a crash; any other input, taken as CSV, builds a bank that goes through a
// workbook written by export and back unchanged.

#include "check.h"
#include "sheet_round_trip.h"

#include "xlsxread.h"
#include "xlsxwrite.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

const std::string &workbookPath() {
    static const std::string path = [] {
        char name[] = "/dev/shm/quizra-xlsx-fuzz-XXXXXX";
        if (!mkdtemp(name)) std::abort();
        return std::string(name) + "/bank.xlsx";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    if (check::looksLikeXlsx(bytes)) {
        const check::SheetError error = check::readXlsx(bytes, [](const check::SheetRecord &record) {
            fuzz::check(record.fields.size() <= check::MaxColumns, "a row is wider than allowed");
            for (const std::string &field : record.fields)
                fuzz::check(fuzz::isValidUtf8(field), "a cell is not valid UTF-8");
            return true;
        });
        fuzz::check(fuzz::isValidUtf8(error.message), "the error is not valid UTF-8");
        fuzz::checkDiagnostics(spreadsheet::build("bank.xlsx", bytes, "/nonexistent"), {});
        return 0;
    }
    const spreadsheet::Build built = spreadsheet::build("bank.csv", bytes, "/nonexistent");
    if (built.files.empty()) return 0;
    const std::vector<bankread::QuestionFile> bank = fuzz::readBuilt(built);
    spreadsheet::XlsxWriter workbook(workbookPath());
    for (std::size_t f = 0; f < bank.size(); ++f)
        workbook.writeRows(static_cast<int>(f + 1), bank[f]);
    fuzz::check(workbook.close().empty(), "the workbook cannot be written");
    const quizra::FileBytes written = quizra::readFileBytes(workbookPath());
    const spreadsheet::Build again = spreadsheet::build("bank.xlsx", written.bytes, "/nonexistent");
    fuzz::check(fuzz::readBuilt(again) == bank, "a bank through a workbook changes a value");
    return 0;
}
