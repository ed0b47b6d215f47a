#include "program.h"

#include "bank/error.h"
#include "focusmark.h"
#include "formslot.h"
#include "icon/quizra.xpm"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include <new>

namespace Program {
namespace {

std::function<void(const QString &)> msgBoxHandler;
std::function<void()> endHandler;
int exitStatus = 0;

void showMessageBox(const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Ok);
    box.exec();
}

struct ErrorInfo {
    int number;
    QString description; // the message, then where in parentheses
    QString message;
    QString where;
};

ErrorInfo describe(std::exception_ptr error) {
    const auto plain = [](int number, const QString &description) {
        return ErrorInfo{number, description, description, {}};
    };
    try {
        std::rethrow_exception(error);
    } catch (const quizra::QuizraError &e) {
        return {e.number(), QString::fromStdString(e.description()),
                QString::fromStdString(e.message()), QString::fromStdString(e.where())};
    } catch (const std::bad_alloc &) {
        return plain(7, QStringLiteral("メモリが不足しています。"));
    } catch (const std::exception &e) {
        return plain(51,
                     QStringLiteral("内部エラーです。 (%1)").arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        return plain(51, QStringLiteral("内部エラーです。"));
    }
}

} // namespace

void Initialise(QApplication &app) {
    // The title face of the menu is a Windows face; Linux desktops have IPA or Noto gothics.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")});
    QApplication::setFont(WindowFont()); // message boxes
    app.installEventFilter(new FocusMark(&app));

    InstallTranslator(app);

    QApplication::setWindowIcon(QIcon(QPixmap(quizra_icon_xpm)));
    // Windows may be loaded while hidden; the program ends when the last one is unloaded.
    QApplication::setQuitOnLastWindowClosed(false);
}

void InstallTranslator(QCoreApplication &app) {
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

QFont WindowFont() {
    return QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9);
}

void MsgBox(const QString &text) {
    if (msgBoxHandler)
        msgBoxHandler(text);
    else
        showMessageBox(text);
}

void DoEvents() {
    QCoreApplication::processEvents();
}

void End(int status) {
    exitStatus = status;
    FormSlotBase::DiscardAll();
    if (endHandler)
        endHandler();
    else
        QCoreApplication::exit(status);
}

int ExitStatus() {
    return exitStatus;
}

QString ErrorText(std::exception_ptr error) {
    const ErrorInfo info = describe(error);
    return QString::number(info.number) + info.description;
}

QString ErrorReport(std::exception_ptr error) {
    const ErrorInfo info = describe(error);
    QString report = QStringLiteral("エラー %1\n\n").arg(info.number);
    if (!info.where.isEmpty()) report += QStringLiteral("問題ファイル: ") + info.where + u'\n';
    return report + info.message;
}

void Guard(const std::function<void()> &handler) {
    try {
        handler();
    } catch (...) {
        MsgBox(ErrorReport(std::current_exception()));
        End(1);
    }
}

void setMsgBoxHandler(std::function<void(const QString &)> handler) {
    msgBoxHandler = std::move(handler);
}

void setEndHandler(std::function<void()> handler) {
    endHandler = std::move(handler);
}

} // namespace Program
