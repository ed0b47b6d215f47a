#include "outputfolder.h"

#include "modMain.h"
#include "profile.h"
#include "translation.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace check {
namespace {

bool isQuestionFile(std::string_view name) {
    for (int i = 0; i < modMain::QuestionCount; ++i)
        if (quizra::sameName(name, modMain::questionFileName(i))) return true;
    return false;
}

// Writes all of bytes to descriptor; false with errno set on failure.
bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

OutputFolder::OutputFolder(const std::string &path) {
    std::error_code failure;
    std::filesystem::create_directories(path, failure);
    if (!failure) descriptor_ = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (failure || descriptor_ < 0) {
        problem_ = check::tr("cannot create the folder ") + path + ": " +
                   (failure ? failure.message() : std::strerror(errno));
        return;
    }
    checkContents(path);
}

OutputFolder::~OutputFolder() {
    if (descriptor_ >= 0) close(descriptor_);
}

void OutputFolder::checkContents(const std::string &path) {
    DIR *listing = fdopendir(dup(descriptor_));
    if (!listing) {
        problem_ = check::tr("cannot read the folder ") + path + ": " + std::strerror(errno);
        return;
    }
    bool manifest = false, otherFiles = false;
    while (const dirent *entry = readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (isQuestionFile(name)) {
            problem_ = path + check::tr(" holds a bank (") + std::string(name) +
                       check::tr("): name a folder of its own for the preview");
            break;
        }
        manifest = manifest || name == ManifestName;
        otherFiles = otherFiles || name != ManifestName;
    }
    closedir(listing);
    if (problem_.empty() && otherFiles && !manifest)
        problem_ =
            path + check::tr(" holds files that preview did not write: name a new or empty folder");
}

std::string OutputFolder::write(const std::string &name, std::string_view bytes) const {
    static std::atomic<unsigned> serial;
    std::string temporary;
    int file = -1;
    do {
        temporary = "." + name + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(serial++);
        file = openat(descriptor_, temporary.c_str(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    } while (file < 0 && errno == EEXIST);
    bool written = file >= 0 && writeAll(file, bytes);
    const int writeError = errno;
    if (file >= 0 && close(file) != 0 && written) written = false;
    if (written && renameat(descriptor_, temporary.c_str(), descriptor_, name.c_str()) == 0)
        return {};
    const std::string reason = std::strerror(written ? errno : writeError);
    if (file >= 0) unlinkat(descriptor_, temporary.c_str(), 0);
    return check::tr("cannot write ") + name + ": " + reason;
}

std::optional<std::size_t> OutputFolder::fileSize(const std::string &name) const {
    struct stat info;
    if (fstatat(descriptor_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode))
        return std::nullopt;
    return static_cast<std::size_t>(info.st_size);
}

std::string OutputFolder::read(const std::string &name) const {
    const int file = openat(descriptor_, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (file < 0) return {};
    std::string bytes;
    struct stat info;
    if (fstat(file, &info) == 0 && S_ISREG(info.st_mode)) {
        char buffer[65536];
        ssize_t got;
        while ((got = ::read(file, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, static_cast<std::size_t>(got));
    }
    close(file);
    return bytes;
}

void OutputFolder::remove(const std::string &name) const {
    unlinkat(descriptor_, name.c_str(), 0); // fails on a folder, which stays
}

} // namespace check
