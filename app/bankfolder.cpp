#include "bankfolder.h"

#include "bank/bankhome.h"
#include "bank/files.h"
#include "program.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace BankFolder {
namespace {

QStringList lookedIn;

// The usage error that ends the program before any window opens.
int usageError(const QString &text) {
    std::fprintf(stderr, "quizra: %s\n", qPrintable(text));
    return 2;
}

} // namespace

int choose(QCoreApplication &app) {
    Program::InstallTranslator(app); // Qt's own messages in Japanese
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quizra 模擬試験"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption bank(QStringLiteral("bank"),
                                  QStringLiteral("フォルダー DIR の問題集で試験をします。"),
                                  QStringLiteral("DIR"));
    parser.addOption(bank);
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("--bank DIR と同じです。"),
                                 QStringLiteral("[DIR]"));
    if (!parser.parse(app.arguments())) return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();

    QStringList named = parser.positionalArguments();
    if (parser.isSet(bank)) named.prepend(parser.value(bank));
    if (named.size() > 1)
        return usageError(QStringLiteral("問題集のフォルダーは一つだけ指定してください。"));
    if (named.size() == 1) {
        const QFileInfo folder(named.front());
        if (!folder.isDir())
            return usageError(QStringLiteral("%1 はフォルダーではありません。").arg(named.front()));
        quizra::setBankDirectory(folder.absoluteFilePath().toStdString());
        lookedIn = {folder.absoluteFilePath()};
        return -1;
    }
    const bankhome::Lookup lookup = bankhome::find();
    lookedIn.clear();
    for (const bankhome::Place &place : lookup.looked)
        lookedIn.append(QString::fromStdString(place.folder));
    if (lookup.chosen) quizra::setBankDirectory(lookup.chosen->folder);
    return -1;
}

bool holdsBank() {
    return bankhome::holdsBank(quizra::bankDirectory());
}

QString notFoundReport() {
    const QStringList folders = lookedIn.isEmpty()
                                    ? QStringList{QString::fromStdString(quizra::bankDirectory())}
                                    : lookedIn;
    return QStringLiteral("問題集が見つかりません。\n\n次のフォルダーに問題ファイル (TOI1.ini ～ "
                          "TOI50.ini) がありません:\n") +
           folders.join(u'\n');
}

} // namespace BankFolder
