#include "bankbuild.h"

#include "bankcheck.h"
#include "bankread.h"
#include "cp932encode.h"
#include "csvread.h"
#include "csvtext.h"
#include "files.h"
#include "modMain.h"
#include "numbers.h"
#include "profile.h"
#include "spreadsheet.h"
#include "terminaltext.h"
#include "translation.h"
#include "utf8.h"
#include "xlsxread.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sys/stat.h>
#include <utility>

namespace spreadsheet {
namespace {

using bankcheck::Findings;

enum Column { Question, Entry, Bun, Ans1, Ans2, Ans3, Ans4, Ans, Bmp, Type, ColumnCount };
constexpr std::size_t NoField = SIZE_MAX;
constexpr long MaxEntry = 32767; // the largest entry number the draw can give

// One entry of the bank: where it came from and each value as written after "key=", in the
// order of bankread::EntryKeys.
struct Row {
    std::size_t row = 0;
    long question = 0;  // 0 when the row gives none
    long entry = 0;     // 0 when the row gives none
    std::string values; // each ended by a line feed, which no value holds
};

// What to write after "key=" so that the reader delivers bytes: the reader trims blanks from
// both ends and then takes off one pair of matching outer quotes, so a value that either would
// change is wrapped in a pair of quotes of its own.
std::string stored(const std::string &bytes) {
    const bool wrap =
        !bytes.empty() && (quizra::isBlank(bytes.front()) || quizra::isBlank(bytes.back()) ||
                           (bytes.size() >= 2 && (bytes.front() == '"' || bytes.front() == '\'') &&
                            bytes.back() == bytes.front()));
    return wrap ? '"' + bytes + '"' : bytes;
}

// The whole number text spells, without sign or blanks except a leading '-', within low..high.
std::optional<long> wholeNumber(std::string_view text, long low, long high) {
    const bool negative = text.starts_with('-');
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 6 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    long value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    value = negative ? -value : value;
    if (value < low || value > high) return std::nullopt;
    return value;
}

// Reads a spreadsheet row by row, keeping the entries of the rows without errors.
class Builder {
public:
    Builder(const std::string &directory, Findings &findings)
        : directory_(directory), findings_(findings) {}

    // A spreadsheet this wrong is the wrong file: the rest of it is not read. Warnings past as
    // many are counted, not kept.
    static constexpr std::size_t MaxErrors = 10000, MaxWarnings = 10000;
    bool full() const { return errors_ >= MaxErrors; }
    std::size_t unshownWarnings() const { return warnings_ - std::min(warnings_, MaxWarnings); }

    // The field of each column in the header row; false when one is missing or repeated.
    bool readHeader(const check::SheetRecord &header) {
        const bool namesAColumn =
            std::any_of(header.fields.begin(), header.fields.end(),
                        [](const std::string &f) { return columnNamed(trimmed(f)) < ColumnCount; });
        if (!namesAColumn && !header.fields.empty() &&
            wholeNumber(header.fields.front(), 1, modMain::QuestionCount)) {
            error(1, check::tr("row 1 holds data, not the header row: add the header row above it, "
                               "question,entry,bun,ans1,ans2,ans3,ans4,ans,bmp,type"));
            return false;
        }
        for (std::size_t f = 0; f < header.fields.size(); ++f) {
            const std::string name = trimmed(header.fields[f]);
            const std::size_t c = columnNamed(name);
            if (c == ColumnCount) {
                if (!name.empty())
                    warning(1,
                            check::tr("column ") + check::quotedValue(name) +
                                check::tr(" is not read"),
                            f + 1);
                continue;
            }
            if (fields_[c] != NoField)
                error(1,
                      check::tr("column ") + name + check::tr(" again: it is column ") +
                          std::to_string(fields_[c] + 1) + check::tr(" already"),
                      f + 1);
            fields_[c] = f;
        }
        std::string missing;
        for (std::size_t c = 0; c < ColumnCount; ++c)
            if (fields_[c] == NoField)
                missing += (missing.empty() ? "" : ", ") + std::string(Columns[c]);
        if (!missing.empty())
            error(1, check::tr("no column ") + missing +
                         check::tr(
                             ": the header row names question, entry, bun, ans1, ans2, ans3, ans4, "
                             "ans, bmp and type"));
        return errors_ == 0;
    }

