#include "language.h"

#include "translation.h"

#include <QLocale>
#include <QTranslator>

#include <filesystem>

namespace check {
namespace {

QTranslator &translator() {
    static QTranslator instance;
    return instance;
}

std::string translate(const char *source) {
    return translator().translate("check", source).toStdString();
}

} // namespace

void useLocaleLanguage() {
    std::error_code failure;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failure);
    if (failure) return;
    // Beside the program in a build tree, in the data folder once installed.
    for (const std::filesystem::path &folder :
         {program.parent_path() / "translations",
          program.parent_path() / QUIZRA_TRANSLATIONS_FROM_PROGRAM}) {
        if (translator().load(QLocale::system(), QStringLiteral("quizra-check"),
                              QStringLiteral("_"), QString::fromStdString(folder.string()))) {
            setTranslation(translate);
            return;
        }
    }
}

} // namespace check
