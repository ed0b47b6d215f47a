#include "bank/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

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
    EXPECT_EQ(got.out, "問題 \"q\"\\\t\x01\n");
    const Outcome here = run("cd " + bank.str() + " && " + check("get TOI1.ini sec2 ANS"));
    EXPECT_EQ(here.status, 0);
    EXPECT_EQ(here.out, "40000\n");
    EXPECT_EQ(run(check("get TOI9.ini SEC1 bun " + bank.str())).out, "\n");
}

TEST_F(Check, DumpListsEveryFileAndEveryEntryTheDrawCanPick) {
    const Outcome dump = run(check("dump " + bank.str()));
    EXPECT_EQ(dump.status, 0);
    for (const char *line : {
             "TOI1.ini: ok, count 2, entries SEC1..SEC2\n  [SEC1]\n    bun=問題",
             "    ans=3\n    bmp=\n    type=0\n  [SEC2]\n",
             "    ans=overflow\n    bmp=\n    type=1\n    error: オーバーフローしました。 "
             "(ans=40000)",
             "TOI2.ini: ok, count \"1e400\"\n  error: オーバーフローしました。\n",
             "TOI50.ini: missing, count 0, entry SEC1\n  [SEC1]\n    bun=\n",
         })
        EXPECT_NE(dump.out.find(line), std::string::npos) << line;
}

TEST_F(Check, DumpWritesEscapedJson) {
    const Outcome dump = run("cd " + bank.str() + " && " + check("dump --json"));
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

TEST(CheckUsage, BadUsageExitsWithTwoAndTheUsageLine) {
    for (const char *arguments :
         {"", "nonsense", "get TOI1.ini SEC1", "get a b c d e", "dump --bogus", "dump one two"}) {
        const Outcome got = run(check(arguments) + " 2>&1");
        EXPECT_EQ(got.status, 2) << arguments;
        EXPECT_EQ(got.out.rfind("usage: quizra-check", 0), 0u) << arguments;
    }
}

} // namespace
