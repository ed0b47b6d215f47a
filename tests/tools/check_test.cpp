#include "bank/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sys/wait.h>
#include <tuple>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
};

// Runs a shell command line and collects its standard output and exit status.
Outcome run(const std::string &commandLine) {
    Outcome result;
    FILE *pipe = popen(commandLine.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer;
    while (const std::size_t got = fread(buffer.data(), 1, buffer.size(), pipe))
        result.out.append(buffer.data(), got);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string check(const std::string &arguments) {
    return QUIZRA_CHECK " " + arguments;
}

// A bank with two entries in TOI1.ini (under a lower-case name), a broken count in TOI2.ini
// and no other files.
class Check : public testing::Test {
protected:
    void SetUp() override {
        bank.write("toi1.ini", "[COUNT]\r\nALL=2\r\n"
                               "[SEC1]\r\nbun=\x96\xe2\x91\xe8 \"q\"\\\t\x01\r\nans=3\x94\xd4\r\n"
                               "[SEC2]\r\nans=40000\r\ntype=1\r\n");
        bank.write("TOI2.ini", "[COUNT]\r\nALL=1e400\r\n");
    }
    TempDir bank;
};

TEST_F(Check, GetPrintsOneValueAsTheProgramReadsIt) {
    const Outcome got = run(check("get TOI1.ini SEC1 bun " + bank.str()));
    EXPECT_EQ(got.status, 0);
    EXPECT_EQ(got.out, "問題 \"q\"\\\t\\x01\n"); // control characters escaped
    const Outcome here = run("cd " + bank.str() + " && " + check("get TOI1.ini sec2 ANS ."));
    EXPECT_EQ(here.status, 0);
    EXPECT_EQ(here.out, "40000\n");
    EXPECT_EQ(run(check("get TOI9.ini SEC1 bun " + bank.str())).out, "\n");
}

TEST_F(Check, DumpListsEveryFileAndEveryEntryTheDrawCanPick) {
    const Outcome dump = run(check("dump " + bank.str()));
    EXPECT_EQ(dump.status, 0);
    for (const char *line : {
             "TOI1.ini: ok, count 2, entries SEC1..SEC2\n  [SEC1]\n    bun=問題",
             "\"q\"\\\t\\x01 (control characters shown as \\xNN)\n",
             "    ans=3\n    bmp=\n    type=0\n  [SEC2]\n",
             "    ans=overflow\n    bmp=\n    type=1\n    error: オーバーフローしました。 "
             "(ans=40000)",
             "TOI2.ini: ok, count \"1e400\"\n  error: オーバーフローしました。\n",
             "TOI50.ini: missing, count 0, entry SEC1\n  [SEC1]\n    bun=\n",
         })
        EXPECT_NE(dump.out.find(line), std::string::npos) << line;
}

TEST_F(Check, DumpWritesEscapedJson) {
    const Outcome dump = run("cd " + bank.str() + " && " + check("dump --json ."));
    EXPECT_EQ(dump.status, 0);
    for (
        const char *part : {
            R"j({"section": "SEC1", "bun": "問題 \"q\"\\\t\u0001", "ans1": "")j",
            R"j("ans": null, "bmp": "", "type": 1, "error": "オーバーフローしました。 (ans=40000)"})j",
            R"j({"file": "TOI2.ini", "state": "ok", "count": null, "countText": "1e400")j",
            R"j({"file": "TOI50.ini", "state": "missing", "count": 0, "countText": "")j",
        })
        EXPECT_NE(dump.out.find(part), std::string::npos) << part;
    EXPECT_EQ(dump.out.front(), '{');
    EXPECT_EQ(dump.out.substr(dump.out.size() - 3), "]}\n");
}

TEST(CheckSample, SampleBankIsCleanAndExitsZero) {
    const Outcome got = run(check("check " QUIZRA_SAMPLE_DIR));
    EXPECT_EQ(got.out, "50 files checked: 0 errors, 0 warnings\n");
    EXPECT_EQ(got.status, 0);
}

// The sample bank with one change per test, in a folder of its own.
class CheckCommand : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(QUIZRA_SAMPLE_DIR, bank.path(),
                              std::filesystem::copy_options::recursive);
    }
    TempDir bank;
};