    // Reads a data row, reporting its errors; its entry is kept when it has none. A row that
    // holds no value is skipped.
    void readRow(const check::SheetRecord &record) {
        if (std::all_of(record.fields.begin(), record.fields.end(),
                        [](const std::string &f) { return f.empty(); }))
            return;
        const std::size_t errorsBefore = errors_;
        Row row;
        row.row = record.row;
        std::string missing;
        std::size_t missingFrom = NoField;
        for (std::size_t c = 0; c < ColumnCount; ++c) {
            const std::size_t column = fields_[c] + 1;
            const auto fail = [&](const std::string &message) {
                error(record.row, message, column);
            };
            if (fields_[c] >= record.fields.size()) {
                missing += (missing.empty() ? "" : ", ") + std::string(Columns[c]);
                missingFrom = std::min(missingFrom, column);
                continue;
            }
            const std::string &value = record.fields[fields_[c]];
            std::string stored;
            const auto quoted = [&] {
                return std::string(Columns[c]) + " " + check::quotedValue(value);
            };
            switch (c) {
            case Question:
                if (const auto n = wholeNumber(value, 1, modMain::QuestionCount))
                    row.question = *n;
                else
                    fail(quoted() + check::tr(" is not a question number from 1 to 50"));
                break;
            case Entry:
                // An empty entry takes the number after the question's last row, so that
                // deleting a row needs no renumbering.
                if (const auto n =
                        value.empty() ? nextEntry(row.question) : wholeNumber(value, 1, MaxEntry))
                    row.entry = *n;
                else if (!value.empty())
                    fail(quoted() + check::tr(" is not an entry number from 1 to 32767"));
                break;
            case Ans:
                if (wholeNumber(value, 1, 4))
                    stored = value;
                else
                    fail(quoted() +
                         check::tr(" is not 1, 2, 3 or 4: no choice would be marked correct"));
                break;
            case Type:
                if (value.empty() || wholeNumber(value, INT16_MIN, INT16_MAX))
                    stored = value;
                else
                    fail(quoted() + check::tr(" is not a whole number from -32768 to 32767"));
                break;
            default:
                if (const std::string problem = writeText(value, stored); !problem.empty())
                    fail(std::string(Columns[c]) + ": " + problem);
                else if (c == Bmp)
                    checkPicture(value, record.row, column);
            }
            if (c >= Bun) (row.values += stored) += '\n';
        }
        if (!missing.empty())
            error(record.row,
                  check::tr("no ") + missing + check::tr(": the row ends after ") +
                      std::to_string(record.fields.size()) + check::tr(" fields"),
                  missingFrom);
        keep(std::move(row), errors_ == errorsBefore);
    }

    // Reports questions without rows and entry numbers with gaps; then the entries of each
    // question in order, or nothing after an error.
    std::vector<std::vector<Row>> finish() {
        std::string empty; // the questions without rows, runs written "2 to 50"
        for (std::size_t q = 0; q < QuestionCount; ++q) {
            const std::vector<std::size_t> &rows = entryRows_[q];
            if (rows.empty() && !unnumbered_[q]) {
                const bool runGoesOn = q > 0 && entryRows_[q - 1].empty() && !unnumbered_[q - 1];
                const bool runEnds =
                    q + 1 == QuestionCount || !entryRows_[q + 1].empty() || unnumbered_[q + 1];
                if (!runGoesOn) empty += (empty.empty() ? "" : ", ") + std::to_string(q + 1);
                if (runGoesOn && runEnds) empty += check::tr(" to ") + std::to_string(q + 1);
            }
            // A row without an entry number leaves the question's numbering unknown.
            if (unnumbered_[q]) continue;
            std::size_t previous = 0;
            for (std::size_t k = 1; k < rows.size(); ++k) {
                if (rows[k] == 0) continue;
                if (k != previous + 1)
                    error(rows[k],
                          check::tr("entry ") + std::to_string(k) + check::tr(" of question ") +
                              std::to_string(q + 1) +
                              (previous ? check::tr(" follows entry ") + std::to_string(previous)
                                        : check::tr(" comes without an entry 1")) +
                              check::tr(": entries run 1, 2, 3, … without gaps"),
                          fields_[Entry] + 1);
                previous = k;
            }
        }
        if (!empty.empty())
            error(0, check::tr("no rows for question ") + empty +
                         check::tr(": every question needs at least an entry 1"));
        if (errors_ > 0) return {};
        for (std::vector<Row> &rows : rows_)
            std::sort(rows.begin(), rows.end(),
                      [](const Row &a, const Row &b) { return a.entry < b.entry; });
        return std::move(rows_);
    }

private:
    static constexpr std::size_t QuestionCount = modMain::QuestionCount;

