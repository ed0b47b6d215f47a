#include "report.h"

#include "bankcheck.h"
#include "json.h"

namespace bankcheck {
namespace {

const char *severityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

std::string counted(std::size_t count, const std::string &what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

} // namespace

void printText(std::ostream &out, const std::vector<Diagnostic> &diagnostics, int files) {
    for (const Diagnostic &d : diagnostics) {
        out << d.file;
        if (d.line > 0) out << ':' << d.line;
        out << ": " << severityName(d.severity) << ": " << d.message << '\n';
    }
    out << counted(static_cast<std::size_t>(files), "file")
        << " checked: " << counted(countOf(diagnostics, Severity::Error), "error") << ", "
        << counted(countOf(diagnostics, Severity::Warning), "warning") << '\n';
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
