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
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Bench {
    benchbank::TempDir directory{"bench"};
    int smallEntries = 0;
    int largeEntries = 0;

    Bench() {
        smallEntries = benchbank::writeQuestionFile(directory.path() / "small.ini", 20 * 1024);
        largeEntries =
            benchbank::writeQuestionFile(directory.path() / "large.ini", 2 * 1024 * 1024);
        benchbank::writeBank(directory.path() / "1000", 1000);
        benchbank::writeBank(directory.path() / "10000", 10000);
    }
};

const Bench &bench() {
    static Bench instance;
    return instance;
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
void getIniString(benchmark::State &state, const char *file, int Bench::*entries) {
    quizra::setProgramDirectory(bench().directory.path().string());
    const std::string section = "SEC" + std::to_string(bench().*entries);
    std::string value;
    for (auto _ : state) {
        IniModule::GetIniString("type", section, file, value);
        benchmark::DoNotOptimize(value);
    }
}

// The floor: read the whole file, then one memchr over all of it (for a byte it lacks).
void readAndMemchr(benchmark::State &state, const char *file) {
    const std::string path = (bench().directory.path() / file).string();
    for (auto _ : state) {
        std::size_t size = 0;
        const auto bytes = readWhole(path, size);
        benchmark::DoNotOptimize(std::memchr(bytes.get(), '\0', size));
    }
}

BENCHMARK_CAPTURE(getIniString, 20KB, "small.ini", &Bench::smallEntries);
BENCHMARK_CAPTURE(readAndMemchr, 20KB, "small.ini");
BENCHMARK_CAPTURE(getIniString, 2MB, "large.ini", &Bench::largeEntries);
BENCHMARK_CAPTURE(readAndMemchr, 2MB, "large.ini");

void makeMondai(benchmark::State &state, const char *bank) {
    quizra::setProgramDirectory((bench().directory.path() / bank).string());
    for (auto _ : state)
        modMain::MakeMondai();
}

// The floor of an exam start: each of the 50 files read once.
void readBankOnce(benchmark::State &state, const char *bank) {
    for (auto _ : state) {
        for (int i = 0; i < modMain::QuestionCount; ++i) {
            std::size_t size = 0;
            benchmark::DoNotOptimize(readWhole(
                (bench().directory.path() / bank / modMain::questionFileName(i)).string(), size));
        }
    }
}

BENCHMARK_CAPTURE(makeMondai, 1000_entries, "1000")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readBankOnce, 1000_entries, "1000")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(makeMondai, 10000_entries, "10000")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readBankOnce, 10000_entries, "10000")->Unit(benchmark::kMillisecond);

} // namespace
