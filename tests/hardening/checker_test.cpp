#include "bankcheck.h"
#include "brokenbanks.h"
#include "qtpictures.h"
#include "tools/fake_choices.h"

#include <gtest/gtest.h>

#include <cctype>
#include <unistd.h>

namespace fs = std::filesystem;

// The bank checker over the same broken banks the program is taken through: every bank that is
// broken before the exam starts, in a way the program notices, gets at least one diagnostic; a
// picture the program shows gets no error; the sound bank gets none.
class CheckerOverBrokenBanks : public testing::TestWithParam<std::size_t> {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/quizra-checker-XXXXXX";
        root_ = mkdtemp(pattern);
        bank_ = root_ / "bank";
        brokenbanks::writeSoundBank(bank_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(bank_ / "TOI1.ini", fs::perms::owner_all, ignored);
        fs::remove_all(root_, ignored);
    }
    std::vector<bankcheck::Diagnostic> check() const {
        return bankcheck::checkBank(bank_.string(), bankcheck::QtPictureLoader(bank_.string()),
                                    FakeChoices())
            .listed;
    }

    fs::path root_, bank_;
};

TEST_F(CheckerOverBrokenBanks, SoundBankIsClean) {
    for (const bankcheck::Diagnostic &d : check())
        ADD_FAILURE() << d.file << ":" << d.line << ": " << d.message;
}

TEST_P(CheckerOverBrokenBanks, BrokenBankGetsADiagnostic) {
    const brokenbanks::Case &c = brokenbanks::all()[GetParam()];
    SCOPED_TRACE(c.name);
    if (c.afterDraw) GTEST_SKIP() << "broken only once the exam has been drawn";
    c.spoil(bank_);
    if (c.needsPermissionBits && access((bank_ / "TOI1.ini").c_str(), R_OK) == 0)
        GTEST_SKIP() << "permission bits do not stop this user from reading (running as root?)";
    const std::vector<bankcheck::Diagnostic> found = check();
    if (c.expect != brokenbanks::Expect::PictureShown) {
        EXPECT_FALSE(found.empty());
        return;
    }
    // The program shows this picture: at most a warning (too large to show whole).
    for (const bankcheck::Diagnostic &d : found)
        EXPECT_NE(d.severity, bankcheck::Severity::Error) << d.message;
}

INSTANTIATE_TEST_SUITE_P(AllCases, CheckerOverBrokenBanks,
                         testing::Range<std::size_t>(0, brokenbanks::all().size()),
                         [](const testing::TestParamInfo<std::size_t> &info) {
                             std::string name = brokenbanks::all()[info.param].name;
                             for (char &c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });
