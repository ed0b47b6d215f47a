#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(QUIZRA_VERSION));
    return runQuizra(app);
}
