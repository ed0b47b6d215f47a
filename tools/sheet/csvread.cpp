#include "csvread.h"
#include "translation.h"

#include <csv.h>

#include <algorithm>
#include <memory>

namespace check {
namespace {

struct Collector {
    const RecordHandler &onRecord;
    SheetRecord record{1, {}};
    bool stopped = false;
    std::size_t tooWideRow = 0; // the first row of more than MaxColumns fields
};

void onField(void *data, std::size_t size, void *collector) {
    auto *c = static_cast<Collector *>(collector);
    if (c->record.fields.size() == MaxColumns) {
        if (c->tooWideRow == 0) c->tooWideRow = c->record.row;
        c->stopped = true;
        return;
    }
    c->record.fields.emplace_back(data ? static_cast<const char *>(data) : "", data ? size : 0);
}

void onRecordEnd(int, void *collector) {
    auto *c = static_cast<Collector *>(collector);
    if (!c->stopped) c->stopped = !c->onRecord(c->record);
    c->record.fields.clear();
    ++c->record.row;
}

// RFC 4180: blanks belong to the field; libcsv would trim them from unquoted fields.
int noBlanks(unsigned char) {
    return 0;
}

} // namespace

SheetError readCsv(std::string_view bytes, const RecordHandler &onRecord, char separator) {
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0)
        return {check::tr("out of memory"), 0, 0};
    const std::unique_ptr<csv_parser, decltype(&csv_free)> owner(&parser, &csv_free);
    csv_set_space_func(&parser, noBlanks);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));

    Collector collector{onRecord};
    // A block at a time, so that a stop takes effect soon.
    constexpr std::size_t Block = 64 * 1024;
    bool parsed = true;
    for (std::size_t at = 0; at < bytes.size() && parsed && !collector.stopped; at += Block) {
        const std::size_t size = std::min(Block, bytes.size() - at);
        parsed =
            csv_parse(&parser, bytes.data() + at, size, onField, onRecordEnd, &collector) == size;
    }
    if (collector.tooWideRow != 0)
        return {check::tr("more than ") + std::to_string(MaxColumns) +
                    check::tr(" fields in a row: not a bank spreadsheet"),
                collector.tooWideRow, 0};
    if (parsed && !collector.stopped) csv_fini(&parser, onField, onRecordEnd, &collector);
    const int status = csv_error(&parser);
    if (status == CSV_SUCCESS) return {};
    return {status == CSV_EPARSE
                ? check::tr("a quote breaks the CSV rules: a field that holds a quote, "
                            "comma or line break is wrapped in quotes, and a quote in it "
                            "is written twice")
                : csv_strerror(status),
            collector.record.row, collector.record.fields.size() + 1};
}

} // namespace check