TEST_F(CheckCommand, WarningsOnlyExitOneWithFileAndLine) {
    bank.write("TOI2.ini", "[COUNT]\r\nALL=1\r\n[SEC1]\r\nbun=q\r\nans1=a\r\nans2=b\r\n"
                           "ans3=c\r\nans4=d\r\nans=1\r\n[SEC 2]\r\n");
    const Outcome got = run("cd " + bank.str() + " && " + check("check ."));
    EXPECT_EQ(got.out, "TOI2.ini:10: warning: [SEC 2] is not [SEC2]: the program never reads it\n"
                       "50 files checked: 0 errors, 1 warning\n");
    EXPECT_EQ(got.status, 1);
    // In Japanese, the place and the severity stay as tools parse them.
    const Outcome ja = run("cd " + bank.str() + " && LC_ALL=ja_JP.UTF-8 " + check("check ."));
    EXPECT_EQ(ja.out.substr(0, ja.out.find('\n')),
              "TOI2.ini:10: warning: [SEC 2] は [SEC2] ではありません: "
              "プログラムはこのセクションを読みません");
}

TEST_F(CheckCommand, TextShowsTwentyProblemsAFileUnlessAskedForAllAndEscapesControls) {
    std::string sections; // 2 errors for the whole file, then one warning a line
    for (int i = 0; i < 25; ++i)
        sections += "[s\x1b[2J" + std::to_string(i) + "]\r\n";
    bank.write("TOI2.ini", sections);
    const Outcome got = run(check("check " + bank.str()));
    EXPECT_NE(got.out.find("TOI2.ini:18: warning: [s\\x1b[2J17] is never read"), std::string::npos);
    EXPECT_NE(got.out.find("(control characters shown as \\xNN)\n"
                           "… and 7 more in TOI2.ini (--all shows them)\n"
                           "50 files checked: 2 errors, 25 warnings\n"),
              std::string::npos)
        << got.out;
    EXPECT_EQ(got.status, 2);
    const Outcome all = run(check("check --all " + bank.str()));
    EXPECT_NE(all.out.find("TOI2.ini:25: warning"), std::string::npos);
    EXPECT_EQ(all.out.find('\x1b'), std::string::npos);
}

TEST_F(CheckCommand, BuildWritesTheExportedBankAndReplacesABankOnlyWithForce) {
    const std::string csv = bank.str() + "/bank.csv", built = bank.str() + "/built";
    EXPECT_EQ(run(check("export " + bank.str() + " -o " + csv)).status, 0);
    const Outcome first = run(check("build " + csv + " " + built));
    EXPECT_EQ(first.status, 1); // pictures are not copied: a warning each
    EXPECT_NE(first.out.find("TOI1.ini to TOI50.ini written to " + built + ": 130 entries\n"),
              std::string::npos)
        << first.out;
    EXPECT_EQ(run(check("dump " + built)).out, run(check("dump " + bank.str())).out);

    EXPECT_EQ(run(check("build " + csv + " " + built)).status, 2);
    const Outcome replaced = run(check("build " + csv + " " + built + " --force"));
    EXPECT_EQ(replaced.status, 1);
    EXPECT_NE(replaced.out.find("the bank replaced is kept in " + built + "/.quizra-old-"),
              std::string::npos)
        << replaced.out;

    // Without a folder: the per-user bank, which the program reads unless one lies beside it.
    const std::string data = "XDG_DATA_HOME=" + bank.str() + "/data ";
    const Outcome own = run(data + check("build " + csv));
    EXPECT_NE(own.out.find("written to " + bank.str() + "/data/quizra/bank, the per-user bank"),
              std::string::npos)
        << own.out;
    EXPECT_NE(own.out.find("note: quizra reads "), std::string::npos) << own.out;
    const std::string beside = std::filesystem::path(QUIZRA_CHECK).parent_path().string();
    EXPECT_NE(run(data + check("check")).out.find("50 files checked in " + beside + ": "),
              std::string::npos);
    bank.write("bank.csv", "question,entry\r\n");
    const Outcome broken = run(check("build " + csv + " " + built + " --force"));
    EXPECT_EQ(broken.status, 2);
    EXPECT_NE(broken.out.find(csv + ":1: error: no column bun, ans1, ans2, ans3, ans4, ans, bmp, "
                                    "type: the header row names"),
              std::string::npos);
    EXPECT_NE(broken.out.find(": 1 error: nothing written\n"), std::string::npos) << broken.out;
    // In Japanese, the place and the severity stay as tools parse them.
    const Outcome ja = run("LC_ALL=ja_JP.UTF-8 " + check("build " + csv + " " + built));
    EXPECT_NE(ja.out.find(csv + ":1: error: 次の列がありません: bun, ans1, ans2, ans3, ans4, ans, "
                                "bmp, type: 見出し行には"),
              std::string::npos)
        << ja.out;
}

