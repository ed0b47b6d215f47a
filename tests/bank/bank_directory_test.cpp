// In a process of its own, so that no other test has moved the bank folder yet.

#include "files.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(BankDirectory, StartsAsTheFolderOfTheRunningExecutable) {
    EXPECT_EQ(quizra::bankDirectory(),
              std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
    quizra::setBankDirectory("/elsewhere");
    EXPECT_EQ(quizra::bankDirectory(), "/elsewhere");
}
