#include "program.h"

#include "bank/error.h"
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

void showMessageBox(const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Ok);
    box.exec();
}

struct ErrorInfo {
    int number;
    QString description;
};

ErrorInfo describe(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const quizra::QuizraError &e) {
        return {e.number(), QString::fromStdString(e.description())};
    } catch (const std::bad_alloc &) {
        return {7, QStringLiteral("メモリが不足しています。")};
    } catch (const std::exception &e) {
        return {51, QStringLiteral("内部エラーです。 (%1)").arg(QString::fromLocal8Bit(e.what()))};
    } catch (...) {
        return {51, QStringLiteral("内部エラーです。")};
    }
}

} // namespace

void Initialise(QApplication &app) {
    // The title face of the menu is a Windows face; Linux desktops have IPA or Noto gothics.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")});
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);

    QApplication::setWindowIcon(QIcon(QPixmap(quizra_icon_xpm)));
    // Windows may be loaded while hidden; the program ends when the last one is unloaded.
    QApplication::setQuitOnLastWindowClosed(false);
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

void End() {
    FormSlotBase::DiscardAll();
    if (endHandler)
        endHandler();
    else
        QCoreApplication::exit(0);
}

QString ErrorText(std::exception_ptr error) {
    const ErrorInfo info = describe(error);
    return QString::number(info.number) + info.description;
}

void Guard(const std::function<void()> &handler) {
    try {
        handler();
    } catch (...) {
        const ErrorInfo info = describe(std::current_exception());
        MsgBox(QStringLiteral("実行時エラー '%1':\n\n%2").arg(info.number).arg(info.description));
        End();
    }
}

void setMsgBoxHandler(std::function<void(const QString &)> handler) {
    msgBoxHandler = std::move(handler);
}

void setEndHandler(std::function<void()> handler) {
    endHandler = std::move(handler);
}

} // namespace Program
