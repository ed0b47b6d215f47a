#include "diskwrite.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace spreadsheet {

bool writeDurably(const std::string &path, const std::string &bytes, std::optional<mode_t> mode) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t got = write(fd, bytes.data() + written, bytes.size() - written);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        written += static_cast<std::size_t>(got);
    }
    const bool ok = written == bytes.size() && (!mode || fchmod(fd, *mode) == 0) && fsync(fd) == 0;
    const int saved = errno;
    close(fd);
    errno = saved;
    return ok;
}

void syncFolder(const std::string &directory) {
    if (const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

bool sameFile(const std::string &a, const std::string &b) {
    struct stat first, second;
    return lstat(a.c_str(), &first) == 0 && lstat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool exists(const std::string &path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

std::vector<std::string> namesIn(const std::string &directory) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace spreadsheet