// A bank built from the sample, then a spreadsheet of a bank whose TOI1.ini is one entry: build
// shows what it changes, --dry-run writes nothing, and the entry rules stop it at a row.
TEST_F(CheckCommand, BuildShowsItsChangesAndRunsTheEntryRulesAtRowAndColumn) {
    const std::string csv = bank.str() + "/bank.csv", built = bank.str() + "/built";
    run(check("export " + bank.str() + " -o " + csv));
    run(check("build " + csv + " " + built));
    const std::string entry = "[COUNT]\r\nALL=1\r\n[SEC1]\r\nbun=q\r\nans1=0123\r\nans2=b\r\n"
                              "ans3=c\r\nans4=d\r\nans=1\r\n";
    bank.write("TOI1.ini", entry);
    run(check("export " + bank.str() + " -o " + csv));
    const std::string before = run(check("dump " + built)).out;
    const Outcome dry = run(check("build " + csv + " " + built + " --dry-run"));
    EXPECT_NE(dry.out.find("1 entry changed, 0 added, 2 removed\n"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("\" → \"0123\"\n"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("--dry-run: nothing written"), std::string::npos);
    EXPECT_EQ(run(check("dump " + built)).out, before);

    bank.write("TOI1.ini", std::regex_replace(entry, std::regex("bun=q"), "bun="));
    run(check("export " + bank.str() + " -o " + csv));
    for (const std::string &command : {"build " + csv + " " + built + " --force", "check " + csv}) {
        const Outcome broken = run(check(command));
        EXPECT_EQ(broken.status, 2) << command;
        EXPECT_NE(broken.out.find(csv + ":2:3: error: bun is empty"), std::string::npos)
            << broken.out;
    }
    EXPECT_EQ(run(check("dump " + built)).out, before);
}

TEST_F(CheckCommand, ErrorsExitTwoAndFileLevelProblemsHaveNoLine) {
    std::filesystem::remove(bank.path() / "TOI50.ini");
    bank.write("TOI3.ini", "[COUNT]\r\nALL=2\r\n");
    const Outcome got = run(check("check " + bank.str()));
    EXPECT_NE(got.out.find("TOI3.ini:2: error: [SEC1] to [SEC2] are missing"), std::string::npos);
    EXPECT_NE(got.out.find("\nTOI50.ini: error: missing: question 50"), std::string::npos);
    EXPECT_NE(got.out.find("\n50 files checked: 2 errors, 0 warnings\n"), std::string::npos);
    EXPECT_EQ(got.status, 2);
}

TEST_F(CheckCommand, JsonGivesTheSameDiagnosticsAndSummary) {
    std::filesystem::remove(bank.path() / "TOI50.ini");
    bank.write("TOI3.ini", "[COUNT]\r\nALL=1\"\r\n[SEC1]\r\nbun=\x96\xe2\r\n");
    const Outcome got = run(check("check --json " + bank.str()));
    EXPECT_EQ(got.status, 2);
    for (
        const char *part : {
            R"j({"diagnostics": [)j",
            R"j({"file": "TOI3.ini", "line": 2, "severity": "warning", "message": "ALL=1\" reads as 1: write the number alone"})j",
            R"j({"file": "TOI3.ini", "line": 3, "severity": "error", "message": "no ans1 in [SEC1]: choice 1 is empty"})j",
            R"j({"file": "TOI50.ini", "line": null, "severity": "error", "message": "missing: )j",
            R"j("summary": {"files": 50, "errors": 6, "warnings": 1}})j",
        })
        EXPECT_NE(got.out.find(part), std::string::npos) << part << "\n" << got.out;
}

