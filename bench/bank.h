#pragma once

#include "texts.h"

#include <filesystem>
#include <string>
#include <string_view>

// Synthetic question banks in the shape of real ones, for the benchmarks.
namespace benchbank {

// One entry, section SEC<k>: Japanese text in code page 932, short numbers, and picture bmp
// ("" for none).
std::string entry(int k, std::string_view bmp = {}, Text text = Text::Plain);

// Writes a question file of about targetBytes; returns the number of entries.
int writeQuestionFile(const std::filesystem::path &path, std::size_t targetBytes,
                      Text text = Text::Plain);

// Writes TOI1.ini .. TOI50.ini into directory, each holding entries entries that name bmp; a '#'
// in bmp stands for the file's number (1..50).
void writeBank(const std::filesystem::path &directory, int entries, std::string_view bmp = {},
               Text text = Text::Plain);

// A fresh folder below the temporary directory, removed with everything in it.
class TempDir {
public:
    explicit TempDir(std::string_view name);
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace benchbank
