#include "csvread.h"

#include <csv.h>

#include <memory>

namespace check {
namespace {

struct Collector {
    CsvFile file;
    std::vector<std::string> fields;
};

void onField(void *data, std::size_t size, void *collector) {
    auto *c = static_cast<Collector *>(collector);
    c->fields.emplace_back(data ? static_cast<const char *>(data) : "", data ? size : 0);
}

void onRecordEnd(int, void *collector) {
    auto *c = static_cast<Collector *>(collector);
    c->file.records.push_back({c->file.records.size() + 1, std::move(c->fields)});
    c->fields.clear();
}

// RFC 4180: blanks belong to the field; libcsv would trim them from unquoted fields.
int noBlanks(unsigned char) {
    return 0;
}

} // namespace

CsvFile readCsv(std::string_view bytes) {
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) return {{}, "out of memory", 0, 0};
    const std::unique_ptr<csv_parser, decltype(&csv_free)> owner(&parser, &csv_free);
    csv_set_space_func(&parser, noBlanks);

    Collector collector;
    const std::size_t parsed =
        csv_parse(&parser, bytes.data(), bytes.size(), onField, onRecordEnd, &collector);
    if (parsed == bytes.size()) csv_fini(&parser, onField, onRecordEnd, &collector);
    if (const int status = csv_error(&parser); status != CSV_SUCCESS) {
        collector.file.error = status == CSV_EPARSE
                                   ? "a quote breaks the CSV rules: a field that holds a quote, "
                                     "comma or line break is wrapped in quotes, and a quote in "
                                     "it is written twice"
                                   : csv_strerror(status);
        collector.file.errorRow = collector.file.records.size() + 1;
        collector.file.errorColumn = collector.fields.size() + 1;
    }
    return std::move(collector.file);
}

} // namespace check
