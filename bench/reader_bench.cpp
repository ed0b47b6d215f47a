// Cost of reading one value from a question file, next to the least any reader must spend
// (reading the file and scanning it for the key), and of drawing an exam from a large bank.

#include "IniModule.h"
#include "files.h"
#include "modMain.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// One entry in the shape of a real bank: Japanese text in code page 932 and short numbers.
std::string entry(int k) {
    const std::string text = "\x96\xe2\x91\xe8\x82\xcc\x83\x65\x83\x4c\x83\x58\x83\x67\x81\x5b"
                             "\x82\xc5\x82\xb7\x81\x42"; // 問題のテキストーです。
    std::string s = "[SEC" + std::to_string(k) + "]\r\n";
    std::string bun;
    for (int i = 0; i < 8; ++i)
        bun += text;
    s += "bun=" + bun + "\r\n";
    for (int choice = 1; choice <= 4; ++choice)
        s += "ans" + std::to_string(choice) + "=" + text + text + "\r\n";
    s += "ans=" + std::to_string(1 + k % 4) + "\r\nbmp=\r\ntype=" + std::to_string(k % 2) + "\r\n";
    return s;
}

// Writes a question file of about targetBytes; returns the number of entries.
int writeQuestionFile(const fs::path &path, std::size_t targetBytes) {
    std::string body;
    int entries = 0;
    while (body.size() < targetBytes)
        body += entry(++entries);
    std::ofstream(path, std::ios::binary) << "[COUNT]\r\nALL=" << entries << "\r\n" << body;
    return entries;
}

struct Bench {
    fs::path directory;
    int smallEntries = 0;
    int largeEntries = 0;

    Bench() {
        directory = fs::temp_directory_path() / ("quizra-bench-" + std::to_string(getpid()));
        fs::create_directories(directory / "bank");
        smallEntries = writeQuestionFile(directory / "small.ini", 20 * 1024);
        largeEntries = writeQuestionFile(directory / "large.ini", 2 * 1024 * 1024);
        for (int n = 1; n <= modMain::QuestionCount; ++n) {
            std::string body = "[COUNT]\r\nALL=1000\r\n";
            for (int k = 1; k <= 1000; ++k)
                body += entry(k);
            std::ofstream(directory / "bank" / ("TOI" + std::to_string(n) + ".ini"),
                          std::ios::binary)
                << body;
        }
    }
    ~Bench() { fs::remove_all(directory); }
};

const Bench &bench() {
    static Bench instance;
    return instance;
}

void getIniString(benchmark::State &state, const char *file, int Bench::*entries) {
    quizra::setProgramDirectory(bench().directory.string());
    const std::string section = "SEC" + std::to_string(bench().*entries);
    std::string value;
    for (auto _ : state) {
        IniModule::GetIniString("type", section, file, value);
        benchmark::DoNotOptimize(value);
    }
}

// The floor: read the whole file, then find the section header and the key after it.
void readAndScan(benchmark::State &state, const char *file, int Bench::*entries) {
    const std::string path = (bench().directory / file).string();
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
    quizra::setProgramDirectory((bench().directory / "bank").string());
    for (auto _ : state)
        modMain::MakeMondai();
}
BENCHMARK(makeMondai)->Unit(benchmark::kMillisecond);

} // namespace
