// quizra-check preview [DIR] -o OUTDIR: every entry the draw can pick, rendered with the
// program's own exam window to OUTDIR/TOI7-SEC2.png and so on, and OUTDIR/index.html, one page
// listing them in question order beside their correct answers and the checker's diagnostics.

#include "bankcheck.h"
#include "bankread.h"
#include "commands.h"
#include "exam/frmSiken.h"
#include "files.h"
#include "modMain.h"
#include "offscreenexam.h"
#include "previewpage.h"
#include "profileindex.h"
#include "qtchoices.h"
#include "qtpictures.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>

namespace check {
namespace {

// A PNG quality of 80 is zlib's fastest level: the window's flat colours pack as small as with
// the default level, in four fifths of the time.
constexpr int FastPng = 80;

struct PreviewArguments {
    std::string_view directory;
    std::string_view output;
};

// At most one bank folder and "-o OUTDIR", in any order.
bool parse(Arguments arguments, PreviewArguments &parsed) {
    int directories = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "-o" && i + 1 < arguments.size() && parsed.output.empty())
            parsed.output = arguments[++i];
        else if (arguments[i].starts_with("-") || ++directories > 1)
            return false;
        else
            parsed.directory = arguments[i];
    }
    return !parsed.output.empty();
}

// The entry as the draw puts it into a question slot; a number that overflows reads 0.
MondaiRec asQuestion(const bankread::Entry &entry) {
    MondaiRec question;
    for (const bankread::Field &field : entry.fields) {
        const std::string_view key = field.key;
        if (key == "bun") question.bun = field.text;
        if (key == "ans1") question.ans1 = field.text;
        if (key == "ans2") question.ans2 = field.text;
        if (key == "ans3") question.ans3 = field.text;
        if (key == "ans4") question.ans4 = field.text;
        if (key == "ans") question.ans = field.number.value_or(0);
        if (key == "bmp") question.bmp = field.text;
        if (key == "type") question.type = field.number.value_or(0);
    }
    return question;
}

// The rows of a file's entries: where each section lies in the file, and nothing rendered yet.
std::vector<PreviewRow> rowsOf(const bankread::QuestionFile &file) {
    const quizra::FileBytes bytes = quizra::readFileIn(quizra::programDirectory(), file.name);
    const bankcheck::ProfileIndex index(bytes.bytes);
    const auto &sections = index.sections();
    std::vector<PreviewRow> rows;
    for (const bankread::Entry &entry : file.entries) {
        PreviewRow row{&entry, 0, 0, {}};
        if (const bankcheck::ProfileIndex::Section *section = index.find(entry.section)) {
            row.firstLine = section->header.number;
            const bool last = section == &sections.back();
            row.endLine =
                last ? std::numeric_limits<std::size_t>::max() : (section + 1)->header.number;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

int preview(Arguments arguments) {
    PreviewArguments parsed;
    if (!parse(arguments, parsed)) return BadUsage;
    if (!useBankDirectory(parsed.directory)) return 2;
    const std::filesystem::path output(parsed.output);
    std::error_code failure;
    std::filesystem::create_directories(output, failure);
    if (failure) {
        std::cerr << "quizra-check: cannot create the folder " << parsed.output << ": "
                  << failure.message() << '\n';
        return 2;
    }

    OffscreenExam exam;
    const std::string folder = quizra::programDirectory();
    const std::vector<bankcheck::Diagnostic> diagnostics = bankcheck::checkBank(
        folder, bankcheck::QtPictureLoader(folder), bankcheck::QtChoiceMeter(exam.window()));

    const std::filesystem::path indexPath = output / "index.html";
    std::ofstream page(indexPath, std::ios::binary);
    IndexPage index(page, folder, diagnostics, exam.window().width(), exam.window().height());
    long rendered = 0;
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        const bankread::QuestionFile file = bankread::readQuestionFile(i);
        std::vector<PreviewRow> rows = rowsOf(file);
        for (PreviewRow &row : rows) {
            if (row.firstLine == 0 || !row.entry->error.empty()) continue;
            row.picture = entryName(i, row.entry->section) + ".png";
            const std::filesystem::path path = output / row.picture;
            if (!exam.render(static_cast<std::int16_t>(i), asQuestion(*row.entry))
                     .save(QString::fromStdString(path.string()), "PNG", FastPng)) {
                std::cerr << "quizra-check: cannot write " << path.string() << '\n';
                return 2;
            }
            ++rendered;
        }
        index.addFile(i, file, rows);
    }
    index.finish();
    page.close();
    if (!page) {
        std::cerr << "quizra-check: cannot write " << indexPath.string() << '\n';
        return 2;
    }
    std::cout << indexPath.string() << ": " << rendered << (rendered == 1 ? " entry" : " entries")
              << " of " << modMain::QuestionCount << " files; " << countedProblems(diagnostics)
              << '\n';
    return 0;
}

} // namespace check
