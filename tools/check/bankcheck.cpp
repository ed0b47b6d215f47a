#include "bankcheck.h"

#include "bankpaths.h"
#include "checkparts.h"
#include "cp932.h"
#include "files.h"
#include "modMain.h"
#include "numbers.h"
#include "translation.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <exception>
#include <iterator>
#include <mutex>
#include <new>
#include <optional>
#include <thread>

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

namespace {

// A file of more lines than this is not taken apart: the checker's memory grows with the lines,
// and a full file of 32,767 entries has about 330,000.
constexpr std::size_t MaxCheckedLines = 1'000'000;

std::size_t lineCount(std::string_view bytes) {
    quizra::ProfileScanner scanner(bytes);
    quizra::ProfileLine line;
    std::size_t lines = 0;
    while (scanner.next(line, quizra::ProfileScanner::Detail::KindOnly))
        ++lines;
    return lines;
}

std::string questionText(int index) {
    return check::tr("question ") + quizra::integerText(index + 1);
}

// The diagnostic for a question file that cannot be read.
void reportUnreadable(int index, int errorNumber, Findings &findings) {
    if (errorNumber == EFBIG)
        findings.error(0, check::tr("larger than ") +
                              quizra::integerText(quizra::MaxFileBytes >> 20) +
                              check::tr(" MiB, more than the program reads: no exam will start"));
    else
        findings.error(0, check::tr("cannot be read (") + std::strerror(errorNumber) +
                              "): " + questionText(index) + check::tr(" of every exam is empty"));
}

} // namespace

std::vector<Diagnostic> checkQuestionFile(std::string_view name, std::string_view bytes,
                                          const PictureLoader &pictures,
                                          const ChoiceMeter &choices) {
    std::vector<Diagnostic> diagnostics;
    Findings findings{std::string(name), diagnostics};
    if (const std::size_t lines = lineCount(bytes); lines > MaxCheckedLines)
        findings.error(0,
                       quizra::integerText(static_cast<long>(lines)) +
                           check::tr(" lines, too many to check (a full file of 32767 entries has "
                                     "about 330000)"));
    else if (const DecodedFile decoded(bytes); checkEncoding(bytes, decoded, findings)) {
        const ProfileIndex index(bytes);
        checkStructure(index, bytes.starts_with("\xEF\xBB\xBF"), findings);
        checkEntries(index, decoded, pictures, choices, findings);
    }
    std::stable_sort(diagnostics.begin(), diagnostics.end(),
                     [](const Diagnostic &a, const Diagnostic &b) { return a.line < b.line; });
    return diagnostics;
}

std::vector<Diagnostic> checkBankFile(const std::string &directory, int index,
                                      const PictureLoader &pictures, const ChoiceMeter &choices) {
    std::vector<Diagnostic> diagnostics;
    const std::string name = modMain::questionFileName(index);
    std::string onDisk = name;
    // A file the checker cannot handle is one error, never the end of the check.
    try {
        const std::string exact = quizra::joinPath(directory, name);
        const std::string found = quizra::resolvePath(directory, name);
        onDisk = found.substr(found.rfind('/') + 1);
        Findings findings{onDisk, diagnostics};
        if (found != exact)
            findings.warning(0,
                             check::tr("found only ignoring case: the program looks for ") + name);
        if (const std::string target = check::linkedOutside(directory, found); !target.empty())
            findings.warning(
                0, check::tr("is a symbolic link to ") + target +
                       check::tr(", outside the bank folder: the program reads it all the same"));

        const quizra::FileBytes file = quizra::readFileIn(directory, name);
        if (file.status == quizra::FileBytes::Status::NotFound)
            findings.error(0, check::tr("missing: ") + questionText(index) +
                                  check::tr(" of every exam is empty"));
        else if (file.status == quizra::FileBytes::Status::Error)
            reportUnreadable(index, file.errorNumber, findings);
        else
            for (Diagnostic &diagnostic : checkQuestionFile(onDisk, file.bytes, pictures, choices))
                diagnostics.push_back(std::move(diagnostic));
    } catch (const std::bad_alloc &) {
        Findings{onDisk, diagnostics}.error(0, check::tr("cannot be checked: not enough memory"));
    } catch (const std::exception &error) {
        Findings{onDisk, diagnostics}.error(0, check::tr("cannot be checked: ") + error.what());
    }
    return diagnostics;
}

namespace {

// One file's findings as a report lists them: the first listedPerFile, the rest counted.
BankFindings listed(std::vector<Diagnostic> diagnostics, std::size_t listedPerFile) {
    BankFindings findings;
    if (diagnostics.size() > listedPerFile) {
        Unlisted &more = findings.unlisted.emplace_back();
        more.file = diagnostics[listedPerFile].file;
        for (auto d = diagnostics.begin() + static_cast<std::ptrdiff_t>(listedPerFile);
             d != diagnostics.end(); ++d)
            ++(d->severity == Severity::Error ? more.errors : more.warnings);
        diagnostics.resize(listedPerFile);
    }
    findings.listed = std::move(diagnostics);
    return findings;
}

} // namespace

BankFindings checkBank(const std::string &directory, const PictureLoader &pictures,
                       const ChoiceMeter &choices, std::size_t listedPerFile) {
    // The files are checked on one thread per core, each file whole by one thread. What is found
    // joins the result in file order as soon as the files before it are done, so that a bank of a
    // million warnings is not held twice.
    BankFindings result;
    std::array<std::optional<BankFindings>, modMain::QuestionCount> done;
    std::size_t joined = 0;
    std::mutex joining;
    std::exception_ptr failure; // what the calling thread raises once the threads are done
    std::atomic<int> next{0};
    const auto checkFiles = [&] {
        try {
            for (int i; (i = next++) < modMain::QuestionCount;) {
                BankFindings found =
                    listed(checkBankFile(directory, i, pictures, choices), listedPerFile);
                const std::lock_guard lock(joining);
                done[static_cast<std::size_t>(i)] = std::move(found);
                for (; joined < done.size() && done[joined]; ++joined) {
                    std::move(done[joined]->listed.begin(), done[joined]->listed.end(),
                              std::back_inserter(result.listed));
                    std::move(done[joined]->unlisted.begin(), done[joined]->unlisted.end(),
                              std::back_inserter(result.unlisted));
                    done[joined].reset();
                }
            }
        } catch (...) {
            const std::lock_guard lock(joining);
            if (!failure) failure = std::current_exception();
        }
    };
    choices.runOnThreads(checkFiles, std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    if (failure) std::rethrow_exception(failure);
    return result;
}

std::size_t countOf(const std::vector<Diagnostic> &diagnostics, Severity severity,
                    const std::vector<Unlisted> &unlisted) {
    std::size_t count = static_cast<std::size_t>(
        std::count_if(diagnostics.begin(), diagnostics.end(),
                      [&](const Diagnostic &d) { return d.severity == severity; }));
    for (const Unlisted &more : unlisted)
        count += severity == Severity::Error ? more.errors : more.warnings;
    return count;
}

int exitStatus(const std::vector<Diagnostic> &diagnostics, const std::vector<Unlisted> &unlisted) {
    if (countOf(diagnostics, Severity::Error, unlisted) > 0) return 2;
    return diagnostics.empty() && unlisted.empty() ? 0 : 1;
}

} // namespace bankcheck
