#include "bank/temp_dir.h"
#include "files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

// A named pipe in place of a question file used to block the start of the exam for ever,
// waiting for a writer.
TEST(ReadFileBytes, RefusesANamedPipeWithoutWaiting) {
    TempDir dir;
    const std::string pipe = dir.str() + "/TOI1.ini";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_EQ(quizra::readFileBytes(pipe).status, quizra::FileBytes::Status::Error);
}
