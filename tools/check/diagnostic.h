#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bankcheck {

enum class Severity { Warning, Error };

// One problem found in a bank: where it is, how bad it is, and what the program will do.
struct Diagnostic {
    std::string file;     // the question file, as named on disk when it was found
    std::size_t line = 0; // 1-based; 0 when the problem concerns the whole file
    Severity severity = Severity::Warning;
    std::string message;    // UTF-8, one line
    std::size_t column = 0; // 1-based; 0 when the problem concerns the whole line
};

// The diagnostics of one file beyond those a report lists: only counted.
struct Unlisted {
    std::string file;
    std::size_t errors = 0, warnings = 0;
};

// Collects the diagnostics of one file.
class Findings {
public:
    Findings(std::string file, std::vector<Diagnostic> &into)
        : file_(std::move(file)), into_(into) {}

    void error(std::size_t line, std::string message, std::size_t column = 0) {
        add(line, Severity::Error, message, column);
    }
    void warning(std::size_t line, std::string message, std::size_t column = 0) {
        add(line, Severity::Warning, message, column);
    }

private:
    void add(std::size_t line, Severity severity, std::string &message, std::size_t column) {
        into_.push_back({file_, line, severity, std::move(message), column});
    }
    std::string file_;
    std::vector<Diagnostic> &into_;
};

} // namespace bankcheck
