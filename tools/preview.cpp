// quizra-check preview [DIR] -o OUTDIR: every entry the draw can pick, rendered with the
// program's own exam window to OUTDIR/TOI7-SEC2.png and so on, and OUTDIR/index.html, one page
// listing the bank's problems and then its entries in question order beside their correct
// answers and the checker's diagnostics. A later run into the same folder redraws only the
// entries that changed and removes the pictures of entries that are gone.

#include "bankcheck.h"
#include "bankread.h"
#include "commands.h"
#include "exam/frmSiken.h"
#include "files.h"
#include "manifest.h"
#include "modMain.h"
#include "offscreenexam.h"
#include "outputfolder.h"
#include "picturewriter.h"
#include "previewpage.h"
#include "profileindex.h"
#include "progressline.h"
#include "qtchoices.h"
#include "qtpictures.h"
#include "renderingkey.h"
#include "translation.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <charconv>
#include <iostream>
#include <limits>
#include <sstream>

namespace check {
namespace {

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

// The row build gave in the comment line "; row 12" it writes just above a section's header;
// 0 when the line before the header is no such comment.
std::size_t spreadsheetRow(std::string_view bytes, const quizra::ProfileLine &header) {
    std::string_view before = bytes.substr(0, header.offset);
    if (before.ends_with("\r\n"))
        before.remove_suffix(2);
    else if (before.ends_with('\n') || before.ends_with('\r'))
        before.remove_suffix(1);
    const std::size_t start = before.find_last_of("\r\n");
    std::string_view line = before.substr(start == std::string_view::npos ? 0 : start + 1);
    constexpr std::string_view Mark = "; row ";
    if (!line.starts_with(Mark)) return 0;
    line.remove_prefix(Mark.size());
    std::size_t row = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), row);
    return error == std::errc() && end == line.data() + line.size() ? row : 0;
}

// A question file and where each of its entries lies in it; nothing rendered yet.
PreviewFile readPreviewFile(int index) {
    PreviewFile preview{bankread::readQuestionFile(index), {}};
    const quizra::FileBytes bytes = quizra::readFileIn(quizra::bankDirectory(), preview.file.name);
    const bankcheck::ProfileIndex profile(bytes.bytes);
    const auto &sections = profile.sections();
    for (const bankread::Entry &entry : preview.file.entries) {
        PreviewRow row{&entry, 0, 0, 0, {}};
        if (const bankcheck::ProfileIndex::Section *section = profile.find(entry.section)) {
            row.firstLine = section->header.number;
            const bool last = section == &sections.back();
            row.endLine =
                last ? std::numeric_limits<std::size_t>::max() : (section + 1)->header.number;
            row.spreadsheetRow = spreadsheetRow(bytes.bytes, section->header);
        }
        preview.rows.push_back(std::move(row));
    }
    return preview;
}

// This tool as it runs now: a new build, or another Qt, may draw any entry differently.
std::string currentRenderer() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return program.absoluteFilePath().toStdString() + ' ' + std::to_string(program.size()) + ' ' +
           std::to_string(program.lastModified().toMSecsSinceEpoch()) + ' ' + qVersion();
}

// An entry to draw: which file and row, and what its picture will show.
struct Drawing {
    int index;
    const PreviewRow *row;
    std::string key;
};

// What drawing the pictures gave: every picture of the page with what it shows, how many were
// drawn anew, and the first failure's message ("" when none).
struct Drawn {
    Manifest pictures;
    std::size_t count = 0;
    std::string failure;
};

