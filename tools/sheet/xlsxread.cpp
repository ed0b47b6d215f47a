#include "xlsxread.h"
#include "translation.h"

#include "xlsxxml.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>

namespace check {
namespace {

// Shared strings past this are no bank's, and would take memory without bound.
constexpr std::size_t MaxSharedStringBytes = std::size_t{256} << 20;

// A number cell as a person reads it: a whole number without a decimal point or exponent.
std::string numberText(const std::string &stored) {
    double value = 0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (error != std::errc() || end != stored.data() + stored.size() ||
        value != std::floor(value) || std::fabs(value) >= 1e15)
        return stored;
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", value == 0 ? 0.0 : value);
    return text;
}

// The relationship id of the workbook's first sheet.
class Workbook : public XmlPart {
public:
    std::string firstSheet;

private:
    void start(std::string_view name, const XML_Char **attributes) override {
        if (name != "sheet") return;
        if (const XML_Char *id = attribute(attributes, "id")) firstSheet = id;
        stop();
    }
};

// Where the workbook's parts are: the first sheet and the shared strings.
class Relationships : public XmlPart {
public:
    explicit Relationships(std::string sheetId) : sheetId_(std::move(sheetId)) {}
    std::string sheet = "xl/worksheets/sheet1.xml";
    std::string sharedStrings = "xl/sharedStrings.xml";

private:
    void start(std::string_view name, const XML_Char **attributes) override {
        const XML_Char *id = attribute(attributes, "Id");
        const XML_Char *target = attribute(attributes, "Target");
        const XML_Char *type = attribute(attributes, "Type");
        if (name != "Relationship" || !id || !target || !type) return;
        const std::string_view to(target);
        const std::string path =
            to.starts_with('/') ? std::string(to.substr(1)) : "xl/" + std::string(to);
        if (sheetId_ == id) sheet = path;
        if (std::string_view(type).ends_with("/sharedStrings")) sharedStrings = path;
    }
    std::string sheetId_;
};

class SharedStrings : public XmlPart {
public:
    std::vector<std::string> strings;

private:
    void start(std::string_view name, const XML_Char **) override {
        if (name == "si") current_.clear();
        runs_.start(name);
    }
    void end(std::string_view name) override {
        runs_.end(name);
        if (name != "si") return;
        bytes_ += current_.size() + sizeof(std::string);
        if (bytes_ > MaxSharedStringBytes)
            return stop(check::tr("holds more than ") + std::to_string(MaxSharedStringBytes >> 20) +
                        check::tr(" MiB of strings: not a bank"));
        strings.push_back(unescaped(current_));
    }
    void text(std::string_view text) override { runs_.add(text, current_); }

    TextRuns runs_;
    std::string current_;
    std::size_t bytes_ = 0;
};

// The column of a cell reference such as "AB12" (28), or 0 when it gives none.
std::size_t columnOf(std::string_view reference) {
    std::size_t column = 0;
    for (const char c : reference) {
        if (c < 'A' || c > 'Z') break;
        column = column * 26 + static_cast<std::size_t>(c - 'A' + 1);
        if (column > MaxColumns) return MaxColumns + 1;
    }
    return column;
}

class Sheet : public XmlPart {
public:
    Sheet(const std::vector<std::string> &strings, const RecordHandler &onRecord)
        : strings_(strings), onRecord_(onRecord) {}
    SheetError error;

private:
    void start(std::string_view name, const XML_Char **attributes) override {
        if (name == "row") {
            const XML_Char *r = attribute(attributes, "r");
            std::size_t number = 0;
            if (r) std::from_chars(r, r + std::char_traits<char>::length(r), number);
            record_.row = number > 0 ? number : record_.row + 1;
            record_.fields.clear();
            column_ = 0;
        } else if (name == "c") {
            const XML_Char *r = attribute(attributes, "r");
            const XML_Char *t = attribute(attributes, "t");
            const std::size_t given = r ? columnOf(r) : 0;
            column_ = given > 0 ? given : column_ + 1;
            type_ = t ? t : "n";
            value_.clear();
        }
        if (name == "v") inValue_ = true;
        runs_.start(name);
    }
    void end(std::string_view name) override {
        runs_.end(name);
        if (name == "v" || name == "is") inValue_ = false;
        if (name == "c") endCell();
        if (name == "row" && !record_.fields.empty() && !onRecord_(record_)) stop();
    }
    void text(std::string_view text) override {
        if (type_ == "inlineStr")
            runs_.add(text, value_);
        else if (inValue_)
            value_ += text;
    }

    void endCell() {
        if (column_ > MaxColumns) {
            error = {check::tr("more than ") + std::to_string(MaxColumns) +
                         check::tr(" columns: not a bank spreadsheet"),
                     record_.row, 0};
            return stop();
        }
        std::string cell;
        if (type_ == "s") {
            std::size_t index = SIZE_MAX;
            std::from_chars(value_.data(), value_.data() + value_.size(), index);
            if (index >= strings_.size()) {
                error = {check::tr("refers to shared string ") + value_ +
                             check::tr(", which the workbook lacks"),
                         record_.row, column_};
                return stop();
            }
            cell = strings_[index];
        } else if (type_ == "inlineStr" || type_ == "str" || type_ == "e") {
            cell = unescaped(value_);
        } else if (type_ == "b") {
            cell = value_ == "1" ? "TRUE" : "FALSE";
        } else {
            cell = numberText(value_);
        }
        if (record_.fields.size() < column_) record_.fields.resize(column_);
        record_.fields[column_ - 1] = std::move(cell);
    }

    const std::vector<std::string> &strings_;
    const RecordHandler &onRecord_;
    SheetRecord record_;
    std::size_t column_ = 0;
    std::string type_ = "n";
    std::string value_;
    bool inValue_ = false;
    TextRuns runs_;
};

} // namespace

bool looksLikeXlsx(std::string_view bytes) {
    return bytes.starts_with("PK\x03\x04");
}

SheetError readXlsx(std::string_view bytes, const RecordHandler &onRecord) {
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t *source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &zipError);
    zip_t *opened = source ? zip_open_from_source(source, ZIP_RDONLY, &zipError) : nullptr;
    if (!opened) {
        SheetError error{check::tr("is not a workbook that can be read: ") +
                         zip_error_strerror(&zipError)};
        if (source) zip_source_free(source);
        zip_error_fini(&zipError);
        return error;
    }
    zip_error_fini(&zipError);
    const std::unique_ptr<zip_t, void (*)(zip_t *)> zip(opened, zip_discard);

    std::size_t inflated = 0;
    Workbook workbook;
    if (std::string problem = workbook.parse(zip.get(), "xl/workbook.xml", inflated);
        !problem.empty())
        return {check::tr("is not a workbook: ") + problem};
    Relationships parts(workbook.firstSheet);
    if (zip_name_locate(zip.get(), "xl/_rels/workbook.xml.rels", 0) >= 0)
        if (std::string problem = parts.parse(zip.get(), "xl/_rels/workbook.xml.rels", inflated);
            !problem.empty())
            return {check::tr("is not a workbook: ") + problem};
    SharedStrings shared;
    if (zip_name_locate(zip.get(), parts.sharedStrings.c_str(), 0) >= 0)
        if (std::string problem = shared.parse(zip.get(), parts.sharedStrings, inflated);
            !problem.empty())
            return {problem};
    Sheet sheet(shared.strings, onRecord);
    if (std::string problem = sheet.parse(zip.get(), parts.sheet, inflated); !problem.empty())
        return {problem};
    return sheet.error;
}

} // namespace check
