#include "files.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace quizra {
namespace {

constexpr char Separator = '/';

std::string &directorySlot() {
    static std::string directory = executableDirectory();
    return directory;
}

bool exists(const std::string &path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The one entry of directory whose name equals name ignoring ASCII case; "" when there is no
// such entry or more than one.
std::string singleCaselessMatch(const std::string &directory, std::string_view name) {
    DIR *dir = opendir(directory.c_str());
    if (!dir) return {};
    std::string found;
    int matches = 0;
    while (const dirent *entry = readdir(dir)) {
        if (equalIgnoringAsciiCase(entry->d_name, name)) {
            found = entry->d_name;
            ++matches;
        }
    }
    closedir(dir);
    return matches == 1 ? found : std::string();
}

// The names along a relative path, '\\' separating folders as '/' does; empty names skipped.
std::vector<std::string_view> pathComponents(std::string_view relativePath) {
    std::vector<std::string_view> components;
    std::size_t start = 0;
    while (start <= relativePath.size()) {
        std::size_t end = relativePath.find_first_of("/\\", start);
        if (end == std::string_view::npos) end = relativePath.size();
        if (end > start) components.push_back(relativePath.substr(start, end - start));
        start = end + 1;
    }
    return components;
}

} // namespace

std::string executableDirectory() {
    std::string path(PATH_MAX, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0) return ".";
    path.resize(static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind(Separator);
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string(1, Separator) : path.substr(0, slash);
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

const std::string &bankDirectory() {
    return directorySlot();
}

void setBankDirectory(std::string directory) {
    directorySlot() = std::move(directory);
}

std::string joinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (path.empty() || path.back() != Separator) path += Separator;
    path += name;
    return path;
}

std::string resolvePath(std::string_view directory, std::string_view relativePath) {
    std::string exact(directory);
    std::string found(directory);
    bool resolving = true;
    for (const std::string_view component : pathComponents(relativePath)) {
        exact = joinPath(exact, component);
        if (!resolving) continue;
        std::string candidate = joinPath(found, component);
        if (!exists(candidate) && component != "." && component != "..") {
            const std::string match = singleCaselessMatch(found, component);
            if (match.empty()) {
                resolving = false;
                continue;
            }
            candidate = joinPath(found, match);
        }
        found = std::move(candidate);
    }
    return resolving ? found : exact;
}

bool staysInside(std::string_view relativePath) {
    int depth = 0;
    for (const std::string_view component : pathComponents(relativePath)) {
        if (component == "..") {
            if (--depth < 0) return false;
        } else if (component != ".") {
            ++depth;
        }
    }
    return true;
}

FileBytes readFileBytes(const std::string &path, std::size_t limit) {
    FileBytes result;
    // Opening a named pipe would wait for a writer: open without waiting, then refuse it below.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.errorNumber = errno;
        result.status = (errno == ENOENT || errno == ENOTDIR) ? FileBytes::Status::NotFound
                                                              : FileBytes::Status::Error;
        return result;
    }
    try {
        struct stat info;
        if (fstat(fd, &info) != 0) throw std::system_error(errno, std::generic_category());
        if (S_ISDIR(info.st_mode)) throw std::system_error(EISDIR, std::generic_category());
        // Pipes and devices may never end; a question file is a regular file.
        if (!S_ISREG(info.st_mode)) throw std::system_error(EINVAL, std::generic_category());
        const auto tooLarge = [] { return std::system_error(EFBIG, std::generic_category()); };
        if (info.st_size > 0 && static_cast<std::uintmax_t>(info.st_size) > limit) throw tooLarge();
        // Files that report no size (/proc) are read in blocks until the end, or past the limit.
        std::size_t capacity = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) + 1 : 4096;
        std::size_t length = 0;
        // Every byte is written by read before it is looked at: no zero-filling first.
        auto storage = std::make_unique_for_overwrite<char[]>(capacity);
        for (;;) {
            if (length > limit) throw tooLarge();
            if (length == capacity) {
                // One block past the limit: some /proc files read only in whole blocks.
                capacity = std::min(capacity * 2, limit + 4096);
                auto larger = std::make_unique_for_overwrite<char[]>(capacity);
                std::copy_n(storage.get(), length, larger.get());
                storage = std::move(larger);
            }
            const ssize_t got = read(fd, storage.get() + length, capacity - length);
            if (got < 0) {
                if (errno == EINTR) continue;
                throw std::system_error(errno, std::generic_category());
            }
            if (got == 0) break;
            length += static_cast<std::size_t>(got);
        }
        result.bytes = std::string_view(storage.get(), length);
        result.storage = std::move(storage);
    } catch (const std::system_error &e) {
        result = {FileBytes::Status::Error, {}, e.code().value(), {}};
    } catch (const std::bad_alloc &) {
        result = {FileBytes::Status::Error, {}, ENOMEM, {}};
    }
    close(fd);
    return result;
}

FileBytes readFileIn(std::string_view directory, std::string_view name) {
    const std::string path = joinPath(directory, name);
    FileBytes file = readFileBytes(path);
    if (file.status == FileBytes::Status::NotFound) {
        // Banks come from systems that ignore case in file names.
        const std::string resolved = resolvePath(directory, name);
        if (resolved != path) file = readFileBytes(resolved);
    }
    return file;
}

} // namespace quizra
