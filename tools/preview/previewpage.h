#pragma once

#include "bankread.h"
#include "diagnostic.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The preview's index page: every problem of the bank at the top, most severe first, each a link
// to its entry; then every question file in order, each entry the draw can pick with its
// rendering, its correct answer and the checker's diagnostics for its lines beside it.
namespace check {

// One entry of a question file, as it stands on the page.
struct PreviewRow {
    const bankread::Entry *entry = nullptr;
    std::size_t firstLine = 0;      // the line of its section's header; 0 when the file lacks it
    std::size_t endLine = 0;        // the line of the next section, or one past the file's end
    std::size_t spreadsheetRow = 0; // the row build wrote it from; 0 when unknown
    std::string picture;            // its rendering, a file beside the page; "" when there is none
};

// A question file and the rows of its entries in draw order.
struct PreviewFile {
    bankread::QuestionFile file;
    std::vector<PreviewRow> rows;
};

// "TOI7-SEC2" for entry [SEC2] of question file index 6: the name of its rendering and its
// anchor on the page.
std::string entryName(int index, const std::string &section);

// "1 error, 3 warnings".
std::string countedProblems(const std::vector<bankcheck::Diagnostic> &diagnostics);

// Writes the page for the bank in folder: its 50 question files with every diagnostic of its
// check; thumbnails are shown at thumbnailWidth x thumbnailHeight pixels.
void writePreviewPage(std::ostream &out, std::string_view folder,
                      const std::vector<bankcheck::Diagnostic> &diagnostics,
                      const std::vector<PreviewFile> &files, int thumbnailWidth,
                      int thumbnailHeight);

} // namespace check
