// In a process of its own, so that no other test has moved the program's directory yet.

#include "files.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ProgramDirectory, IsTheFolderOfTheRunningExecutable) {
    EXPECT_EQ(quizra::programDirectory(),
              std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
    quizra::setProgramDirectory("/elsewhere");
    EXPECT_EQ(quizra::programDirectory(), "/elsewhere");
}
