#include "bankcheck.h"

#include "checkparts.h"
#include "cp932.h"
#include "files.h"
#include "modMain.h"
#include "numbers.h"

#include <algorithm>
#include <cstring>

namespace bankcheck {

std::string shown(std::string_view cp932) {
    return quizra::decodeCp932(cp932);
}

std::optional<long> entryOfSection(std::string_view name) {
    if (name.size() < 4 || !quizra::sameName(name.substr(0, 3), "SEC")) return std::nullopt;
    std::string_view digits = name.substr(3);
    const bool negative = digits.starts_with('-');
    if (negative) digits.remove_prefix(1);
    constexpr std::size_t MaxDigits = 9; // far beyond any entry number, well within a long
    if (digits.empty() || digits.size() > MaxDigits ||
        digits.find_first_not_of("0123456789") != std::string_view::npos ||
        (digits.front() == '0' && (digits.size() > 1 || negative)))
        return std::nullopt;
    long k = 0;
    for (const char c : digits)
        k = k * 10 + (c - '0');
    return negative ? -k : k;
}

std::vector<Diagnostic> checkQuestionFile(std::string_view name, std::string_view bytes,
                                          const PictureLoader &pictures,
                                          const ChoiceMeter &choices) {
    std::vector<Diagnostic> diagnostics;
    Findings findings{std::string(name), diagnostics};
    if (checkEncoding(bytes, findings)) {
        const ProfileIndex index(bytes);
        checkStructure(index, bytes.starts_with("\xEF\xBB\xBF"), findings);
        checkEntries(index, pictures, choices, findings);
    }
    std::stable_sort(diagnostics.begin(), diagnostics.end(),
                     [](const Diagnostic &a, const Diagnostic &b) { return a.line < b.line; });
    return diagnostics;
}

std::vector<Diagnostic> checkBank(const std::string &directory, const PictureLoader &pictures,
                                  const ChoiceMeter &choices) {
    std::vector<Diagnostic> diagnostics;
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        const std::string name = modMain::questionFileName(i);
        const std::string exact = quizra::joinPath(directory, name);
        const std::string found = quizra::resolvePath(directory, name);
        const std::string onDisk = found.substr(found.rfind('/') + 1);
        Findings findings{onDisk, diagnostics};
        if (found != exact)
            findings.warning(0, "found only ignoring case: the program looks for " + name);

        const quizra::FileBytes file = quizra::readFileIn(directory, name);
        const std::string question = "question " + quizra::integerText(i + 1);
        if (file.status == quizra::FileBytes::Status::NotFound)
            findings.error(0, "missing: " + question + " of every exam is empty");
        else if (file.status == quizra::FileBytes::Status::Error)
            findings.error(0, std::string("cannot be read (") + std::strerror(file.errorNumber) +
                                  "): " + question + " of every exam is empty");
        else
            for (Diagnostic &diagnostic : checkQuestionFile(onDisk, file.bytes, pictures, choices))
                diagnostics.push_back(std::move(diagnostic));
    }
    return diagnostics;
}

std::size_t countOf(const std::vector<Diagnostic> &diagnostics, Severity severity) {
    return static_cast<std::size_t>(
        std::count_if(diagnostics.begin(), diagnostics.end(),
                      [&](const Diagnostic &d) { return d.severity == severity; }));
}

int exitStatus(const std::vector<Diagnostic> &diagnostics) {
    if (countOf(diagnostics, Severity::Error) > 0) return 2;
    return diagnostics.empty() ? 0 : 1;
}

} // namespace bankcheck
