#include "app/bankfolder.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QCoreApplication::setApplicationVersion(QStringLiteral(QUIZRA_VERSION));
    {
        // The command line is answered before anything needs a display.
        QCoreApplication commandLine(argc, argv);
        if (const int status = BankFolder::choose(commandLine); status >= 0) return status;
    }
    QApplication app(argc, argv);
    return runQuizra(app);
}
