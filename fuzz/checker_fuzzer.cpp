// Fuzzes the check of one question file, TOI1.ini, in memory: every message is one line of
// UTF-8 on a line the file has, the exit status follows the severities, and a file the check
// passes without an error always starts an exam. Only that last property touches the disk: the
// file is written to a temporary folder for the draw to read, as the program would.

#include "check.h"
#include "reference_profile.h"

#include "bankcheck.h"
#include "cp932.h"
#include "decodedfile.h"
#include "error.h"
#include "files.h"
#include "modMain.h"
#include "profileindex.h"
#include "random.h"
#include "report.h"
#include "tools/fake_choices.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using fuzz::check;

// Pictures without an image decoder: what a name loads as follows from the name alone.
class FakePictures : public bankcheck::PictureLoader {
public:
    bankcheck::Picture load(std::string_view bmp) const override {
        const std::size_t hash = std::hash<std::string_view>{}(bmp);
        bankcheck::Picture picture;
        picture.status = static_cast<bankcheck::Picture::Status>(hash % 4);
        if (picture.status == bankcheck::Picture::Status::Loads) {
            picture.width = static_cast<int>(hash / 4 % 1200);
            picture.height = static_cast<int>(hash / 4800 % 900);
        } else if (picture.status != bankcheck::Picture::Status::Missing) {
            picture.problem = "fake problem";
        }
        return picture;
    }
};

const std::string &bankDirectory() {
    static const std::string directory = [] {
        char name[] = "/dev/shm/quizra-checker-fuzz-XXXXXX";
        if (!mkdtemp(name)) std::abort();
        return std::string(name);
    }();
    return directory;
}

void writeFile(const std::string &path, std::string_view bytes) {
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// Whether the draw raises an error for this bank with every random value r.
bool drawFails(double r) {
    quizra::setRandomSource([r] { return r; });
    try {
        modMain::MakeMondai();
        return false;
    } catch (const quizra::QuizraError &) {
        return true;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const FakePictures pictures;
    const auto diagnostics =
        bankcheck::checkQuestionFile("TOI1.ini", bytes, pictures, FakeChoices());
    const std::size_t lines = fuzz::reference::splitLines(bytes).size();

    std::size_t previousLine = 0;
    bool errorInFile = false, warningInFile = false;
    for (const auto &d : diagnostics) {
        check(fuzz::isValidUtf8(d.message), "a message is not valid UTF-8");
        check(d.message.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
              "a message is not one line");
        check(!d.message.empty(), "a message is empty");
        check(d.file == "TOI1.ini", "a message names another file");
        check(d.line <= lines, "a message points past the last line");
        check(d.line >= previousLine, "the file's messages are not in line order");
        previousLine = d.line;
        errorInFile |= d.severity == bankcheck::Severity::Error;
        warningInFile |= d.severity == bankcheck::Severity::Warning;
    }
    check(bankcheck::exitStatus(diagnostics) == (errorInFile     ? 2
                                                 : warningInFile ? 1
                                                                 : 0),
          "the exit status does not follow the severities");

    // The check decodes the file once: each value comes out as decoding it alone gives it.
    const bankcheck::ProfileIndex index(bytes);
    const bankcheck::DecodedFile decoded(bytes);
    for (const auto &section : index.sections())
        for (const auto &key : section.keys)
            check(decoded.value(key) == quizra::decodeCp932(bankcheck::ProfileIndex::value(key)),
                  "a value read from the decoded file differs from the value decoded alone");

    std::ostringstream text, json;
    bankcheck::printText(text, diagnostics, 50);
    bankcheck::printJson(json, diagnostics, 50);
    check(fuzz::isValidUtf8(text.str()) && fuzz::isValidUtf8(json.str()),
          "the report is not valid UTF-8");

    // A file without errors starts an exam, whichever entry the draw picks.
    if (!errorInFile) {
        const std::string &directory = bankDirectory();
        writeFile(quizra::joinPath(directory, "TOI1.ini"), bytes);
        quizra::setBankDirectory(directory);
        check(!drawFails(0.0) && !drawFails(0.5) && !drawFails(std::nextafter(1.0, 0.0)),
              "the draw fails on a file the check passes without an error");
        quizra::setRandomSource({});
    }
    return 0;
}
