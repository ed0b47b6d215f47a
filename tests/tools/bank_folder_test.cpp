// The checker on bank folders: how the 50 files are found and read, pictures loaded with Qt, and
// the checker's lookups agreeing with the program's reader.

#include "bank/temp_dir.h"
#include "bankcheck.h"
#include "diagnostics_match.h"
#include "fake_choices.h"
#include "files.h"
#include "profile.h"
#include "profileindex.h"
#include "qtpictures.h"

#include <QImage>

#include <filesystem>

namespace {

using bankcheck::Picture;
using bankcheck::Severity;

const std::string CleanFile = "[COUNT]\r\nALL=1\r\n[SEC1]\r\nbun=q\r\nans1=a\r\nans2=b\r\n"
                              "ans3=c\r\nans4=d\r\nans=1\r\n";

// A bank of 50 clean files.
class BankFolder : public testing::Test {
protected:
    void SetUp() override {
        for (int n = 1; n <= 50; ++n)
            bank.write("TOI" + std::to_string(n) + ".ini", CleanFile);
    }
    std::vector<bankcheck::Diagnostic> check() const {
        return bankcheck::checkBank(bank.str(), bankcheck::QtPictureLoader(bank.str()),
                                    FakeChoices())
            .listed;
    }
    void remove(const std::string &name) const { std::filesystem::remove(bank.path() / name); }
    TempDir bank;
};

TEST_F(BankFolder, CleanBankHasNoDiagnosticsAndExitsZero) {
    const auto got = check();
    expectDiagnostics(got, {});
    EXPECT_EQ(bankcheck::exitStatus(got), 0);
}

TEST_F(BankFolder, MissingAndUnreadableFilesAreErrorsNamedByTheirFile) {
    remove("TOI7.ini");
    remove("TOI8.ini");
    std::filesystem::create_directory(bank.path() / "TOI8.ini");
    remove("TOI9.ini");
    std::filesystem::create_symlink("TOI9.ini", bank.path() / "TOI9.ini"); // a link loop
    std::filesystem::resize_file(bank.path() / "TOI10.ini", quizra::MaxFileBytes + 1); // sparse
    const auto got = check();
    expectDiagnostics(got, {{0, Severity::Error, "missing: question 7 of every exam is empty"},
                            {0, Severity::Error, "cannot be read (Is a directory)"},
                            {0, Severity::Error, "cannot be read (Too many levels"},
                            {0, Severity::Error,
                             "larger than 64 MiB, more than the program reads: "
                             "no exam will start"}});
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].file, "TOI7.ini");
    EXPECT_EQ(got[2].file, "TOI9.ini");
    EXPECT_EQ(bankcheck::exitStatus(got), 2);
}

TEST_F(BankFolder, FileFoundOnlyIgnoringCaseIsAWarningUnderItsOwnName) {
    remove("TOI3.ini");
    bank.write("toi3.ini", CleanFile + "[SEC2]\r\n");
    const auto got = check();
    expectDiagnostics(got, {{0, Severity::Warning, "found only ignoring case"},
                            {10, Severity::Warning, "[SEC2] is never drawn"}});
    for (const auto &d : got)
        EXPECT_EQ(d.file, "toi3.ini");
    EXPECT_EQ(bankcheck::exitStatus(got), 1);
}

TEST_F(BankFolder, DiagnosticsFollowFileOrder) {
    bank.write("TOI2.ini", "[COUNT]\r\nALL=0\r\n");
    bank.write("TOI10.ini", "");
    const auto got = check();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.front().file, "TOI2.ini");
    EXPECT_EQ(got.back().file, "TOI10.ini");
}

// Pictures written by Qt into a bank folder, loaded as the exam window loads them.
class QtPictures : public testing::Test {
protected:
    void save(const std::string &name, int width, int height) const {
        std::filesystem::create_directories((bank.path() / name).parent_path());
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        ASSERT_TRUE(image.save(QString::fromStdString((bank.path() / name).string())));
    }
    Picture load(const std::string &bmp) const {
        return bankcheck::QtPictureLoader(bank.str()).load(bmp);
    }
    TempDir bank;
};

