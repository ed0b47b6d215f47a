// Cost of reading one value from a question file, next to the least any reader must spend
// (reading the file and scanning it for the key), and of drawing an exam from a large bank.

#include "IniModule.h"
#include "bank.h"
#include "files.h"
#include "modMain.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fcntl.h>
#include <string>
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
        benchbank::writeBank(directory.path() / "bank", 1000);
    }
};

const Bench &bench() {
    static Bench instance;
    return instance;
}

void getIniString(benchmark::State &state, const char *file, int Bench::*entries) {
    quizra::setProgramDirectory(bench().directory.path().string());
    const std::string section = "SEC" + std::to_string(bench().*entries);
    std::string value;
    for (auto _ : state) {
        IniModule::GetIniString("type", section, file, value);
        benchmark::DoNotOptimize(value);
    }
}

// The floor: read the whole file, then find the section header and the key after it.
void readAndScan(benchmark::State &state, const char *file, int Bench::*entries) {
    const std::string path = (bench().directory.path() / file).string();
    const std::string header = "[SEC" + std::to_string(bench().*entries) + "]";
    const std::string key = "\ntype=";
    const auto search = [](const std::string &bytes, std::size_t from, const std::string &needle) {
        const char *p = bytes.data() + from;
        const char *end = bytes.data() + bytes.size();
        while ((p = static_cast<const char *>(std::memchr(p, needle[0], end - p)))) {
            if (static_cast<std::size_t>(end - p) >= needle.size() &&
                std::memcmp(p, needle.data(), needle.size()) == 0)
                return static_cast<std::size_t>(p - bytes.data());
            ++p;
        }
        return bytes.size();
    };
    for (auto _ : state) {
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        std::string bytes(static_cast<std::size_t>(lseek(fd, 0, SEEK_END)), '\0');
        benchmark::DoNotOptimize(pread(fd, bytes.data(), bytes.size(), 0));
        close(fd);
        const std::size_t at = search(bytes, search(bytes, 0, header), key);
        benchmark::DoNotOptimize(at);
    }
}

BENCHMARK_CAPTURE(getIniString, 20KB, "small.ini", &Bench::smallEntries);
BENCHMARK_CAPTURE(readAndScan, 20KB, "small.ini", &Bench::smallEntries);
BENCHMARK_CAPTURE(getIniString, 2MB, "large.ini", &Bench::largeEntries);
BENCHMARK_CAPTURE(readAndScan, 2MB, "large.ini", &Bench::largeEntries);

void makeMondai(benchmark::State &state) {
    quizra::setProgramDirectory((bench().directory.path() / "bank").string());
    for (auto _ : state)
        modMain::MakeMondai();
}
BENCHMARK(makeMondai)->Unit(benchmark::kMillisecond);

} // namespace
