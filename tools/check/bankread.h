#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A bank as the program reads it: every question file, its count, and every entry the draw can
// pick with each field as GetIniString delivers it. dump, export and preview show it.
namespace bankread {

struct Field {
    const char *key;
    std::string text;                   // as read
    std::optional<std::int16_t> number; // "ans" and "type": the number, unless it overflowed
};

struct Entry {
    std::string section;
    std::vector<Field> fields; // in the order the draw reads them
    std::string error;         // set when a number overflows
};

struct QuestionFile {
    std::string name;
    std::string state; // "ok", "missing" or "unreadable: reason"
    std::string countText;
    std::optional<double> count;
    std::string error; // set when some draw or every draw gives no entry number
    std::vector<Entry> entries;
};

// The keys of an entry, in the order the draw reads them.
inline constexpr const char *EntryKeys[] = {"bun",  "ans1", "ans2", "ans3",
                                            "ans4", "ans",  "bmp",  "type"};

// "ans" and "type" are numbers; the other keys are texts.
bool isNumberKey(std::string_view key);

// Question file index (0 for TOI1.ini) of the bank in the bank folder (bankDirectory), read in time
// linear in the file's size.
QuestionFile readQuestionFile(int index);

// The same for a question file named name that holds bytes.
QuestionFile readQuestionBytes(const std::string &name, std::string_view bytes);

} // namespace bankread
