#include "bankwrite.h"

#include "files.h"
#include "modMain.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace spreadsheet {
namespace {

std::string failure(const std::string &what) {
    return what + ": " + std::strerror(errno);
}

// Writes bytes to path.
bool writeFile(const std::string &path, const std::string &bytes) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t got = write(fd, bytes.data() + written, bytes.size() - written);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        written += static_cast<std::size_t>(got);
    }
    const bool ok = written == bytes.size();
    const int saved = errno;
    close(fd);
    errno = saved;
    return ok;
}

// Flushes path to the disk.
bool flush(const std::string &path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = fsync(fd) == 0;
    const int saved = errno;
    close(fd);
    errno = saved;
    return ok;
}

} // namespace

std::vector<std::string> existingQuestionFiles(const std::string &directory) {
    std::vector<std::string> found;
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        const std::string path = quizra::resolvePath(directory, modMain::questionFileName(i));
        struct stat info;
        if (lstat(path.c_str(), &info) == 0) found.push_back(path.substr(path.rfind('/') + 1));
    }
    return found;
}

std::string writeQuestionFiles(const std::string &directory,
                               const std::vector<std::string> &files) {
    std::error_code made;
    std::filesystem::create_directories(directory, made);
    if (made) return directory + ": " + made.message() + ": nothing written";
    std::string aside = quizra::joinPath(directory, ".quizra-build-XXXXXX");
    if (!mkdtemp(aside.data())) return failure(directory) + ": nothing written";

    std::string problem;
    std::size_t written = 0;
    for (; written < files.size() && problem.empty(); ++written) {
        const std::string path =
            quizra::joinPath(aside, modMain::questionFileName(static_cast<int>(written)));
        if (!writeFile(path, files[written])) problem = failure(path);
    }
    // Flushed once all are written, so that the disk takes them in one go.
    for (std::size_t i = 0; i < written && problem.empty(); ++i) {
        const std::string path =
            quizra::joinPath(aside, modMain::questionFileName(static_cast<int>(i)));
        if (!flush(path)) problem = failure(path);
    }
    if (!problem.empty()) problem += ": nothing written";
    // Renaming within one folder fails only when the folder itself changes under the build.
    for (std::size_t i = 0; i < written && problem.empty(); ++i) {
        const std::string name = modMain::questionFileName(static_cast<int>(i));
        if (std::rename(quizra::joinPath(aside, name).c_str(),
                        quizra::joinPath(directory, name).c_str()) != 0)
            problem = failure(quizra::joinPath(directory, name)) + ": only the files before it "
                                                                   "are replaced";
    }
    std::error_code ignored;
    std::filesystem::remove_all(aside, ignored);
    if (const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        fsync(fd);
        close(fd);
    }
    return problem;
}

} // namespace spreadsheet
