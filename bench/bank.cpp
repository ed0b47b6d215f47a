#include "bank.h"

#include "modMain.h"

#include <fstream>
#include <unistd.h>

namespace benchbank {

namespace fs = std::filesystem;

std::string entry(int k, std::string_view bmp, Text text) {
    const std::vector<std::string> &bodies = entryBodies(text);
    return "[SEC" + std::to_string(k) + "]\r\n" +
           bodies[static_cast<std::size_t>(k - 1) % bodies.size()] + "bmp=" + std::string(bmp) +
           "\r\n";
}

int writeQuestionFile(const fs::path &path, std::size_t targetBytes, Text text) {
    std::string body;
    int entries = 0;
    while (body.size() < targetBytes)
        body += entry(++entries, {}, text);
    std::ofstream(path, std::ios::binary) << "[COUNT]\r\nALL=" << entries << "\r\n" << body;
    return entries;
}

void writeBank(const fs::path &directory, int entries, std::string_view bmp, Text text) {
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
            body += entry(k, picture, text);
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