TEST(CheckUsage, BadUsageExitsWithTwoAndTheUsageLine) {
    for (const char *arguments :
         {"", "nonsense", "get TOI1.ini SEC1", "get a b c d e", "dump --bogus", "dump one two",
          "check --bogus", "check a b", "preview", "preview DIR", "preview -o", "preview a b -o c",
          "preview -o a -o b", "export -o", "export a b", "build", "build a b c", "where x"}) {
        const Outcome got = run(check(arguments) + " 2>&1");
        EXPECT_EQ(got.status, 2) << arguments;
        EXPECT_EQ(got.out.rfind("usage:\n  quizra-check get", 0), 0u) << arguments;
    }
    const Outcome help = run(check("preview --help"));
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: quizra-check preview [DIR] -o OUTDIR\nDraws", 0), 0u)
        << help.out;
}

// The bank the program finds when started without one, seen through a copy of quizra-check
// installed in a tree of its own: the first of usr/bin, the per-user data folder, the system
// data folders and last the sample bank that holds a question file (any case).
TEST(Where, TheFirstFolderHoldingAQuestionFileIsTheBank) {
    TempDir root;
    std::filesystem::create_directories(root.path() / "usr/bin");
    std::filesystem::copy_file(QUIZRA_CHECK, root.path() / "usr/bin/quizra-check");
    const std::string where = "XDG_DATA_HOME=" + root.str() + "/home XDG_DATA_DIRS=" + root.str() +
                              "/usr/local/share:" + root.str() + "/usr/share " + root.str() +
                              "/usr/bin/quizra-check where";
    const std::pair<const char *, const char *> steps[] = {
        // a file added, the folder found then ("" for none)
        {"usr/share/quizra/bank/TOI51.ini", ""},
        {"usr/share/quizra/sample/TOI1.ini", "usr/share/quizra/sample"},
        {"usr/share/quizra/bank/toi7.ini", "usr/share/quizra/bank"},
        {"usr/local/share/quizra/bank/TOI2.ini", "usr/local/share/quizra/bank"},
        {"home/quizra/bank/TOI3.ini", "home/quizra/bank"},
        {"usr/bin/TOI4.ini", "usr/bin"},
    };
    for (const auto &[added, found] : steps) {
        root.write(added, "[COUNT]\r\nALL=1\r\n");
        const Outcome got = run(where);
        const std::string expected = *found ? root.str() + "/" + found : "no question bank found";
        EXPECT_EQ(got.out.substr(0, got.out.find_first_of(";\n")), expected) << got.out;
        EXPECT_EQ(got.status, *found ? 0 : 2) << added;
    }
}

TEST(ProgramCommandLine, AnswersHelpAndVersionAndRefusesWhatItDoesNotKnow) {
    const std::tuple<const char *, int, const char *> rows[] = {
        {"--version", 0, "quizra 1."}, {"--help", 0, "--bank <DIR>"},
        {"--bogus", 2, "quizra: "},    {"/nonexistent", 2, "quizra: /nonexistent "},
        {"a b", 2, "quizra: "},        {"--bank a b", 2, "quizra: "}};
    for (const auto &[arguments, status, out] : rows) {
        // Answered without a display.
        const Outcome got = run("env -u DISPLAY QT_QPA_PLATFORM=xcb " QUIZRA_PROGRAM " " +
                                std::string(arguments) + " 2>&1");
        EXPECT_EQ(got.status, status) << arguments;
        EXPECT_NE(got.out.find(out), std::string::npos) << arguments << ": " << got.out;
    }
}