// Draws the entries that changed since the manifest was written and removes the pictures no
// longer produced; files' rows get the names of their pictures.
Drawn drawPictures(OffscreenExam &exam, const OutputFolder &output,
                   std::vector<PreviewFile> &files) {
    const std::string manifestName(OutputFolder::ManifestName);
    const Manifest before = parseManifest(output.read(manifestName));
    const std::string renderer = currentRenderer();
    Manifest named = before; // every picture this run or an earlier one may have written
    std::vector<Drawing> drawings;
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        for (PreviewRow &row : files[static_cast<std::size_t>(i)].rows) {
            if (row.firstLine == 0 || !row.entry->error.empty()) continue;
            row.picture = entryName(i, row.entry->section) + ".png";
            std::string key =
                renderingKey(renderer, static_cast<std::int16_t>(i), asQuestion(*row.entry));
            const auto old = before.find(row.picture);
            if (old != before.end() && old->second.key == key &&
                output.fileSize(row.picture) == old->second.size)
                continue;
            named[row.picture] = {}; // matches no entry until it is written
            drawings.push_back({i, &row, std::move(key)});
        }
    }
    // Named before written: a run stopped midway leaves no picture the manifest does not name.
    if (!drawings.empty()) {
        std::string failure = output.write(manifestName, formatManifest(named));
        if (!failure.empty()) return {before, 0, std::move(failure)};
    }

    PictureWriter writer(output);
    ProgressLine progress(drawings.size());
    for (std::size_t k = 0; k < drawings.size(); ++k) {
        const Drawing &drawing = drawings[k];
        writer.write(
            drawing.row->picture, drawing.key,
            exam.render(static_cast<std::int16_t>(drawing.index), asQuestion(*drawing.row->entry)));
        progress.show(k + 1);
    }
    Drawn drawn{{}, 0, writer.finish()};
    drawn.count = writer.written().size();

    for (const PreviewFile &file : files)
        for (const PreviewRow &row : file.rows)
            if (!row.picture.empty()) drawn.pictures[row.picture] = named[row.picture];
    for (const auto &[name, picture] : writer.written())
        drawn.pictures[name] = picture;
    for (const auto &[name, picture] : named)
        if (!drawn.pictures.contains(name)) output.remove(name);
    return drawn;
}

int failed(const std::string &message) {
    std::cerr << "quizra-check: " << message << '\n';
    return 2;
}

} // namespace

int preview(Arguments arguments) {
    PreviewArguments parsed;
    if (!parse(arguments, parsed)) return BadUsage;
    if (!useBankDirectory(parsed.directory)) return 2;
    const OutputFolder output{std::string(parsed.output)};
    if (!output.problem().empty()) return failed(output.problem());

    OffscreenExam exam;
    const std::string folder = quizra::bankDirectory();
    const std::vector<bankcheck::Diagnostic> diagnostics =
        bankcheck::checkBank(folder, bankcheck::QtPictureLoader(folder),
                             bankcheck::QtChoiceMeter(exam.window()))
            .listed;
    std::vector<PreviewFile> files;
    for (int i = 0; i < modMain::QuestionCount; ++i)
        files.push_back(readPreviewFile(i));

    const Drawn drawn = drawPictures(exam, output, files);
    const std::string manifestFailure =
        output.write(std::string(OutputFolder::ManifestName), formatManifest(drawn.pictures));
    if (!drawn.failure.empty()) return failed(drawn.failure);
    if (!manifestFailure.empty()) return failed(manifestFailure);

    std::ostringstream page;
    writePreviewPage(page, folder, diagnostics, files, exam.window().width(),
                     exam.window().height());
    if (const std::string pageFailure = output.write("index.html", page.str());
        !pageFailure.empty())
        return failed(pageFailure);
    const std::size_t entries = drawn.pictures.size();
    std::cout << (std::filesystem::path(parsed.output) / "index.html").string() << ": " << entries
              << (entries == 1 ? check::tr(" entry") : check::tr(" entries")) << check::tr(" of ")
              << modMain::QuestionCount << check::tr(" files (") << drawn.count
              << check::tr(" drawn, ") << entries - drawn.count << check::tr(" unchanged); ")
              << countedProblems(diagnostics) << '\n';
    return 0;
}

} // namespace check
