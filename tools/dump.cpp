// quizra-check dump [DIR] [--json]: every question file with its count and every entry the draw
// can pick, each field as the program reads it.

#include "bankread.h"
#include "commands.h"
#include "files.h"
#include "json.h"
#include "modMain.h"
#include "terminaltext.h"
#include "translation.h"

#include <iostream>

namespace check {
namespace {

using namespace bankread;

void printText(const QuestionFile &file) {
    std::cout << file.name << ": " << file.state << check::tr(", count ");
    if (file.count)
        std::cout << jsonNumber(*file.count);
    else
        std::cout << '"' << terminalText(file.countText) << '"';
    if (file.entries.size() == 1)
        std::cout << check::tr(", entry ") << file.entries.front().section;
    else if (!file.entries.empty())
        std::cout << check::tr(", entries ") << file.entries.front().section << ".."
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
                std::cout << check::tr("overflow");
            std::cout << '\n';
        }
        if (!entry.error.empty()) std::cout << "    error: " << terminalLine(entry.error) << '\n';
    }
}

void printJson(const QuestionFile &file, bool first) {
    std::cout << (first ? "" : ",") << "\n  {\"file\": " << jsonString(file.name)
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

} // namespace

int dump(Arguments arguments) {
    BankArguments parsed;
    if (!parseBankArguments(arguments, parsed)) return BadUsage;
    const auto [directory, json, all] = parsed;
    if (all) return BadUsage;
    if (!useBankDirectory(directory)) return 1;

    // One file at a time: a bank's entries may run to millions.
    if (json)
        std::cout << "{\"directory\": " << jsonString(quizra::bankDirectory()) << ", \"files\": [";
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        if (json)
            printJson(readQuestionFile(i), i == 0);
        else
            printText(readQuestionFile(i));
    }
    if (json) std::cout << "\n]}\n";
    return 0;
}

} // namespace check