    void error(std::size_t row, const std::string &message, std::size_t column = 0) {
        findings_.error(row, message, column);
        ++errors_;
    }

    void warning(std::size_t row, const std::string &message, std::size_t column = 0) {
        if (++warnings_ <= MaxWarnings) findings_.warning(row, message, column);
    }

    static std::string trimmed(const std::string &name) {
        constexpr std::string_view FullWidthSpace = "\u3000";
        std::string_view rest(name);
        for (bool trimming = true; trimming;) {
            trimming = false;
            for (const std::string_view blank :
                 {std::string_view(" "), std::string_view("\t"), FullWidthSpace}) {
                if (rest.starts_with(blank)) rest.remove_prefix(blank.size()), trimming = true;
                if (rest.ends_with(blank)) rest.remove_suffix(blank.size()), trimming = true;
            }
        }
        return std::string(rest);
    }

    // The column a header names, in English (any case) or Japanese; ColumnCount when none.
    static std::size_t columnNamed(std::string_view name) {
        for (std::size_t c = 0; c < ColumnCount; ++c)
            if (quizra::sameName(name, Columns[c]) || name == JapaneseColumns[c]) return c;
        return ColumnCount;
    }

    // The entry number of a row of question that gives none: one after the question's last.
    std::optional<long> nextEntry(long question) {
        if (question == 0) return std::nullopt;
        const std::size_t last = entryRows_[static_cast<std::size_t>(question - 1)].size();
        const long next = static_cast<long>(std::max<std::size_t>(last, 1));
        if (next > MaxEntry) return std::nullopt;
        return next;
    }

    // Notes which entry of which question row gives, and keeps it when it is complete.
public:
    // The 1-based column of each of Columns.
    std::array<std::size_t, ColumnCount> columns() const {
        std::array<std::size_t, ColumnCount> columns;
        for (std::size_t c = 0; c < ColumnCount; ++c)
            columns[c] = fields_[c] + 1;
        return columns;
    }

private:
    void keep(Row row, bool complete) {
        if (row.question == 0) return;
        const auto q = static_cast<std::size_t>(row.question - 1);
        if (row.entry == 0) {
            unnumbered_[q] = true;
            return;
        }
        std::vector<std::size_t> &rows = entryRows_[q];
        const auto k = static_cast<std::size_t>(row.entry);
        if (rows.size() <= k) rows.resize(k + 1, 0);
        if (rows[k] != 0) {
            error(row.row,
                  check::tr("entry ") + std::to_string(k) + check::tr(" of question ") +
                      std::to_string(q + 1) + check::tr(" again: it is on row ") +
                      std::to_string(rows[k]) + check::tr(" already"),
                  fields_[Entry] + 1);
            return;
        }
        rows[k] = row.row;
        if (complete) rows_[q].push_back(std::move(row));
    }

    // Sets out to text as stored in a question file; the problem, when it cannot be.
    static std::string writeText(const std::string &text, std::string &out) {
        // One pass, not find_first_of, which calls memchr once a character.
        if (std::any_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }))
            return check::tr(
                "a line break inside a value: each value is one line of a question file");
        if (text.find('\0') != std::string::npos)
            return check::tr("a NUL character: the program reads the value only up to it");
        const check::Cp932Text encoded = check::encodeCp932(text);
        if (!encoded.problem.empty()) return encoded.problem;
        if (encoded.bytes.size() > quizra::MaxValueBytes)
            return std::to_string(encoded.bytes.size()) +
                   check::tr(" bytes in Shift-JIS, more than the 999 the program reads");
        out = stored(encoded.bytes);
        return {};
    }

    void checkPicture(const std::string &bmp, std::size_t row, std::size_t column) {
        // A picture outside the bank folder is the entry rules' error.
        if (bmp.empty() || !quizra::staysInside(bmp)) return;
        struct stat info;
        if (stat(quizra::resolvePath(directory_, bmp).c_str(), &info) != 0)
            warning(row,
                    check::tr("picture ") + check::terminalText(check::shortened(bmp)) +
                        check::tr(" is not found in ") + directory_ +
                        check::tr(" (build copies no pictures)"),
                    column);
    }

