#pragma once

#include "diagnostic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// One diagnostic a test expects: its line, its severity and a phrase of its message.
struct Expected {
    std::size_t line;
    bankcheck::Severity severity;
    std::string phrase;
};

inline std::string describe(const bankcheck::Diagnostic &d) {
    return d.file + ":" + std::to_string(d.line) + ": " +
           (d.severity == bankcheck::Severity::Error ? "error" : "warning") + ": " + d.message;
}

// Every expected diagnostic is there, in any order, and nothing else is.
inline void expectDiagnostics(const std::vector<bankcheck::Diagnostic> &got,
                              const std::vector<Expected> &expected) {
    std::vector<bool> matched(got.size(), false);
    for (const Expected &e : expected) {
        bool found = false;
        for (std::size_t i = 0; i < got.size() && !found; ++i) {
            if (matched[i] || got[i].line != e.line || got[i].severity != e.severity ||
                got[i].message.find(e.phrase) == std::string::npos)
                continue;
            matched[i] = found = true;
        }
        EXPECT_TRUE(found) << "missing: line " << e.line << " "
                           << (e.severity == bankcheck::Severity::Error ? "error" : "warning")
                           << " '" << e.phrase << "'";
    }
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_TRUE(matched[i]) << "unexpected: " << describe(got[i]);
}
