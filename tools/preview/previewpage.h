#pragma once

#include "bankread.h"
#include "diagnostic.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The preview's index page: every question file in order, each entry the draw can pick with its
// rendering, its correct answer and the checker's diagnostics for its lines beside it.
namespace check {

// One entry of a question file, as it stands on the page.
struct PreviewRow {
    const bankread::Entry *entry = nullptr;
    std::size_t firstLine = 0; // the line of its section's header; 0 when the file lacks it
    std::size_t endLine = 0;   // the line of the next section, or one past the file's end
    std::string picture;       // its rendering, a file beside the page; "" when there is none
};

// "TOI7-SEC2" for entry [SEC2] of question file index 6: the name of its rendering and its
// anchor on the page.
std::string entryName(int index, const std::string &section);

// "1 error, 3 warnings".
std::string countedProblems(const std::vector<bankcheck::Diagnostic> &diagnostics);

class IndexPage {
public:
    // Writes the head of the page for the bank in folder with every diagnostic of its check;
    // thumbnails are shown at thumbnailWidth x thumbnailHeight pixels.
    IndexPage(std::ostream &out, std::string_view folder,
              const std::vector<bankcheck::Diagnostic> &diagnostics, int thumbnailWidth,
              int thumbnailHeight);

    // Writes question file index (0 for TOI1.ini) with the rows of its entries in draw order.
    void addFile(int index, const bankread::QuestionFile &file,
                 const std::vector<PreviewRow> &rows);

    // Writes the end of the page.
    void finish();

private:
    void writeEntry(int index, const PreviewRow &row,
                    const std::vector<const bankcheck::Diagnostic *> &diagnostics);

    std::ostream &out_;
    std::vector<std::vector<const bankcheck::Diagnostic *>> byFile_;
    int thumbnailWidth_;
    int thumbnailHeight_;
};

} // namespace check
