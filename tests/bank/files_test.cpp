#include "bank/temp_dir.h"
#include "files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(JoinPath, AddsOneSeparatorOnlyWhenMissing) {
    EXPECT_EQ(quizra::joinPath("/", "TOI1.ini"), "/TOI1.ini");
    EXPECT_EQ(quizra::joinPath("/opt/quizra", "TOI1.ini"), "/opt/quizra/TOI1.ini");
    EXPECT_EQ(quizra::joinPath("/opt/quizra/", "TOI1.ini"), "/opt/quizra/TOI1.ini");
}

TEST(ResolvePath, MatchesEachComponentIgnoringCaseWhenNoExactNameExists) {
    TempDir dir;
    dir.write("Pics/Fig1.BMP", "x");
    dir.write("pics2/a.bmp", "x");
    dir.write("pics2/A.bmp", "x");
    const std::string base = dir.str();
    EXPECT_EQ(quizra::resolvePath(base, "pics\\fig1.bmp"), base + "/Pics/Fig1.BMP");
    EXPECT_EQ(quizra::resolvePath(base, "PICS/FIG1.bmp"), base + "/Pics/Fig1.BMP");
    EXPECT_EQ(quizra::resolvePath(base, "pics2\\a.bmp"), base + "/pics2/a.bmp");
    // Two names match ignoring case and neither exactly: no guess, the exact path comes back.
    EXPECT_EQ(quizra::resolvePath(base, "Pics2\\a.BMP"), base + "/Pics2/a.BMP");
    EXPECT_EQ(quizra::resolvePath(base, "missing\\fig1.bmp"), base + "/missing/fig1.bmp");
}

TEST(ReadFileBytes, TellsMissingFromUnreadable) {
    TempDir dir;
    dir.write("a.ini", std::string("x\0y", 3));
    std::filesystem::create_directory(dir.path() / "folder");
    EXPECT_EQ(quizra::readFileBytes(dir.str() + "/a.ini").bytes, std::string("x\0y", 3));
    EXPECT_EQ(quizra::readFileBytes(dir.str() + "/none.ini").status,
              quizra::FileBytes::Status::NotFound);
    EXPECT_EQ(quizra::readFileBytes(dir.str() + "/a.ini/below").status,
              quizra::FileBytes::Status::NotFound);
    const quizra::FileBytes folder = quizra::readFileBytes(dir.str() + "/folder");
    EXPECT_EQ(folder.status, quizra::FileBytes::Status::Error);
    EXPECT_EQ(folder.errorNumber, EISDIR);
}

TEST(ReadFileBytes, RefusesFilesPastTheLimit) {
    TempDir dir;
    dir.write("a.ini", "0123456789");
    EXPECT_EQ(quizra::readFileBytes(dir.str() + "/a.ini", 10).bytes, "0123456789");
    EXPECT_EQ(quizra::readFileBytes(dir.str() + "/a.ini", 9).errorNumber, EFBIG);
    // A "regular file" that reports no size and has no end.
    const quizra::FileBytes endless = quizra::readFileBytes("/proc/self/pagemap", 1 << 20);
    EXPECT_EQ(endless.status, quizra::FileBytes::Status::Error);
    EXPECT_EQ(endless.errorNumber, EFBIG);
}

} // namespace
