#include "bankreplace.h"

#include "diskwrite.h"
#include "files.h"
#include "modMain.h"
#include "translation.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace spreadsheet {
namespace {

constexpr const char *JournalName = ".quizra-journal";
constexpr const char *JournalDraftName = ".quizra-journal.new";

std::string in(const std::string &directory, const std::string &name) {
    return quizra::joinPath(directory, name);
}

bool contains(const std::vector<std::string> &names, const std::string &name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A journal names only folders and question files directly inside the bank folder: one that
// names anything else was not written by a build, and is not obeyed.
bool folderName(const std::string &name, const char *prefix) {
    return name.starts_with(prefix) && name.find('/') == std::string::npos;
}

std::optional<Replacement> parseJournal(const std::string &directory, const std::string &text) {
    Replacement replacement{directory, {}, {}, {}, {}};
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t space = line.find(' ');
        if (space == std::string::npos) return std::nullopt;
        const std::string key = line.substr(0, space), value = line.substr(space + 1);
        if (key == "staging" && folderName(value, StagingPrefix))
            replacement.staging = value;
        else if (key == "backup" && folderName(value, BackupPrefix))
            replacement.backup = value;
        else if ((key == "old" || key == "new") && modMain::questionFileIndex(value) >= 0)
            (key == "old" ? replacement.oldNames : replacement.newNames).push_back(value);
        else
            return std::nullopt;
    }
    if (replacement.staging.empty() ||
        (replacement.backup.empty() && !replacement.oldNames.empty()))
        return std::nullopt;
    return replacement;
}

std::string failure(const std::string &path) {
    return path + ": " + std::strerror(errno);
}

// Keeps the old file name in the backup: a second link where the file system has them, so that
// the name stays in the bank until its new file replaces it; else moved.
bool keep(const Replacement &r, const std::string &name) {
    const std::string from = in(r.directory, name), to = in(in(r.directory, r.backup), name);
    if (link(from.c_str(), to.c_str()) == 0) return true;
    if (errno != EPERM && errno != EMLINK && errno != EOPNOTSUPP && errno != ENOSYS) return false;
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void removeJournal(const std::string &directory) {
    unlink(in(directory, JournalName).c_str());
    syncFolder(directory);
}

// The replacement done but for old names of another case and the staging folder.
void finish(const Replacement &r) {
    for (const std::string &name : r.oldNames)
        if (!contains(r.newNames, name) &&
            sameFile(in(r.directory, name), in(in(r.directory, r.backup), name)))
            unlink(in(r.directory, name).c_str());
    std::error_code ignored;
    std::filesystem::remove_all(in(r.directory, r.staging), ignored);
    removeJournal(r.directory);
}

std::string undoing(const Replacement &r) {
    std::string problem;
    for (const std::string &name : r.newNames)
        if (!contains(r.oldNames, name) && !exists(in(in(r.directory, r.staging), name)))
            unlink(in(r.directory, name).c_str());
    const std::string backup = in(r.directory, r.backup);
    for (const std::string &name : r.oldNames) {
        const std::string kept = in(backup, name), home = in(r.directory, name);
        if (exists(kept) && !sameFile(kept, home) && std::rename(kept.c_str(), home.c_str()) != 0)
            problem = failure(home);
    }
    syncFolder(r.directory);
    std::error_code ignored;
    std::filesystem::remove_all(in(r.directory, r.staging), ignored);
    // Never drop a backup that still holds an old file the bank lacks: the journal stays too,
    // and the next build or check tries again.
    if (!problem.empty()) return problem + check::tr(": the old bank is kept in ") + backup;
    if (!r.backup.empty()) std::filesystem::remove_all(backup, ignored);
    removeJournal(r.directory);
    return {};
}

} // namespace

bool writeJournal(const Replacement &r) {
    std::string text = "staging " + r.staging + "\n";
    if (!r.backup.empty()) text += "backup " + r.backup + "\n";
    for (const std::string &name : r.oldNames)
        text += "old " + name + "\n";
    for (const std::string &name : r.newNames)
        text += "new " + name + "\n";
    const std::string draft = in(r.directory, JournalDraftName);
    if (!writeDurably(draft, text) ||
        std::rename(draft.c_str(), in(r.directory, JournalName).c_str()) != 0)
        return false;
    syncFolder(r.directory);
    return true;
}

std::string carryOut(const Replacement &r, const std::function<bool()> &proceed) {
    const auto stopped = [&] { return proceed && !proceed(); };
    const auto failed = [&](const std::string &path) {
        std::string problem = failure(path);
        if (const std::string left = undoing(r); !left.empty()) return problem + "; " + left;
        return problem + check::tr(": the old bank is back");
    };
    for (const std::string &name : r.oldNames) {
        if (stopped()) return "stopped";
        if (!keep(r, name)) return failed(in(r.directory, name));
    }
    for (const std::string &name : r.newNames) {
        if (stopped()) return "stopped";
        if (std::rename(in(in(r.directory, r.staging), name).c_str(),
                        in(r.directory, name).c_str()) != 0)
            return failed(in(r.directory, name));
    }
    if (stopped()) return "stopped";
    syncFolder(r.directory);
    finish(r);
    return {};
}

bool interruptedBuildIn(const std::string &directory) {
    const std::vector<std::string> names = namesIn(directory);
    return std::any_of(names.begin(), names.end(), [](const std::string &name) {
        return name == JournalName || name == JournalDraftName || name.starts_with(StagingPrefix);
    });
}

Recovery recoverInterrupted(const std::string &directory) {
    Recovery recovery;
    const std::string journal = in(directory, JournalName);
    if (exists(journal)) {
        const quizra::FileBytes bytes = quizra::readFileBytes(journal);
        const auto replacement = bytes.status == quizra::FileBytes::Status::Ok
                                     ? parseJournal(directory, std::string(bytes.bytes))
                                     : std::nullopt;
        if (!replacement) {
            recovery.problem =
                journal + check::tr(" is not a build's journal: left alone, and nothing "
                                    "written; remove it once the bank is as it should be");
            return recovery;
        }
        const Replacement &r = *replacement;
        const bool allIn = std::none_of(r.newNames.begin(), r.newNames.end(), [&](auto &name) {
            return exists(in(in(directory, r.staging), name));
        });
        if (allIn) {
            finish(r);
            recovery.done =
                check::tr("a build killed midway was completed: ") + directory +
                check::tr(" holds its new bank") +
                (r.backup.empty() ? ""
                                  : check::tr("; the old one is in ") + in(directory, r.backup));
        } else if (const std::string left = undoing(r); left.empty()) {
            recovery.done = check::tr("a build killed midway was undone: ") + directory +
                            check::tr(" holds the old bank again");
        } else {
            recovery.problem = check::tr("a build killed midway could not be undone: ") + left;
            return recovery;
        }
    }
    unlink(in(directory, JournalDraftName).c_str());
    for (const std::string &name : namesIn(directory)) {
        std::error_code ignored;
        if (name.starts_with(StagingPrefix)) {
            std::filesystem::remove_all(in(directory, name), ignored);
            if (recovery.done.empty())
                recovery.done = check::tr("a staging folder left by a killed build was removed: ") +
                                directory + check::tr(" holds its bank as before");
        } else if (name.starts_with(BackupPrefix)) {
            rmdir(in(directory, name).c_str()); // one made just before a kill, still empty
        }
    }
    return recovery;
}

} // namespace spreadsheet