TEST_F(QtPictures, LoadsByExactNameWithBackslashesAndGivesTheSize) {
    save("pic/a.png", 30, 20);
    save("b.bmp", 5, 6);
    for (const char *bmp : {"pic\\a.png", "pic/a.png", "\\pic\\\\a.png"}) {
        const Picture picture = load(bmp);
        EXPECT_EQ(picture.status, Picture::Status::Loads) << bmp;
        EXPECT_EQ(picture.foundIgnoringCase, "") << bmp;
        EXPECT_EQ(picture.width, 30);
        EXPECT_EQ(picture.height, 20);
    }
    EXPECT_EQ(load("b.bmp").width, 5);
}

TEST_F(QtPictures, TellsWhatIsFoundOnlyIgnoringCase) {
    save("Pic/A.png", 3, 3);
    const Picture picture = load("pic\\a.PNG");
    EXPECT_EQ(picture.status, Picture::Status::Loads);
    EXPECT_EQ(picture.foundIgnoringCase, "Pic/A.png");
    const Picture trailing = bankcheck::QtPictureLoader(bank.str() + "/").load("pic\\a.PNG");
    EXPECT_EQ(trailing.foundIgnoringCase, "Pic/A.png");
}

TEST_F(QtPictures, MissingOutsideUnreadableAndNotAnImage) {
    bank.write("notes.png", "not a picture");
    std::filesystem::create_directory(bank.path() / "folder.png");
    EXPECT_EQ(load("none.png").status, Picture::Status::Missing);
    EXPECT_EQ(load("pic\\..\\..\\" + bank.path().filename().string() + "\\notes.png").status,
              Picture::Status::Outside);
    EXPECT_EQ(load("folder.png").status, Picture::Status::Unreadable);
    const Picture notes = load("notes.png");
    EXPECT_EQ(notes.status, Picture::Status::NotAnImage);
    EXPECT_FALSE(notes.problem.empty());
}

TEST_F(BankFolder, PictureProblemsAreReportedAtTheLineOfBmp) {
    QImage(800, 10, QImage::Format_RGB32).save(QString::fromStdString(bank.str() + "/wide.png"));
    bank.write("TOI1.ini", CleanFile + "bmp=wide.png\r\n");
    bank.write("TOI2.ini", CleanFile + "bmp=gone.png\r\n");
    expectDiagnostics(check(), {{10, Severity::Warning,
                                 "800 x 10 px but only 737 x 369 px show below choices side by"},
                                {10, Severity::Error, "picture gone.png is not found"}});
}

TEST_F(BankFolder, SymbolicLinksOutOfTheBankFolderAreWarnings) {
    const TempDir elsewhere;
    elsewhere.write("TOI5.ini", CleanFile + "bmp=pic\\a.png\r\n");
    QImage(10, 10, QImage::Format_RGB32).save(QString::fromStdString(elsewhere.str() + "/a.png"));
    remove("TOI5.ini");
    std::filesystem::create_symlink(elsewhere.path() / "TOI5.ini", bank.path() / "TOI5.ini");
    std::filesystem::create_directory_symlink(elsewhere.path(), bank.path() / "pic");
    expectDiagnostics(
        check(),
        {{0, Severity::Warning,
          "is a symbolic link to " + elsewhere.str() + "/TOI5.ini, outside the bank folder"},
         {10, Severity::Warning,
          "picture pic\\a.png is a symbolic link to " + elsewhere.str() + "/a.png"}});
}

// The checker's lookup must read what the program reads: for every section and key name in the
// reader's golden files, and for names that are in none of them.
TEST(ProfileIndexLookup, AgreesWithTheReaderOnItsGoldenFiles) {
    int compared = 0;
    for (const auto &entry : std::filesystem::directory_iterator(QUIZRA_PROFILES_DIR)) {
        const quizra::FileBytes file = quizra::readFileBytes(entry.path().string());
        ASSERT_EQ(file.status, quizra::FileBytes::Status::Ok);
        const bankcheck::ProfileIndex index(file.bytes);
        std::vector<std::string> names = {"absent", "COUNT", "ALL", "sec3", "BUN"};
        for (const auto &section : index.sections()) {
            names.emplace_back(section.header.name);
            for (const auto &key : section.keys)
                names.emplace_back(key.name);
        }
        for (const std::string &section : names) {
            for (const std::string &key : names) {
                const auto *found = index.find(section);
                const quizra::ProfileLine *line =
                    found ? bankcheck::ProfileIndex::find(*found, key) : nullptr;
                const std::string mine(line ? bankcheck::ProfileIndex::value(*line) : "");
                EXPECT_EQ(mine, quizra::profileValue(file.bytes, section, key))
                    << entry.path().filename() << " [" << section << "] " << key;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 500);
}

} // namespace
