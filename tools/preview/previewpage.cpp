#include "previewpage.h"

#include "bankcheck.h"
#include "modMain.h"
#include "numbers.h"
#include "profile.h"
#include "terminaltext.h"
#include "translation.h"

#include <algorithm>
#include <map>

namespace check {
namespace {

using bankcheck::Diagnostic;
using bankcheck::Severity;

// The checkbox #only, placed before main, hides every entry and file without a problem when it
// is ticked: no script and nothing outside the page.
constexpr const char *Style = R"(
body { font-family: sans-serif; margin: 1em 2em; color: #222; }
nav a { display: inline-block; min-width: 2em; text-align: center; text-decoration: none; }
nav a.error { background: #fdd; } nav a.warning { background: #ffd; }
h2 { border-top: 2px solid #888; padding-top: .5em; margin-top: 2em; }
#problems h2 { border: none; margin-top: 1em; } ol.problems { padding-left: 2em; }
.where { color: #666; }
#only:checked ~ main .entry:not(.problem), #only:checked ~ main section:not(.problem) { display: none; }
.entry { display: flex; flex-wrap: wrap; gap: 1.5em; margin: 1em 0; align-items: flex-start; }
.entry.problem { border-left: 6px solid #d90; padding-left: 1em; }
.entry.problem.error { border-left-color: #c00; }
.entry img, .entry .none { border: 1px solid #888; max-width: 100%; height: auto; }
.entry img { width: min(781px, 62vw); } /* leaves room beside it for the answer and problems */
.entry > div:last-child { flex: 1; min-width: 20em; }
.entry .none { display: flex; align-items: center; justify-content: center; background: #eee; }
.entry h3 { margin: 0 0 .5em; } .line { font-weight: normal; color: #666; }
.mark { font-size: 80%; padding: 0 .4em; border-radius: .3em; color: #fff; background: #b70; }
.mark.error { background: #b00; }
ul.diagnostics { padding-left: 1.2em; } li.error { color: #b00; } li.warning { color: #850; }
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

// "1 error", "3 errors": one and many given, as languages make them.
std::string counted(std::size_t count, const std::string &one, const std::string &many) {
    return number(static_cast<long>(count)) + " " + (count == 1 ? one : many);
}

const char *severityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

// "TOI1.ini:13: error: message", the checker's own form.
std::string diagnosticText(const Diagnostic &d) {
    return html(d.file) + (d.line > 0 ? ":" + number(static_cast<long>(d.line)) : "") + ": " +
           severityName(d.severity) + ": " + html(d.message);
}

// The worst severity among diagnostics, which must not be empty.
Severity worst(const std::vector<const Diagnostic *> &diagnostics) {
    return (*std::max_element(
                diagnostics.begin(), diagnostics.end(),
                [](const Diagnostic *a, const Diagnostic *b) { return a->severity < b->severity; }))
        ->severity;
}

// " class=\"error\"" for a list holding an error; "" for an empty list.
std::string worstClass(const std::vector<const Diagnostic *> &diagnostics) {
    if (diagnostics.empty()) return {};
    return std::string(" class=\"") + severityName(worst(diagnostics)) + "\"";
}

void writeDiagnostics(std::ostream &out, const std::vector<const Diagnostic *> &diagnostics) {
    if (diagnostics.empty()) return;
    out << "<ul class=\"diagnostics\">\n";
    for (const Diagnostic *d : diagnostics)
        out << "<li class=\"" << severityName(d->severity) << "\">" << diagnosticText(*d)
            << "</li>\n";
    out << "</ul>\n";
}

const bankread::Field &field(const bankread::Entry &entry, std::string_view key) {
    return *std::find_if(entry.fields.begin(), entry.fields.end(),
                         [&](const bankread::Field &f) { return f.key == key; });
}

// "(2) 右舷標識" for ans=2; otherwise what ans holds and that no choice is correct.
std::string correctAnswer(const bankread::Entry &entry) {
    const bankread::Field &ans = field(entry, "ans");
    if (!ans.number) return "ans=" + html(ans.text) + check::tr(" overflows");
    if (*ans.number < 1 || *ans.number > 4)
        return "ans=" + html(ans.text) + check::tr(": no choice is marked correct");
    const long k = *ans.number;
    return "(" + number(k) + ") " + html(field(entry, "ans" + number(k)).text);
}

// "line 40", and "spreadsheet row 12" when build wrote the entry from one.
std::string place(const PreviewRow &row) {
    std::string text = check::tr("line ") + number(static_cast<long>(row.firstLine));
    if (row.spreadsheetRow > 0)
        text += check::tr(", spreadsheet row ") + number(static_cast<long>(row.spreadsheetRow));
    return text;
}

// Every diagnostic of one question file, beside the entry whose section holds its line or, when
// none does, under the file's heading.
struct PlacedDiagnostics {
    std::vector<const Diagnostic *> ofFile;
    std::vector<std::vector<const Diagnostic *>> ofRow;
};

PlacedDiagnostics placeDiagnostics(const std::vector<const Diagnostic *> &diagnostics,
                                   const std::vector<PreviewRow> &rows) {
    std::map<std::size_t, std::size_t> rowAtLine;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (rows[r].firstLine > 0) rowAtLine[rows[r].firstLine] = r;
    PlacedDiagnostics placed{{}, std::vector<std::vector<const Diagnostic *>>(rows.size())};
    for (const Diagnostic *d : diagnostics) {
        auto after = rowAtLine.upper_bound(d->line);
        if (after != rowAtLine.begin() && d->line < rows[std::prev(after)->second].endLine)
            placed.ofRow[std::prev(after)->second].push_back(d);
        else
            placed.ofFile.push_back(d);
    }
    return placed;
}

class PageWriter {
public:
    PageWriter(std::ostream &out, const std::vector<PreviewFile> &files, int thumbnailWidth,
               int thumbnailHeight)
        : out_(out), files_(files), thumbnailWidth_(thumbnailWidth),
          thumbnailHeight_(thumbnailHeight) {}

    void write(std::string_view folder, const std::vector<Diagnostic> &diagnostics) {
        placeAll(diagnostics);
        out_ << "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
             << "<title>" << check::tr("Quizra preview: ") << html(folder) << "</title>\n<style>"
             << Style << "</style>\n</head>\n<body>\n<h1>" << check::tr("Quizra preview: ")
             << html(folder) << "</h1>\n<p>"
             << check::tr("Every entry the draw can pick, as the exam window shows it; ")
             << countedProblems(diagnostics) << ".</p>\n<nav>";
        for (std::size_t i = 0; i < files_.size(); ++i)
            out_ << "<a href=\"#" << html(files_[i].file.name) << "\"" << worstClass(byFile_[i])
                 << ">" << i + 1 << "</a> ";
        out_ << "</nav>\n";
        writeProblems();
        out_ << "<main>\n";
        for (std::size_t i = 0; i < files_.size(); ++i)
            writeFile(static_cast<int>(i));
        out_ << "</main>\n</body>\n</html>\n";
    }

private:
    // Splits the check's diagnostics by file (it gives them in file order, under the names found
    // on disk), then by entry.
    void placeAll(const std::vector<Diagnostic> &diagnostics) {
        byFile_.resize(files_.size());
        std::size_t file = 0;
        for (const Diagnostic &d : diagnostics) {
            while (file < files_.size() && !quizra::sameName(d.file, files_[file].file.name))
                ++file;
            if (file == files_.size()) break;
            byFile_[file].push_back(&d);
        }
        for (std::size_t i = 0; i < files_.size(); ++i)
            placed_.push_back(placeDiagnostics(byFile_[i], files_[i].rows));
    }

    // Every problem, errors first, each in bank order and linked to where it stands.
    void writeProblems() {
        struct Problem {
            const Diagnostic *diagnostic;
            std::string anchor, where;
        };
        std::vector<Problem> problems;
        for (std::size_t i = 0; i < files_.size(); ++i) {
            const std::string fileAnchor = html(files_[i].file.name);
            for (const Diagnostic *d : placed_[i].ofFile)
                problems.push_back({d, fileAnchor, ""});
            for (std::size_t r = 0; r < files_[i].rows.size(); ++r) {
                const PreviewRow &row = files_[i].rows[r];
                for (const Diagnostic *d : placed_[i].ofRow[r])
                    problems.push_back({d, html(entryName(static_cast<int>(i), row.entry->section)),
                                        "[" + html(row.entry->section) + "], " + place(row)});
            }
        }
        std::stable_sort(problems.begin(), problems.end(), [](const Problem &a, const Problem &b) {
            return a.diagnostic->severity > b.diagnostic->severity;
        });
        out_ << "<section id=\"problems\"><h2>" << check::tr("Problems") << "</h2>\n";
        if (problems.empty()) {
            out_ << "<p class=\"clean\">" << check::tr("No problems found.") << "</p></section>\n";
            return;
        }
        out_ << "<ol class=\"problems\">\n";
        for (const Problem &p : problems) {
            out_ << "<li class=\"" << severityName(p.diagnostic->severity) << "\"><a href=\"#"
                 << p.anchor << "\">" << diagnosticText(*p.diagnostic) << "</a>";
            if (!p.where.empty()) out_ << " <span class=\"where\">" << p.where << "</span>";
            out_ << "</li>\n";
        }
        out_ << "</ol></section>\n<input type=\"checkbox\" id=\"only\"> <label for=\"only\">"
             << check::tr("Show only the entries with problems") << "</label>\n";
    }

    void writeFile(int index) {
        const auto i = static_cast<std::size_t>(index);
        const bankread::QuestionFile &file = files_[i].file;
        const std::vector<PreviewRow> &rows = files_[i].rows;
        out_ << "<section" << (byFile_[i].empty() ? "" : " class=\"problem\"") << ">\n<h2 id=\""
             << html(file.name) << "\">" << html(file.name) << check::tr(": question ") << index + 1
             << "</h2>\n<p>" << html(file.state) << ", ALL=" << html(file.countText);
        if (!file.entries.empty())
            out_ << ", "
                 << (file.entries.size() == 1 ? check::tr("every exam takes ")
                                              : check::tr("exams draw "))
                 << '[' << html(file.entries.front().section) << ']'
                 << (file.entries.size() == 1
                         ? ""
                         : check::tr(" to [") + html(file.entries.back().section) + "]");
        out_ << "</p>\n";
        writeDiagnostics(out_, placed_[i].ofFile);

        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (rows[r].firstLine > 0) {
                writeEntry(index, rows[r], placed_[i].ofRow[r]);
                continue;
            }
            // A run of entries the file lacks: each shows the same empty question.
            std::size_t last = r;
            while (last + 1 < rows.size() && rows[last + 1].firstLine == 0)
                ++last;
            out_ << "<div class=\"entry\"><div><h3>[" << html(rows[r].entry->section) << ']'
                 << (last == r ? "" : check::tr(" to [") + html(rows[last].entry->section) + "]")
                 << "</h3><p>" << check::tr("Not in the file: an exam that draws ")
                 << (last == r ? check::tr("it") : check::tr("one"))
                 << check::tr(" shows question ") << index + 1 << check::tr(" empty.")
                 << "</p></div></div>\n";
            r = last;
        }
        out_ << "</section>\n";
    }

    void writeEntry(int index, const PreviewRow &row,
                    const std::vector<const Diagnostic *> &diagnostics) {
        const bankread::Entry &entry = *row.entry;
        out_ << "<div class=\"entry"
             << (diagnostics.empty() ? std::string()
                                     : std::string(" problem ") + severityName(worst(diagnostics)))
             << "\" id=\"" << html(entryName(index, entry.section)) << "\">";
        if (row.picture.empty())
            out_ << "<div class=\"none\" style=\"width:" << thumbnailWidth_
                 << "px;height:" << thumbnailHeight_ << "px\">"
                 << check::tr("An exam that draws it does not start.") << "</div>";
        else
            out_ << "<a href=\"" << html(row.picture) << "\"><img src=\"" << html(row.picture)
                 << "\" width=\"" << thumbnailWidth_ << "\" height=\"" << thumbnailHeight_
                 << "\" alt=\"" << html(field(entry, "bun").text) << "\" loading=\"lazy\"></a>";
        out_ << "\n<div><h3>[" << html(entry.section) << "] <span class=\"line\">" << place(row)
             << "</span>";
        if (!diagnostics.empty())
            out_ << " <span class=\"mark " << severityName(worst(diagnostics)) << "\">"
                 << severityName(worst(diagnostics)) << "</span>";
        out_ << "</h3>\n<p>" << check::tr("Correct answer: ") << correctAnswer(entry) << "</p>\n";
        if (diagnostics.empty())
            out_ << "<p class=\"clean\">" << check::tr("No problems found.") << "</p>\n";
        writeDiagnostics(out_, diagnostics);
        out_ << "</div></div>\n";
    }

    std::ostream &out_;
    const std::vector<PreviewFile> &files_;
    int thumbnailWidth_;
    int thumbnailHeight_;
    std::vector<std::vector<const Diagnostic *>> byFile_;
    std::vector<PlacedDiagnostics> placed_;
};

} // namespace

std::string entryName(int index, const std::string &section) {
    return "TOI" + number(index + 1) + "-" + section;
}

std::string countedProblems(const std::vector<Diagnostic> &diagnostics) {
    return counted(bankcheck::countOf(diagnostics, Severity::Error), check::tr("error"),
                   check::tr("errors")) +
           ", " +
           counted(bankcheck::countOf(diagnostics, Severity::Warning), check::tr("warning"),
                   check::tr("warnings"));
}

void writePreviewPage(std::ostream &out, std::string_view folder,
                      const std::vector<Diagnostic> &diagnostics,
                      const std::vector<PreviewFile> &files, int thumbnailWidth,
                      int thumbnailHeight) {
    PageWriter(out, files, thumbnailWidth, thumbnailHeight).write(folder, diagnostics);
}

} // namespace check
