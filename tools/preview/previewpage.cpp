#include "previewpage.h"

#include "bankcheck.h"
#include "modMain.h"
#include "numbers.h"
#include "profile.h"
#include "terminaltext.h"

#include <algorithm>
#include <map>

namespace check {
namespace {

using bankcheck::Diagnostic;
using bankcheck::Severity;

constexpr const char *Style = R"(
body { font-family: sans-serif; margin: 1em 2em; color: #222; }
nav a { display: inline-block; min-width: 2em; text-align: center; text-decoration: none; }
nav a.error { background: #fdd; } nav a.warning { background: #ffd; }
h2 { border-top: 2px solid #888; padding-top: .5em; margin-top: 2em; }
.entry { display: flex; flex-wrap: wrap; gap: 1.5em; margin: 1em 0; align-items: flex-start; }
.entry img, .entry .none { border: 1px solid #888; max-width: 100%; height: auto; }
.entry img { width: min(781px, 62vw); } /* leaves room beside it for the answer and problems */
.entry > div:last-child { flex: 1; min-width: 20em; }
.entry .none { display: flex; align-items: center; justify-content: center; background: #eee; }
.entry h3 { margin: 0 0 .5em; } .line { font-weight: normal; color: #666; }
ul.diagnostics { padding-left: 1.2em; } .error { color: #b00; } .warning { color: #850; }
.clean { color: #060; }
)";

// text (UTF-8) as HTML: control characters, which a bank may hold, as the terminal shows them
// (\x1b), then markup characters as references.
std::string html(std::string_view text) {
    std::string out;
    for (const char c : terminalText(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string number(long n) {
    return quizra::integerText(n);
}

std::string counted(std::size_t count, const std::string &what) {
    return number(static_cast<long>(count)) + " " + what + (count == 1 ? "" : "s");
}

const char *severityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

// The diagnostics as a list in the checker's own FILE:LINE form.
void writeDiagnostics(std::ostream &out, const std::vector<const Diagnostic *> &diagnostics) {
    if (diagnostics.empty()) return;
    out << "<ul class=\"diagnostics\">\n";
    for (const Diagnostic *d : diagnostics) {
        out << "<li class=\"" << severityName(d->severity) << "\">" << html(d->file);
        if (d->line > 0) out << ':' << d->line;
        out << ": " << severityName(d->severity) << ": " << html(d->message) << "</li>\n";
    }
    out << "</ul>\n";
}

const bankread::Field &field(const bankread::Entry &entry, std::string_view key) {
    return *std::find_if(entry.fields.begin(), entry.fields.end(),
                         [&](const bankread::Field &f) { return f.key == key; });
}

// "(2) 右舷標識" for ans=2; otherwise what ans holds and that no choice is correct.
std::string correctAnswer(const bankread::Entry &entry) {
    const bankread::Field &ans = field(entry, "ans");
    if (!ans.number) return "ans=" + html(ans.text) + " overflows";
    if (*ans.number < 1 || *ans.number > 4)
        return "ans=" + html(ans.text) + ": no choice is marked correct";
    const long k = *ans.number;
    return "(" + number(k) + ") " + html(field(entry, "ans" + number(k)).text);
}

} // namespace

std::string entryName(int index, const std::string &section) {
    return "TOI" + number(index + 1) + "-" + section;
}

std::string countedProblems(const std::vector<Diagnostic> &diagnostics) {
    return counted(bankcheck::countOf(diagnostics, Severity::Error), "error") + ", " +
           counted(bankcheck::countOf(diagnostics, Severity::Warning), "warning");
}

IndexPage::IndexPage(std::ostream &out, std::string_view folder,
                     const std::vector<Diagnostic> &diagnostics, int thumbnailWidth,
                     int thumbnailHeight)
    : out_(out), byFile_(modMain::QuestionCount), thumbnailWidth_(thumbnailWidth),
      thumbnailHeight_(thumbnailHeight) {
    // The check gives the files' diagnostics in file order, under the names found on disk.
    std::size_t file = 0;
    for (const Diagnostic &d : diagnostics) {
        while (file < byFile_.size() &&
               !quizra::sameName(d.file, modMain::questionFileName(static_cast<int>(file))))
            ++file;
        if (file == byFile_.size()) break;
        byFile_[file].push_back(&d);
    }

    out_ << "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
         << "<title>Quizra preview: " << html(folder) << "</title>\n<style>" << Style
         << "</style>\n</head>\n<body>\n<h1>Quizra preview: " << html(folder) << "</h1>\n"
         << "<p>Every entry the draw can pick, as the exam window shows it; "
         << countedProblems(diagnostics) << ".</p>\n<nav>";
    for (std::size_t i = 0; i < byFile_.size(); ++i) {
        const auto worst = std::max_element(
            byFile_[i].begin(), byFile_[i].end(),
            [](const Diagnostic *a, const Diagnostic *b) { return a->severity < b->severity; });
        const std::string name = modMain::questionFileName(static_cast<int>(i));
        out_ << "<a href=\"#" << name << "\""
             << (worst == byFile_[i].end()
                     ? std::string()
                     : std::string(" class=\"") + severityName((*worst)->severity) + "\"")
             << ">" << i + 1 << "</a> ";
    }
    out_ << "</nav>\n";
}

void IndexPage::addFile(int index, const bankread::QuestionFile &file,
                        const std::vector<PreviewRow> &rows) {
    // Each diagnostic goes beside the entry whose section holds its line; the rest to the file.
    std::map<std::size_t, std::size_t> rowAtLine;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (rows[r].firstLine > 0) rowAtLine[rows[r].firstLine] = r;
    std::vector<std::vector<const Diagnostic *>> ofRow(rows.size());
    std::vector<const Diagnostic *> ofFile;
    for (const Diagnostic *d : byFile_[static_cast<std::size_t>(index)]) {
        auto after = rowAtLine.upper_bound(d->line);
        if (after != rowAtLine.begin() && d->line < rows[std::prev(after)->second].endLine)
            ofRow[std::prev(after)->second].push_back(d);
        else
            ofFile.push_back(d);
    }

    out_ << "<h2 id=\"" << html(file.name) << "\">" << html(file.name) << ": question " << index + 1
         << "</h2>\n<p>" << html(file.state) << ", ALL=" << html(file.countText);
    if (!file.entries.empty())
        out_ << ", " << (file.entries.size() == 1 ? "every exam takes " : "exams draw ") << '['
             << html(file.entries.front().section) << ']'
             << (file.entries.size() == 1 ? "" : " to [" + html(file.entries.back().section) + "]");
    out_ << "</p>\n";
    writeDiagnostics(out_, ofFile);

    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].firstLine > 0) {
            writeEntry(index, rows[r], ofRow[r]);
            continue;
        }
        // A run of entries the file lacks: each shows the same empty question.
        std::size_t last = r;
        while (last + 1 < rows.size() && rows[last + 1].firstLine == 0)
            ++last;
        out_ << "<div class=\"entry\"><div><h3>[" << html(rows[r].entry->section) << ']'
             << (last == r ? "" : " to [" + html(rows[last].entry->section) + "]")
             << "</h3><p>Not in the file: an exam that draws " << (last == r ? "it" : "one")
             << " shows question " << index + 1 << " empty.</p></div></div>\n";
        r = last;
    }
}

void IndexPage::writeEntry(int index, const PreviewRow &row,
                           const std::vector<const Diagnostic *> &diagnostics) {
    const bankread::Entry &entry = *row.entry;
    out_ << "<div class=\"entry\" id=\"" << html(entryName(index, entry.section)) << "\">";
    if (row.picture.empty())
        out_ << "<div class=\"none\" style=\"width:" << thumbnailWidth_
             << "px;height:" << thumbnailHeight_
             << "px\">An exam that draws it does not start.</div>";
    else
        out_ << "<a href=\"" << html(row.picture) << "\"><img src=\"" << html(row.picture)
             << "\" width=\"" << thumbnailWidth_ << "\" height=\"" << thumbnailHeight_
             << "\" alt=\"" << html(field(entry, "bun").text) << "\" loading=\"lazy\"></a>";
    out_ << "\n<div><h3>[" << html(entry.section) << "] <span class=\"line\">line " << row.firstLine
         << "</span></h3>\n<p>Correct answer: " << correctAnswer(entry) << "</p>\n";
    if (diagnostics.empty()) out_ << "<p class=\"clean\">No problems found.</p>\n";
    writeDiagnostics(out_, diagnostics);
    out_ << "</div></div>\n";
}

void IndexPage::finish() {
    out_ << "</body>\n</html>\n";
}

} // namespace check
