#include "bankbuild.h"

#include "bankcheck.h"
#include "bankread.h"
#include "cp932encode.h"
#include "csvread.h"
#include "files.h"
#include "modMain.h"
#include "numbers.h"
#include "profile.h"
#include "spreadsheet.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sys/stat.h>

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
    long question = 0; // 0 when the row gives none
    long entry = 0;    // 0 when the row gives none
    std::array<std::string, ColumnCount - Bun> values;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

// What to write after "key=" so that the reader delivers bytes: the reader trims blanks from
// both ends and then takes off one pair of matching outer quotes, so a value that either would
// change is wrapped in a pair of quotes of its own.
std::string stored(const std::string &bytes) {
    const bool wrap =
        !bytes.empty() && (isBlank(bytes.front()) || isBlank(bytes.back()) ||
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

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0, length = 0; i < text.size(); i += length)
        if ((length = check::utf8Length(text, i)) == 0) return false;
    return true;
}

class Builder {
public:
    Builder(const std::string &directory, Findings &findings)
        : directory_(directory), findings_(findings) {}

    // The field of each column in the header row; false when one is missing or repeated.
    bool readHeader(const check::CsvRecord &header) {
        bool ok = true;
        for (std::size_t f = 0; f < header.fields.size(); ++f) {
            const std::string &name = header.fields[f];
            const auto known =
                std::find_if(std::begin(Columns), std::end(Columns),
                             [&](const char *c) { return quizra::sameName(name, c); });
            if (known == std::end(Columns)) {
                if (!name.empty())
                    findings_.warning(1, "column \"" + name + "\" is not read", f + 1);
                continue;
            }
            std::size_t &at = fields_[static_cast<std::size_t>(known - std::begin(Columns))];
            if (at != NoField) {
                findings_.error(1,
                                "column " + name + " again: it is column " +
                                    std::to_string(at + 1) + " already",
                                f + 1);
                ok = false;
            }
            at = f;
        }
        for (std::size_t c = 0; c < ColumnCount; ++c) {
            if (fields_[c] != NoField) continue;
            findings_.error(1, std::string("no column ") + Columns[c] +
                                   ": the header row names question, entry, bun, ans1, ans2, "
                                   "ans3, ans4, ans, bmp and type");
            ok = false;
        }
        return ok;
    }

    // The entry a data row gives, with its errors reported; nothing when the row holds no value.
    std::optional<Row> readRow(const check::CsvRecord &record) {
        if (std::all_of(record.fields.begin(), record.fields.end(),
                        [](const std::string &f) { return f.empty(); }))
            return std::nullopt;
        Row row;
        row.row = record.row;
        std::string missing;
        std::size_t missingFrom = NoField;
        for (std::size_t c = 0; c < ColumnCount; ++c) {
            const std::size_t column = fields_[c] + 1;
            const auto fail = [&](const std::string &message) {
                findings_.error(record.row, message, column);
            };
            if (fields_[c] >= record.fields.size()) {
                missing += (missing.empty() ? "" : ", ") + std::string(Columns[c]);
                missingFrom = std::min(missingFrom, column);
                continue;
            }
            const std::string &value = record.fields[fields_[c]];
            std::string *out = c >= Bun ? &row.values[c - Bun] : nullptr;
            if (!isUtf8(value)) {
                fail(std::string(Columns[c]) + " is not UTF-8: save the spreadsheet as CSV UTF-8");
                continue;
            }
            const std::string quoted = std::string(Columns[c]) + " \"" + value + "\"";
            switch (c) {
            case Question:
                if (const auto n = wholeNumber(value, 1, modMain::QuestionCount))
                    row.question = *n;
                else
                    fail(quoted + " is not a question number from 1 to 50");
                break;
            case Entry:
                if (const auto n = wholeNumber(value, 1, MaxEntry))
                    row.entry = *n;
                else
                    fail(quoted + " is not an entry number from 1 to 32767");
                break;
            case Ans:
                if (wholeNumber(value, 1, 4))
                    *out = value;
                else
                    fail(quoted + " is not 1, 2, 3 or 4: no choice would be marked correct");
                break;
            case Type:
                if (value.empty() || wholeNumber(value, INT16_MIN, INT16_MAX))
                    *out = value;
                else
                    fail(quoted + " is not a whole number from -32768 to 32767");
                break;
            default:
                if (const std::string problem = writeText(value, *out); !problem.empty())
                    fail(std::string(Columns[c]) + ": " + problem);
                else if (c == Bmp)
                    checkPicture(value, record.row, column);
            }
        }
        if (!missing.empty())
            findings_.error(record.row,
                            "no " + missing + ": the row ends after " +
                                std::to_string(record.fields.size()) + " fields",
                            missingFrom);
        return row;
    }