std::string contents(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every entry of TOI1.ini the draw can pick: [SEC1] clean, [SEC2] with a choice cut side by side
// (forty full-width characters are too wide with any font), [SEC3] absent, [SEC4] clean and
// written by build from spreadsheet row 5.
TEST(Preview, RendersEachEntryAndListsItWithItsAnswerAndDiagnostics) {
    const auto entry = [](int k, const std::string &ans2, int ans) {
        return "[SEC" + std::to_string(k) + "]\r\nbun=a<b\r\nans1=x\r\nans2=" + ans2 +
               "\r\nans3=z\r\nans4=w\r\nans=" + std::to_string(ans) + "\r\n";
    };
    std::string wide;
    for (int i = 0; i < 40; ++i)
        wide += "\x82\xa0"; // あ
    TempDir bank, out;
    bank.write("TOI1.ini", "[COUNT]\r\nALL=4\r\n" + entry(1, "\x89\x45", 2) + entry(2, wide, 1) +
                               "; row 5\r\n" + entry(4, "y", 4));
    const std::string page = out.str() + "/page";
    const Outcome got = run(check("preview " + bank.str() + " -o " + page));
    EXPECT_EQ(got.status, 0);
    EXPECT_NE(got.out.find(": 3 entries of 50 files (3 drawn, 0 unchanged);"), std::string::npos)
        << got.out;

    for (const char *name : {"TOI1-SEC1.png", "TOI1-SEC2.png", "TOI1-SEC4.png"}) {
        const std::string png = contents(out.path() / "page" / name);
        ASSERT_GT(png.size(), 24u) << name;
        EXPECT_EQ(png.substr(1, 3), "PNG");
        EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x03\x0d\0\0\x02\x44", 8)) << "781 x 580";
    }
    EXPECT_FALSE(std::filesystem::exists(out.path() / "page" / "TOI1-SEC3.png"));

    // The problems first, errors before warnings, each a link to its place; then each file's
    // own diagnostics, then each entry with what is its own.
    const std::string html = contents(out.path() / "page" / "index.html");
    std::size_t at = 0;
    for (const char *part :
         {"<a href=\"#TOI1.ini\">TOI1.ini:2: error: [SEC3] is missing",
          "<a href=\"#TOI50.ini\">TOI50.ini: error: missing",
          "<a href=\"#TOI1-SEC2\">TOI1.ini:13: warning: ans2 is ", "id=\"only\"",
          "TOI1.ini:2: error: [SEC3] is missing", "id=\"TOI1-SEC1\"", "alt=\"a&lt;b\"",
          "Correct answer: (2) 右", "No problems found",
          "class=\"entry problem warning\" id=\"TOI1-SEC2\"", "TOI1.ini:13: warning: ans2 is ",
          " px show side by side: put the choices one below the other",
          "[SEC3]</h3><p>Not in the file", "id=\"TOI1-SEC4\"", "line 18, spreadsheet row 5",
          "Correct answer: (4) w", "TOI2.ini: question 2",
          "TOI2.ini: error: missing: question 2"}) {
        const std::size_t found = html.find(part, at);
        ASSERT_NE(found, std::string::npos) << part << " after offset " << at;
        at = found;
    }

    // Again after one change: only that entry is drawn, the picture of an entry that is gone is
    // removed, and a link standing at a name the preview writes is replaced, not followed.
    bank.write("TOI1.ini", "[COUNT]\r\nALL=2\r\n" + entry(1, "\x89\x45", 3) + entry(2, wide, 1));
    out.write("elsewhere", "kept");
    std::filesystem::remove(out.path() / "page" / "index.html");
    std::filesystem::create_symlink(out.path() / "elsewhere", out.path() / "page" / "index.html");
    const Outcome again = run(check("preview " + bank.str() + " -o " + page));
    EXPECT_NE(again.out.find(": 2 entries of 50 files (1 drawn, 1 unchanged);"), std::string::npos)
        << again.out;
    EXPECT_FALSE(std::filesystem::exists(out.path() / "page" / "TOI1-SEC4.png"));
    EXPECT_EQ(contents(out.path() / "elsewhere"), "kept");
    EXPECT_NE(contents(out.path() / "page" / "index.html").find("Correct answer: (3) z"),
              std::string::npos);

    // A folder that holds a bank, or files the preview did not write, is refused.
    for (const std::string &folder : {bank.str(), out.str()})
        EXPECT_EQ(run(check("preview " + bank.str() + " -o " + folder)).status, 2) << folder;
}

} // namespace
