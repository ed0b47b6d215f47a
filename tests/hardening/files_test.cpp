#include "bank/temp_dir.h"
#include "files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

// Which picture names stay inside the program's folder; the rest are never read.
TEST(StaysInside, NamesBelowTheFolderStayInside) {
    for (const char *name : {"q1.bmp", "pic\\q1.bmp", "pic/q1.bmp", "pic\\..\\q1.bmp", ".\\q1.bmp",
                             "a\\b\\..\\..\\q1.bmp", "\\pic\\q1.bmp", "/etc/passwd", "..."})
        EXPECT_TRUE(quizra::staysInside(name)) << name;
}

TEST(StaysInside, NamesClimbingAboveTheFolderDoNot) {
    for (const char *name : {"..\\q1.bmp", "../q1.bmp", "..", "pic\\..\\..\\q1.bmp",
                             "a/../b/../../q1.bmp", "..\\..\\..\\etc\\passwd", ".\\..\\q1.bmp"})
        EXPECT_FALSE(quizra::staysInside(name)) << name;
}

// A named pipe in place of a question file used to block the start of the exam for ever,
// waiting for a writer.
TEST(ReadFileBytes, RefusesANamedPipeWithoutWaiting) {
    TempDir dir;
    const std::string pipe = dir.str() + "/TOI1.ini";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_EQ(quizra::readFileBytes(pipe).status, quizra::FileBytes::Status::Error);
}
