// quizra-check dump [DIR] [--json]: every question file with its count and every entry the draw
// can pick, each field as the program reads it.

#include "commands.h"
#include "cp932.h"
#include "error.h"
#include "files.h"
#include "json.h"
#include "modMain.h"
#include "numbers.h"
#include "profile.h"

#include <cmath>
#include <cstring>
#include <iostream>
#include <optional>
#include <vector>

namespace check {
namespace {

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
    std::string error; // set when the count cannot give an entry number
    std::vector<Entry> entries;
};

bool isNumberKey(std::string_view key) {
    return key == "ans" || key == "type";
}

// Reads one file once, then every value from those bytes as GetIniString would.
QuestionFile readQuestionFile(int index) {
    QuestionFile file;
    file.name = modMain::questionFileName(index);
    const quizra::FileBytes bytes = quizra::readFileIn(quizra::programDirectory(), file.name);
    switch (bytes.status) {
    case quizra::FileBytes::Status::Ok:
        file.state = "ok";
        break;
    case quizra::FileBytes::Status::NotFound:
        file.state = "missing";
        break;
    case quizra::FileBytes::Status::Error:
        file.state = std::string("unreadable: ") + std::strerror(bytes.errorNumber);
    }
    const auto read = [&](std::string_view section, std::string_view key) {
        return quizra::decodeCp932(quizra::profileValue(bytes.bytes, section, key));
    };

    file.countText = read("COUNT", "ALL");
    std::int16_t first = 0, last = 0;
    try {
        file.count = quizra::textToNumber(file.countText);
        // The draw's r lies in [0, 1): these two ends give the whole range of entry numbers.
        const std::int16_t low = modMain::entryNumber(0.0, *file.count);
        const std::int16_t high = modMain::entryNumber(std::nextafter(1.0, 0.0), *file.count);
        first = std::min(low, high);
        last = std::max(low, high);
    } catch (const quizra::QuizraError &error) {
        file.error = error.description();
        return file;
    }

    for (int k = first; k <= last; ++k) {
        Entry entry;
        entry.section = modMain::entrySection(static_cast<std::int16_t>(k));
        for (const char *key : {"bun", "ans1", "ans2", "ans3", "ans4", "ans", "bmp", "type"}) {
            Field field{key, read(entry.section, key), std::nullopt};
            if (isNumberKey(key)) {
                try {
                    field.number = quizra::toInteger16(quizra::textToNumber(field.text));
                } catch (const quizra::QuizraError &error) {
                    entry.error = error.description() + " (" + key + "=" + field.text + ")";
                }
            }
            entry.fields.push_back(std::move(field));
        }
        file.entries.push_back(std::move(entry));
    }
    return file;
}

void printText(const std::vector<QuestionFile> &files) {
    for (const QuestionFile &file : files) {
        std::cout << file.name << ": " << file.state << ", count ";
        if (file.count)
            std::cout << jsonNumber(*file.count);
        else
            std::cout << '"' << file.countText << '"';
        if (file.entries.size() == 1)
            std::cout << ", entry " << file.entries.front().section;
        else if (!file.entries.empty())
            std::cout << ", entries " << file.entries.front().section << ".."
                      << file.entries.back().section;
        std::cout << '\n';
        if (!file.error.empty()) std::cout << "  error: " << file.error << '\n';
        for (const Entry &entry : file.entries) {
            std::cout << "  [" << entry.section << "]\n";
            for (const Field &field : entry.fields) {
                std::cout << "    " << field.key << '=';
                if (!isNumberKey(field.key))
                    std::cout << field.text;
                else if (field.number)
                    std::cout << *field.number;
                else
                    std::cout << "overflow";
                std::cout << '\n';
            }
            if (!entry.error.empty()) std::cout << "    error: " << entry.error << '\n';
        }
    }
}

void printJson(const std::vector<QuestionFile> &files) {
    std::cout << "{\"directory\": " << jsonString(quizra::programDirectory()) << ", \"files\": [";
    for (std::size_t f = 0; f < files.size(); ++f) {
        const QuestionFile &file = files[f];
        std::cout << (f ? "," : "") << "\n  {\"file\": " << jsonString(file.name)
                  << ", \"state\": " << jsonString(file.state)
                  << ", \"count\": " << (file.count ? jsonNumber(*file.count) : "null")
                  << ", \"countText\": " << jsonString(file.countText);
        if (!file.error.empty()) std::cout << ", \"error\": " << jsonString(file.error);
        std::cout << ", \"entries\": [";
        for (std::size_t e = 0; e < file.entries.size(); ++e) {
            const Entry &entry = file.entries[e];
            std::cout << (e ? "," : "") << "\n    {\"section\": " << jsonString(entry.section);
            for (const Field &field : entry.fields) {
                std::cout << ", \"" << field.key << "\": ";
                if (!isNumberKey(field.key))
                    std::cout << jsonString(field.text);
                else if (field.number)
                    std::cout << *field.number;
                else
                    std::cout << "null";
            }
            if (!entry.error.empty()) std::cout << ", \"error\": " << jsonString(entry.error);
            std::cout << '}';
        }
        std::cout << (file.entries.empty() ? "]}" : "\n  ]}");
    }
    std::cout << "\n]}\n";
}

} // namespace

int dump(Arguments arguments) {
    BankArguments parsed;
    if (!parseBankArguments(arguments, parsed)) return BadUsage;
    const auto [directory, json] = parsed;
    if (!useBankDirectory(directory)) return 1;

    std::vector<QuestionFile> files;
    for (int i = 0; i < modMain::QuestionCount; ++i)
        files.push_back(readQuestionFile(i));
    if (json)
        printJson(files);
    else
        printText(files);
    return 0;
}

} // namespace check
