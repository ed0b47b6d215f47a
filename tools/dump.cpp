// quizra-check dump [DIR] [--json]: every question file with its count and every entry the draw
// can pick, each field as the program reads it.

#include "bankread.h"
#include "commands.h"
#include "files.h"
#include "json.h"
#include "modMain.h"
#include "terminaltext.h"

#include <iostream>
#include <vector>

namespace check {
namespace {

using namespace bankread;

void printText(const std::vector<QuestionFile> &files) {
    for (const QuestionFile &file : files) {
        std::cout << file.name << ": " << file.state << ", count ";
        if (file.count)
            std::cout << jsonNumber(*file.count);
        else
            std::cout << '"' << terminalText(file.countText) << '"';
        if (file.entries.size() == 1)
            std::cout << ", entry " << file.entries.front().section;
        else if (!file.entries.empty())
            std::cout << ", entries " << file.entries.front().section << ".."
                      << file.entries.back().section;
        std::cout << '\n';
        if (!file.error.empty()) std::cout << "  error: " << terminalLine(file.error) << '\n';
        for (const Entry &entry : file.entries) {
            std::cout << "  [" << entry.section << "]\n";
            for (const Field &field : entry.fields) {
                std::cout << "    " << field.key << '=';
                if (!isNumberKey(field.key))
                    std::cout << terminalLine(field.text);
                else if (field.number)
                    std::cout << *field.number;
                else
                    std::cout << "overflow";
                std::cout << '\n';
            }
            if (!entry.error.empty())
                std::cout << "    error: " << terminalLine(entry.error) << '\n';
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
    const auto [directory, json, all] = parsed;
    if (all) return BadUsage;
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
