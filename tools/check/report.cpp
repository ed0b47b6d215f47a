#include "report.h"

#include "bankcheck.h"
#include "json.h"
#include "terminaltext.h"
#include "translation.h"

namespace bankcheck {
namespace {

const char *severityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

// "1 error", "3 errors": one and many given, as languages make them.
std::string counted(std::size_t count, const std::string &one, const std::string &many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

void printDiagnostics(std::ostream &out, const std::vector<Diagnostic> &diagnostics,
                      std::size_t perFile, const std::vector<Unlisted> &unlisted) {
    std::size_t shown = 0, hidden = 0;
    auto more = unlisted.begin(); // in file order, as the diagnostics are
    const auto endOfFile = [&](const std::string &file) {
        if (more != unlisted.end() && more->file == file) {
            hidden += more->errors + more->warnings;
            ++more;
        }
        if (hidden > 0)
            out << check::tr("… and ") << hidden << check::tr(" more in ")
                << check::terminalText(file) << check::tr(" (--all shows them)") << '\n';
        shown = hidden = 0;
    };
    for (std::size_t i = 0; i < diagnostics.size(); ++i) {
        const Diagnostic &d = diagnostics[i];
        if (i > 0 && d.file != diagnostics[i - 1].file) endOfFile(diagnostics[i - 1].file);
        if (shown == perFile) {
            ++hidden;
            continue;
        }
        ++shown;
        out << check::terminalText(d.file);
        if (d.line > 0) out << ':' << d.line;
        if (d.line > 0 && d.column > 0) out << ':' << d.column;
        out << ": " << severityName(d.severity) << ": " << check::terminalLine(d.message) << '\n';
    }
    if (!diagnostics.empty()) endOfFile(diagnostics.back().file);
}

void printText(std::ostream &out, const std::vector<Diagnostic> &diagnostics, int files,
               std::size_t perFile, const std::string &folder,
               const std::vector<Unlisted> &unlisted) {
    printDiagnostics(out, diagnostics, perFile, unlisted);
    out << counted(static_cast<std::size_t>(files), check::tr("file"), check::tr("files"))
        << (folder.empty() ? std::string(check::tr(" checked: "))
                           : check::tr(" checked in ") + check::terminalText(folder) + ": ")
        << counted(countOf(diagnostics, Severity::Error, unlisted), check::tr("error"),
                   check::tr("errors"))
        << ", "
        << counted(countOf(diagnostics, Severity::Warning, unlisted), check::tr("warning"),
                   check::tr("warnings"))
        << '\n';
}

void printJson(std::ostream &out, const std::vector<Diagnostic> &diagnostics, int files) {
    out << "{\"diagnostics\": [";
    for (std::size_t i = 0; i < diagnostics.size(); ++i) {
        const Diagnostic &d = diagnostics[i];
        out << (i ? "," : "") << "\n  {\"file\": " << check::jsonString(d.file)
            << ", \"line\": " << (d.line > 0 ? std::to_string(d.line) : "null")
            << ", \"severity\": \"" << severityName(d.severity)
            << "\", \"message\": " << check::jsonString(d.message) << '}';
    }
    out << (diagnostics.empty() ? "" : "\n") << "], \"summary\": {\"files\": " << files
        << ", \"errors\": " << countOf(diagnostics, Severity::Error)
        << ", \"warnings\": " << countOf(diagnostics, Severity::Warning) << "}}\n";
}

} // namespace bankcheck
