#include "bank.h"

#include "modMain.h"

#include <fstream>
#include <unistd.h>

namespace benchbank {

namespace fs = std::filesystem;

std::string entry(int k, std::string_view bmp) {
    // No byte 0x5B ('[', also the second byte of ー): a baseline that searches for '[' would
    // otherwise stop in every line of text.
    const std::string text = "\x96\xe2\x91\xe8\x82\xcc\x83\x65\x83\x4c\x83\x58\x83\x67"
                             "\x82\xc5\x82\xb7\x81\x42"; // 問題のテキストです。
    std::string s = "[SEC" + std::to_string(k) + "]\r\n";
    std::string bun;
    for (int i = 0; i < 8; ++i)
        bun += text;
    s += "bun=" + bun + "\r\n";
    for (int choice = 1; choice <= 4; ++choice)
        s += "ans" + std::to_string(choice) + "=" + text + text + "\r\n";
    s += "ans=" + std::to_string(1 + k % 4) + "\r\nbmp=" + std::string(bmp) +
         "\r\ntype=" + std::to_string(k % 2) + "\r\n";
    return s;
}

int writeQuestionFile(const fs::path &path, std::size_t targetBytes) {
    std::string body;
    int entries = 0;
    while (body.size() < targetBytes)
        body += entry(++entries);
    std::ofstream(path, std::ios::binary) << "[COUNT]\r\nALL=" << entries << "\r\n" << body;
    return entries;
}

void writeBank(const fs::path &directory, int entries, std::string_view bmp) {
    fs::create_directories(directory);
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        std::string body = "[COUNT]\r\nALL=" + std::to_string(entries) + "\r\n";
        const std::size_t hash = bmp.find('#');
        const std::string picture = hash == std::string_view::npos
                                        ? std::string(bmp)
                                        : std::string(bmp.substr(0, hash))
                                              .append(std::to_string(i + 1))
                                              .append(bmp.substr(hash + 1));
        for (int k = 1; k <= entries; ++k)
            body += entry(k, picture);
        std::ofstream(directory / modMain::questionFileName(i), std::ios::binary) << body;
    }
}

TempDir::TempDir(std::string_view name)
    : path_(fs::temp_directory_path() /
            ("quizra-" + std::string(name) + "-" + std::to_string(getpid()))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

} // namespace benchbank
