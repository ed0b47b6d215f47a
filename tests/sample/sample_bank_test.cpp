// Checks the sample bank in sample/ the way the exam reads it, plus the byte-level rules a bank
// author must keep: CP932 without invalid sequences, CRLF line ends, values of at most 999 bytes,
// no key line outside a section, no entries beyond the count.
#include "IniModule.h"
#include "cp932.h"
#include "files.h"
#include "profile.h"

#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string SampleDir = QUIZRA_SAMPLE_DIR;

// Picture area inside the question frame, in pixels (15 twips each): the frame is 11295 x 7575
// twips, the picture's top-left is at (240, 2040) side by side and (240, 3600) stacked.
constexpr int AreaWidth = (11295 - 240) / 15;
constexpr int SingleRowHeight = (7575 - 2040) / 15;
constexpr int StackedHeight = (7575 - 3600) / 15;

std::string fileName(int n) {
    return "TOI" + std::to_string(n) + ".ini";
}

std::string read(const std::string &key, const std::string &section, int n) {
    std::string value = "unset";
    EXPECT_TRUE(IniModule::GetIniString(key, section, fileName(n), value));
    return value;
}

std::string fileBytes(const std::string &path) {
    const quizra::FileBytes file = quizra::readFileBytes(path);
    EXPECT_EQ(file.status, quizra::FileBytes::Status::Ok) << path;
    return std::string(file.bytes);
}

class SampleBank : public ::testing::Test {
protected:
    void SetUp() override { quizra::setBankDirectory(SampleDir); }
};

TEST_F(SampleBank, FilesAreCleanCp932WithCrlfAndNoStrayLines) {
    for (int n = 1; n <= 50; ++n) {
        SCOPED_TRACE(fileName(n));
        const std::string bytes = fileBytes(quizra::joinPath(SampleDir, fileName(n)));
        ASSERT_FALSE(bytes.empty());
        EXPECT_TRUE(quizra::invalidCp932Offsets(bytes).empty());
        EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "byte-order mark";

        // Every CR is followed by LF and every LF preceded by CR; the last line is ended too.
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r') {
                EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
            }
            if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
            }
        }
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

        quizra::ProfileScanner scanner(bytes);
        quizra::ProfileLine line;
        bool inSection = false;
        std::set<std::string> sections;
        while (scanner.next(line)) {
            SCOPED_TRACE("line " + std::to_string(line.number));
            switch (line.kind) {
            case quizra::ProfileLine::Kind::Section:
                inSection = true;
                EXPECT_TRUE(line.closed);
                EXPECT_TRUE(sections.insert(std::string(line.name)).second) << "repeated section";
                break;
            case quizra::ProfileLine::Kind::Key:
                EXPECT_TRUE(inSection) << "key line before the first section";
                EXPECT_TRUE(line.hasEquals);
                EXPECT_LE(line.value.size(), quizra::MaxValueBytes);
                break;
            default:
                ADD_FAILURE() << "blank or comment line in the sample bank";
            }
        }
    }
}

TEST_F(SampleBank, EveryEntryIsCompleteWithOneValidAnswer) {
    int entries = 0;
    std::set<int> answersUsed;
    for (int n = 1; n <= 50; ++n) {
        SCOPED_TRACE(fileName(n));
        const std::string all = read("ALL", "COUNT", n);
        ASSERT_TRUE(all == "2" || all == "3" || all == "4") << "ALL=" << all;
        const int count = all[0] - '0';
        for (int k = 1; k <= count; ++k) {
            const std::string sec = "SEC" + std::to_string(k);
            SCOPED_TRACE(sec);
            EXPECT_FALSE(read("bun", sec, n).empty());
            std::set<std::string> choices;
            for (int c = 1; c <= 4; ++c) {
                const std::string choice = read("ans" + std::to_string(c), sec, n);
                EXPECT_FALSE(choice.empty()) << "ans" << c;
                choices.insert(choice);
            }
            EXPECT_EQ(choices.size(), 4u) << "two choices read the same";
            const std::string ans = read("ans", sec, n);
            ASSERT_EQ(ans.size(), 1u) << "ans=" << ans;
            EXPECT_TRUE(ans[0] >= '1' && ans[0] <= '4') << "ans=" << ans;
            answersUsed.insert(ans[0] - '0');
            const std::string type = read("type", sec, n);
            EXPECT_TRUE(type.empty() || type == "0" || type == "1") << "type=" << type;
            ++entries;
        }
        // An entry beyond the count could never be drawn.
        const std::string beyond = "SEC" + std::to_string(count + 1);
        EXPECT_EQ(read("bun", beyond, n), "") << beyond << " exists beyond ALL";
    }
    EXPECT_GE(entries, 100);
    EXPECT_EQ(answersUsed, (std::set<int>{1, 2, 3, 4}));
}

TEST_F(SampleBank, EveryPictureExistsByItsExactNameLoadsAndFits) {
    int pictures = 0;
    std::set<std::string> formats;
    std::set<std::string> layouts;
    for (int n = 1; n <= 50; ++n) {
        const int count = read("ALL", "COUNT", n)[0] - '0';
        for (int k = 1; k <= count; ++k) {
            const std::string sec = "SEC" + std::to_string(k);
            const std::string bmp = read("bmp", sec, n);
            if (bmp.empty()) continue;
            SCOPED_TRACE(fileName(n) + " " + sec + " bmp=" + bmp);
            ++pictures;
            std::string relative = bmp;
            std::replace(relative.begin(), relative.end(), '\\', '/');
            const std::string exact = quizra::joinPath(SampleDir, relative);
            ASSERT_TRUE(std::filesystem::is_regular_file(exact))
                << "missing or found only ignoring case";
            EXPECT_EQ(quizra::resolvePath(SampleDir, bmp), exact);

            QImageReader reader(QString::fromStdString(exact));
            formats.insert(reader.format().toStdString()); // by content, not by name
            const QImage image = reader.read();
            ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
            const bool stacked = read("type", sec, n) == "1";
            layouts.insert(stacked ? "stacked" : "single row");
            EXPECT_LE(image.width(), AreaWidth);
            EXPECT_LE(image.height(), stacked ? StackedHeight : SingleRowHeight);
        }
    }
    EXPECT_GE(pictures, 6);
    EXPECT_EQ(layouts.size(), 2u) << "pictures in both layouts";
    const auto hasFormat = [&](const std::string &prefix) {
        return std::any_of(formats.begin(), formats.end(),
                           [&](const std::string &f) { return f.rfind(prefix, 0) == 0; });
    };
    EXPECT_TRUE(hasFormat("bmp")) << "no BMP picture";
    EXPECT_TRUE(hasFormat("png")) << "no PNG picture";
}

TEST(SampleBankCopy, BuildPutsTheBankBesideTheExecutable) {
    const std::string list = QUIZRA_SAMPLE_FILE_LIST;
    std::vector<std::string> files;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t bar = std::min(list.find('|', start), list.size());
        files.push_back(list.substr(start, bar - start));
        start = bar + 1;
    }
    EXPECT_GE(files.size(), 56u);
    for (const std::string &file : files) {
        SCOPED_TRACE(file);
        EXPECT_EQ(fileBytes(quizra::joinPath(QUIZRA_BUILD_DIR, file)),
                  fileBytes(quizra::joinPath(SampleDir, file)));
    }
}

} // namespace
