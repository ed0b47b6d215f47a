#include "bankhome.h"

#include "files.h"
#include "modMain.h"

#include <QDir>
#include <QStandardPaths>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bankhome {
namespace {

// Below a data folder: the bank a user or an administrator puts there.
constexpr const char *BankBelowData = "quizra/bank";

std::string bankBelow(const QString &dataFolder) {
    return QDir(dataFolder).filePath(QString::fromLatin1(BankBelowData)).toStdString();
}

bool readableFile(const std::string &path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), R_OK) == 0;
}

} // namespace

std::vector<Place> places() {
    const std::string program = quizra::executableDirectory();
    std::vector<Place> found{{program, "beside the program"}};
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (qsizetype i = 0; i < data.size(); ++i)
        found.push_back({bankBelow(data[i]), i == 0 ? "per-user bank" : "system bank"});
    // Installed with the program, at the same place relative to it wherever the prefix lies.
    found.push_back({QDir::cleanPath(QString::fromStdString(
                                         quizra::joinPath(program, QUIZRA_SAMPLE_FROM_PROGRAM)))
                         .toStdString(),
                     "sample bank"});
    return found;
}

bool holdsBank(const std::string &folder) {
    DIR *dir = opendir(folder.c_str());
    if (!dir) return false;
    bool found = false;
    while (const dirent *entry = readdir(dir)) {
        if (modMain::questionFileIndex(entry->d_name) >= 0 &&
            readableFile(quizra::joinPath(folder, entry->d_name))) {
            found = true;
            break;
        }
    }
    closedir(dir);
    return found;
}

Lookup find() {
    Lookup lookup;
    for (Place &place : places()) {
        lookup.looked.push_back(place);
        if (holdsBank(place.folder)) {
            lookup.chosen = std::move(place);
            break;
        }
    }
    return lookup;
}

std::string userFolder() {
    return bankBelow(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

std::string shown(const std::string &folder) {
    const std::string home = QDir::homePath().toStdString();
    if (home.size() > 1 && (folder == home || folder.starts_with(home + "/")))
        return "~" + folder.substr(home.size());
    return folder;
}

} // namespace bankhome
