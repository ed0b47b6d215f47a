#include "bankwrite.h"

#include "banklock.h"
#include "bankreplace.h"
#include "diskwrite.h"
#include "files.h"
#include "modMain.h"
#include "translation.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spreadsheet {
namespace {

std::string failure(const std::string &what) {
    return what + ": " + std::strerror(errno);
}

// Immutable and append-only files and folders refuse every rename, even root's.
bool frozen(const std::string &path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    const bool got = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    close(fd);
    return got && (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)) != 0;
}

// Why a file of the old bank, or the folder, would stop the renames midway; "" when nothing.
std::string obstacle(const std::string &directory, const std::vector<std::string> &oldNames) {
    if (access(directory.c_str(), W_OK | X_OK) != 0) return failure(directory);
    if (frozen(directory))
        return directory + check::tr(" is immutable or append-only (lsattr -d shows it)");
    struct stat folder;
    if (stat(directory.c_str(), &folder) != 0) return failure(directory);
    for (const std::string &name : oldNames) {
        const std::string path = quizra::joinPath(directory, name);
        struct stat info;
        if (lstat(path.c_str(), &info) != 0) return failure(path);
        if (S_ISDIR(info.st_mode)) return path + check::tr(" is a folder, not a question file");
        if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
            return path + check::tr(" is not a regular file");
        if (S_ISREG(info.st_mode) && frozen(path))
            return path + check::tr(" is immutable or append-only (lsattr shows it)");
        // In a sticky folder (such as /tmp) only a file's owner may rename it.
        const uid_t me = geteuid();
        if ((folder.st_mode & S_ISVTX) && me != 0 && me != info.st_uid && me != folder.st_uid)
            return path +
                   check::tr(" belongs to another user, in a folder where only the owner may "
                             "rename a file");
    }
    return {};
}

// The mode of the file the new question file index replaces (its exact name first), if any.
std::optional<mode_t> replacedMode(const std::string &directory,
                                   const std::vector<std::string> &oldNames, int index) {
    std::optional<mode_t> mode;
    for (const std::string &name : oldNames) {
        struct stat info;
        if (modMain::questionFileIndex(name) != index ||
            stat(quizra::joinPath(directory, name).c_str(), &info) != 0)
            continue;
        if (!mode || name == modMain::questionFileName(index)) mode = info.st_mode & 07777;
    }
    return mode;
}

// A new, empty backup folder named by the time of day, inside directory; "" with errno.
std::string makeBackupFolder(const std::string &directory) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string dated = BackupPrefix + std::string(stamp);
    for (int n = 1; n < 100; ++n) {
        const std::string name = n == 1 ? dated : dated + "-" + std::to_string(n);
        if (mkdir(quizra::joinPath(directory, name).c_str(), 0755) == 0) return name;
        if (errno != EEXIST) break;
    }
    return {};
}

void removeOldBackups(const std::string &directory) {
    std::vector<std::string> backups;
    for (const std::string &name : namesIn(directory))
        if (name.starts_with(BackupPrefix)) backups.push_back(name);
    std::error_code ignored;
    for (std::size_t i = 0; i + BackupsKept < backups.size(); ++i)
        std::filesystem::remove_all(quizra::joinPath(directory, backups[i]), ignored);
}

// Writes files into a new staging folder in directory, each with the mode of the file it
// replaces; the folder's name, or "" with problem set.
std::string stage(const std::string &directory, const std::vector<std::string> &files,
                  const std::vector<std::string> &oldNames, std::string &problem) {
    std::string staging = quizra::joinPath(directory, StagingPrefix + std::string("XXXXXX"));
    if (!mkdtemp(staging.data())) {
        problem = failure(directory);
        return {};
    }
    for (std::size_t i = 0; i < files.size() && problem.empty(); ++i) {
        const int index = static_cast<int>(i);
        const std::string path = quizra::joinPath(staging, modMain::questionFileName(index));
        if (!writeDurably(path, files[i], replacedMode(directory, oldNames, index)))
            problem = failure(path);
    }
    syncFolder(staging);
    return staging.substr(staging.rfind('/') + 1);
}

} // namespace

std::vector<std::string> existingQuestionFiles(const std::string &directory) {
    std::vector<std::string> found;
    for (const std::string &name : namesIn(directory))
        if (modMain::questionFileIndex(name) >= 0) found.push_back(name);
    std::stable_sort(found.begin(), found.end(), [](const std::string &a, const std::string &b) {
        return modMain::questionFileIndex(a) < modMain::questionFileIndex(b);
    });
    return found;
}

Written writeQuestionFiles(const std::string &directory, const std::vector<std::string> &files,
                           Existing existing, const std::function<bool()> &proceed) {
    Written result;
    const auto refuse = [&](const std::string &why) {
        result.message = why + check::tr(": nothing written");
        return result;
    };
    std::error_code made;
    std::filesystem::create_directories(directory, made);
    if (made) return refuse(directory + ": " + made.message());
    const BankLock lock(directory);
    if (lock.state() == BankLock::State::Busy)
        return refuse(check::tr("another build is writing ") + directory);
    if (lock.state() == BankLock::State::Failed) {
        errno = lock.error();
        return refuse(failure(quizra::joinPath(directory, LockFileName)));
    }

    const Recovery recovery = recoverInterrupted(directory);
    result.recovered = recovery.done;
    if (!recovery.problem.empty()) return refuse(recovery.problem);
    const std::vector<std::string> oldNames = existingQuestionFiles(directory);
    if (!oldNames.empty() && existing == Existing::Refuse) {
        refuse(directory + check::tr(" already holds a bank (") + oldNames.front() +
               (oldNames.size() > 1 ? ", …" : "") + ")");
        result.message += check::tr("; add --force to replace it");
        return result;
    }
    if (const std::string why = obstacle(directory, oldNames); !why.empty()) return refuse(why);

    std::string problem;
    Replacement plan{directory, stage(directory, files, oldNames, problem), {}, oldNames, {}};
    for (std::size_t i = 0; i < files.size(); ++i)
        plan.newNames.push_back(modMain::questionFileName(static_cast<int>(i)));
    if (problem.empty() && !oldNames.empty()) {
        plan.backup = makeBackupFolder(directory);
        if (plan.backup.empty()) problem = failure(directory);
    }
    if (problem.empty() && !writeJournal(plan)) problem = failure(directory);
    if (!problem.empty()) {
        std::error_code ignored;
        if (!plan.staging.empty())
            std::filesystem::remove_all(quizra::joinPath(directory, plan.staging), ignored);
        if (!plan.backup.empty()) rmdir(quizra::joinPath(directory, plan.backup).c_str());
        return refuse(problem);
    }
    if (const std::string failed = carryOut(plan, proceed); !failed.empty()) {
        result.message = failed;
        return result;
    }
    removeOldBackups(directory);
    result.written = true;
    if (!plan.backup.empty()) result.message = quizra::joinPath(directory, plan.backup);
    return result;
}

} // namespace spreadsheet