    const std::string &directory_;
    Findings &findings_;
    std::size_t errors_ = 0, warnings_ = 0;
    std::array<std::size_t, ColumnCount> fields_ = [] {
        std::array<std::size_t, ColumnCount> none;
        none.fill(NoField);
        return none;
    }();
    // Per question: the row of each entry number (0 for none), whether a row gave no valid
    // entry number, and the complete entries.
    std::array<std::vector<std::size_t>, QuestionCount> entryRows_;
    std::array<bool, QuestionCount> unnumbered_{};
    std::vector<std::vector<Row>> rows_ = std::vector<std::vector<Row>>(QuestionCount);
};

// Each section below a comment naming its spreadsheet row, which the preview shows beside it;
// the program never reads comments.
std::string questionFile(const std::vector<Row> &rows) {
    std::string out = "[COUNT]\r\nALL=" + std::to_string(rows.size()) + "\r\n";
    for (const Row &row : rows) {
        out += "\r\n; row " + std::to_string(row.row) + "\r\n";
        out += "[SEC" + std::to_string(row.entry) + "]\r\n";
        std::string_view values = row.values;
        for (const char *key : bankread::EntryKeys) {
            const std::size_t end = values.find('\n');
            ((out += key) += '=') += values.substr(0, end);
            out += "\r\n";
            values.remove_prefix(end + 1);
        }
    }
    return out;
}

} // namespace

void sortByPlace(std::vector<bankcheck::Diagnostic> &diagnostics) {
    std::stable_sort(diagnostics.begin(), diagnostics.end(),
                     [](const bankcheck::Diagnostic &a, const bankcheck::Diagnostic &b) {
                         return std::pair(a.line, a.column) < std::pair(b.line, b.column);
                     });
}

Build build(std::string_view name, std::string_view bytes, const std::string &directory) {
    Build result;
    Findings findings(std::string(name), result.diagnostics);
    Builder builder(directory, findings);
    bool header = true, headerRead = false;
    const check::RecordHandler onRecord = [&](const check::SheetRecord &record) {
        if (std::exchange(header, false)) return headerRead = builder.readHeader(record);
        builder.readRow(record);
        return !builder.full();
    };
    check::SheetError error;
    if (check::looksLikeXlsx(bytes)) {
        error = check::readXlsx(bytes, onRecord);
    } else {
        const CsvText csv = decodeCsv(bytes);
        if (!csv.encoding.empty()) result.notes.push_back(check::tr("read as ") + csv.encoding);
        if (csv.separator != ',')
            result.notes.push_back(csv.separator == '\t'
                                       ? check::tr("fields separated by tabs")
                                       : check::tr("fields separated by semicolons"));
        if (!csv.problem.empty()) {
            error.message = csv.problem;
            header = false;
        } else {
            error = check::readCsv(csv.text, onRecord, csv.separator);
        }
    }
    if (!error.message.empty()) findings.error(error.row, error.message, error.column);
    if (header && error.message.empty())
        findings.error(0, check::tr("is empty: a bank spreadsheet starts with the header row"));
    if (builder.full())
        findings.error(0, check::tr("more than ") + std::to_string(Builder::MaxErrors) +
                              check::tr(" errors: the rest is not read"));
    if (const std::size_t unshown = builder.unshownWarnings())
        findings.warning(0, std::to_string(unshown) + check::tr(" more warnings, past the first ") +
                                std::to_string(Builder::MaxWarnings) + check::tr(", not shown"));
    // Questions and entries are counted only over a whole spreadsheet.
    const std::vector<std::vector<Row>> questions =
        headerRead && error.message.empty() && !builder.full() ? builder.finish()
                                                               : std::vector<std::vector<Row>>();
    sortByPlace(result.diagnostics);
    result.columns = builder.columns();
    for (const std::vector<Row> &rows : questions) {
        result.files.push_back(questionFile(rows));
        result.entries += rows.size();
        std::vector<std::size_t> &from = result.rows.emplace_back();
        for (const Row &row : rows)
            from.push_back(row.row);
    }
    return result;
}

} // namespace spreadsheet
