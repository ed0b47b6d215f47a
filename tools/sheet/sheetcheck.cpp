#include "sheetcheck.h"

#include "bankcheck.h"
#include "checkparts.h"
#include "modMain.h"

namespace spreadsheet {
namespace {

// The pictures of the bank folder, a missing one taken as fitting: the builder has warned of it.
class PicturesToCome : public bankcheck::PictureLoader {
public:
    explicit PicturesToCome(const bankcheck::PictureLoader &pictures) : pictures_(pictures) {}
    bankcheck::Picture load(std::string_view bmp) const override {
        bankcheck::Picture picture = pictures_.load(bmp);
        lastMissing_ = picture.status == bankcheck::Picture::Status::Missing ? bmp : "";
        if (!lastMissing_.empty()) picture.status = bankcheck::Picture::Status::Loads;
        return picture;
    }
    // The check asks right after a load; a picture that is not there links nowhere.
    std::string linkedOutside(std::string_view bmp) const override {
        return bmp == lastMissing_ ? "" : pictures_.linkedOutside(bmp);
    }

private:
    const bankcheck::PictureLoader &pictures_;
    mutable std::string lastMissing_;
};

// Where each line of a question file written by build came from: the row of the entry whose
// section it is in, and the column of its key (0 for a line of no key).
class Origins {
public:
    Origins(std::string_view file, const std::vector<std::size_t> &rows,
            const std::array<std::size_t, std::size(Columns)> &columns)
        : file_(file), rows_(rows), columns_(columns) {}

    // The row and column of line, lines asked for in increasing order.
    std::pair<std::size_t, std::size_t> of(std::size_t line) {
        while (line_ < line && at_ < file_.size()) {
            std::size_t end = file_.find("\r\n", at_);
            if (end == std::string_view::npos) end = file_.size();
            read(file_.substr(at_, end - at_));
            at_ = end + 2;
            ++line_;
        }
        return {row_, column_};
    }

private:
    void read(std::string_view text) {
        column_ = 0;
        if (text.starts_with('[')) {
            const std::optional<long> k =
                bankcheck::entryOfSection(text.substr(1, text.find(']') - 1));
            row_ = k && *k >= 1 && static_cast<std::size_t>(*k) <= rows_.size()
                       ? rows_[static_cast<std::size_t>(*k - 1)]
                       : 0;
            return;
        }
        const std::string_view key = text.substr(0, text.find('='));
        for (std::size_t k = 0; k < std::size(bankread::EntryKeys); ++k)
            if (row_ != 0 && key == bankread::EntryKeys[k]) column_ = columns_[k + 2];
    }

    std::string_view file_;
    const std::vector<std::size_t> &rows_;
    const std::array<std::size_t, std::size(Columns)> &columns_;
    std::size_t at_ = 0, line_ = 0, row_ = 0, column_ = 0;
};

} // namespace

void checkEntries(std::string_view name, Build &built, const bankcheck::PictureLoader &pictures,
                  const bankcheck::ChoiceMeter &choices) {
    const PicturesToCome toCome(pictures);
    for (std::size_t f = 0; f < built.files.size(); ++f) {
        const std::string file = modMain::questionFileName(static_cast<int>(f));
        Origins origins(built.files[f], built.rows[f], built.columns);
        for (bankcheck::Diagnostic &d :
             bankcheck::checkQuestionFile(file, built.files[f], toCome, choices)) {
            const auto [row, column] =
                d.line > 0 ? origins.of(d.line) : std::pair<std::size_t, std::size_t>();
            if (row == 0) d.message = file + ": " + d.message;
            built.diagnostics.push_back(
                {std::string(name), row, d.severity, std::move(d.message), column});
        }
    }
    sortByPlace(built.diagnostics);
}

} // namespace spreadsheet