    // Reports questions without rows, and entries repeated or missing; sorts the rows by entry.
    // A row without an entry number leaves its question's numbering unknown, and unreported.
    void checkEntries(std::vector<std::vector<Row>> &questions) {
        std::string empty; // the questions without rows, runs written "2 to 50"
        for (std::size_t q = 0; q < questions.size(); ++q) {
            std::vector<Row> &rows = questions[q];
            if (rows.empty()) {
                const bool runGoesOn = q > 0 && questions[q - 1].empty();
                const bool runEnds = q + 1 == questions.size() || !questions[q + 1].empty();
                if (!runGoesOn) empty += (empty.empty() ? "" : ", ") + std::to_string(q + 1);
                if (runGoesOn && runEnds) empty += " to " + std::to_string(q + 1);
                continue;
            }
            if (std::any_of(rows.begin(), rows.end(), [](const Row &r) { return r.entry == 0; }))
                continue;
            std::stable_sort(rows.begin(), rows.end(),
                             [](const Row &a, const Row &b) { return a.entry < b.entry; });
            long expected = 1;
            const Row *previous = nullptr;
            for (const Row &row : rows) {
                const std::string entry =
                    "entry " + std::to_string(row.entry) + " of question " + std::to_string(q + 1);
                if (previous && previous->entry == row.entry) {
                    findings_.error(row.row,
                                    entry + " again: it is on row " +
                                        std::to_string(previous->row) + " already",
                                    fields_[Entry] + 1);
                } else if (row.entry != expected) {
                    findings_.error(row.row,
                                    entry + " follows entry " + std::to_string(expected - 1) +
                                        ": entries run 1, 2, 3, … without gaps",
                                    fields_[Entry] + 1);
                }
                expected = row.entry + 1;
                previous = &row;
            }
        }
        if (!empty.empty())
            findings_.error(0, "no rows for question " + empty +
                                   ": every question needs at least an entry 1");
    }

private:
    // Sets out to text as stored in a question file; the problem, when it cannot be.
    static std::string writeText(const std::string &text, std::string &out) {
        if (text.find_first_of("\r\n") != std::string::npos)
            return "a line break inside a value: each value is one line of a question file";
        if (text.find('\0') != std::string::npos)
            return "a NUL character: the program reads the value only up to it";
        const check::Cp932Text encoded = check::encodeCp932(text);
        if (!encoded.problem.empty()) return encoded.problem;
        if (encoded.bytes.size() > quizra::MaxValueBytes)
            return std::to_string(encoded.bytes.size()) +
                   " bytes in Shift-JIS, more than the 999 the program reads";
        out = stored(encoded.bytes);
        return {};
    }

    void checkPicture(const std::string &bmp, std::size_t row, std::size_t column) {
        if (bmp.empty()) return;
        if (!quizra::staysInside(bmp)) {
            findings_.warning(
                row, "picture " + bmp + " lies outside the bank folder: it is never shown", column);
            return;
        }
        struct stat info;
        if (stat(quizra::resolvePath(directory_, bmp).c_str(), &info) != 0)
            findings_.warning(row,
                              "picture " + bmp + " is not found in " + directory_ +
                                  " (build copies no pictures)",
                              column);
    }

    const std::string &directory_;
    Findings &findings_;
    std::array<std::size_t, ColumnCount> fields_ = [] {
        std::array<std::size_t, ColumnCount> none;
        none.fill(NoField);
        return none;
    }();
};

std::string questionFile(const std::vector<Row> &rows) {
    std::string out = "[COUNT]\r\nALL=" + std::to_string(rows.size()) + "\r\n";
    for (const Row &row : rows) {
        out += "\r\n[SEC" + std::to_string(row.entry) + "]\r\n";
        for (std::size_t k = 0; k < row.values.size(); ++k)
            out += std::string(bankread::EntryKeys[k]) + "=" + row.values[k] + "\r\n";
    }
    return out;
}

} // namespace

Build build(std::string_view name, std::string_view csv, const std::string &directory) {
    Build result;
    Findings findings(std::string(name), result.diagnostics);
    if (csv.starts_with("\xEF\xBB\xBF")) csv.remove_prefix(3);
    const check::CsvFile file = check::readCsv(csv);
    if (!file.error.empty()) {
        findings.error(file.errorRow, file.error, file.errorColumn);
        return result;
    }
    if (file.records.empty()) {
        findings.error(0, "is empty: a bank spreadsheet starts with the header row");
        return result;
    }
    Builder builder(directory, findings);
    if (!builder.readHeader(file.records.front())) return result;

    std::vector<std::vector<Row>> questions(modMain::QuestionCount);
    for (std::size_t r = 1; r < file.records.size(); ++r)
        if (std::optional<Row> row = builder.readRow(file.records[r]); row && row->question > 0)
            questions[static_cast<std::size_t>(row->question - 1)].push_back(std::move(*row));
    builder.checkEntries(questions);
    std::stable_sort(result.diagnostics.begin(), result.diagnostics.end(),
                     [](const bankcheck::Diagnostic &a, const bankcheck::Diagnostic &b) {
                         return std::pair(a.line, a.column) < std::pair(b.line, b.column);
                     });
    if (bankcheck::countOf(result.diagnostics, bankcheck::Severity::Error) > 0) return result;
    for (const std::vector<Row> &rows : questions) {
        result.files.push_back(questionFile(rows));
        result.entries += rows.size();
    }
    return result;
}

} // namespace spreadsheet
