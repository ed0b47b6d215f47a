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
    const QString folder =
        QString::fromStdString((program.parent_path() / "translations").string());
    if (!failure && translator().load(QLocale::system(), QStringLiteral("quizra-check"),
                                      QStringLiteral("_"), folder))
        setTranslation(translate);
}

} // namespace check
