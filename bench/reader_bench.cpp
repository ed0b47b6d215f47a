// Cost of reading one value from a question file, next to the least any reader must spend
// (reading the file and passing over it once with memchr), and of drawing an exam, next to
// reading the bank's 50 files once.

#include "IniModule.h"
#include "bank.h"
#include "files.h"
#include "modMain.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

namespace fs = std::filesystem;
using benchbank::Text;

// The files are written on first use: a 20 KB and a 2 MB question file and a bank of 50 x 1,000
// entries of each text, and a bank of 50 x 10,000 entries of the plain text.
struct Files {
    fs::path folder;
    int smallEntries = 0;
    int largeEntries = 0;
};

const fs::path &root() {
    static const benchbank::TempDir directory{"bench"};
    return directory.path();
}

const Files &files(Text text) {
    static std::map<Text, Files> made;
    auto [at, fresh] = made.try_emplace(text);
    Files &f = at->second;
    if (fresh) {
        f.folder = root() / std::to_string(static_cast<int>(text));
        fs::create_directories(f.folder);
        f.smallEntries = benchbank::writeQuestionFile(f.folder / "small.ini", 20 * 1024, text);
        f.largeEntries =
            benchbank::writeQuestionFile(f.folder / "large.ini", 2 * 1024 * 1024, text);
        benchbank::writeBank(f.folder / "1000", 1000, {}, text);
        if (text == Text::Plain) benchbank::writeBank(f.folder / "10000", 10000);
    }
    return f;
}

// The whole file in a buffer that is not zero-filled, as a reader needs it at the least.
std::unique_ptr<char[]> readWhole(const std::string &path, std::size_t &size) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    fstat(fd, &info);
    size = static_cast<std::size_t>(info.st_size);
    auto bytes = std::make_unique_for_overwrite<char[]>(size);
    for (std::size_t done = 0; done < size;)
        done += static_cast<std::size_t>(pread(fd, bytes.get() + done, size - done, done));
    close(fd);
    return bytes;
}

// The value of the last entry's type, the farthest a lookup has to go.
void getIniString(benchmark::State &state, Text text, const char *file, int Files::*entries) {
    const Files &f = files(text);
    quizra::setBankDirectory(f.folder.string());
    const std::string section = "SEC" + std::to_string(f.*entries);
    std::string value;
    for (auto _ : state) {
        IniModule::GetIniString("type", section, file, value);
        benchmark::DoNotOptimize(value);
    }
}

// The floor: read the whole file, then one memchr over all of it (for a byte it lacks).
void readAndMemchr(benchmark::State &state, Text text, const char *file) {
    const std::string path = (files(text).folder / file).string();
    for (auto _ : state) {
        std::size_t size = 0;
        const auto bytes = readWhole(path, size);
        benchmark::DoNotOptimize(std::memchr(bytes.get(), '\0', size));
    }
}

void makeMondai(benchmark::State &state, Text text, const char *bank) {
    quizra::setBankDirectory((files(text).folder / bank).string());
    for (auto _ : state)
        modMain::MakeMondai();
}

// The floor of an exam start: each of the 50 files read once.
void readBankOnce(benchmark::State &state, Text text, const char *bank) {
    const fs::path folder = files(text).folder / bank;
    for (auto _ : state) {
        for (int i = 0; i < modMain::QuestionCount; ++i) {
            std::size_t size = 0;
            benchmark::DoNotOptimize(
                readWhole((folder / modMain::questionFileName(i)).string(), size));
        }
    }
}

BENCHMARK_CAPTURE(getIniString, 20KB, Text::Plain, "small.ini", &Files::smallEntries);
BENCHMARK_CAPTURE(readAndMemchr, 20KB, Text::Plain, "small.ini");
BENCHMARK_CAPTURE(makeMondai, 10000_entries, Text::Plain, "10000")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readBankOnce, 10000_entries, Text::Plain, "10000")->Unit(benchmark::kMillisecond);

// Each figure on every text, beside its floor: the names end in _plain, _sample, _long_vowel and
// _katakana.
const bool registered = [] {
    const std::pair<Text, std::string> texts[] = {{Text::Plain, "plain"},
                                                  {Text::Sample, "sample"},
                                                  {Text::LongVowel, "long_vowel"},
                                                  {Text::Katakana, "katakana"}};
    for (const auto &[text, name] : texts) {
        benchmark::RegisterBenchmark(("getIniString/2MB_" + name).c_str(), getIniString, text,
                                     "large.ini", &Files::largeEntries);
        benchmark::RegisterBenchmark(("readAndMemchr/2MB_" + name).c_str(), readAndMemchr, text,
                                     "large.ini");
        benchmark::RegisterBenchmark(("makeMondai/1000_entries_" + name).c_str(), makeMondai, text,
                                     "1000")
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("readBankOnce/1000_entries_" + name).c_str(), readBankOnce,
                                     text, "1000")
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
