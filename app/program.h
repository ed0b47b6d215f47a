#pragma once

#include <QFont>
#include <QString>

#include <exception>
#include <functional>

class QApplication;
class QCoreApplication;

// What every window shares: message boxes, pending events, error reports and the end.
namespace Program {

// The application title, the caption of every message box.
inline const QString Title = QStringLiteral("quizra");

// Sets up fonts, translations, the icon and the focus mark; called once the QApplication exists.
void Initialise(QApplication &app);

// Installs the Japanese translation of Qt's own texts (standard buttons, command-line errors).
void InstallTranslator(QCoreApplication &app);

// The user-interface font of every window, set on each window so that a platform theme that
// replaces the application's font after start-up cannot change the fixed layouts.
QFont WindowFont();

// A modal box with the text, one OK button, no icon and the application title.
void MsgBox(const QString &text);

// Handles the events waiting at this moment (such as drawing), then returns.
void DoEvents();

// Ends the program at once: every loaded window is discarded and no further handler runs.
// The process exits with status: 0 when the candidate ends it, 1 after an error.
void End(int status = 0);
int ExitStatus();

// The error's number immediately followed by its description, as the review reports it.
QString ErrorText(std::exception_ptr error);

// The error as the candidate and the bank's author read it at once: its number on a line of
// its own, then where in the bank it lies when that is known, then what went wrong.
QString ErrorReport(std::exception_ptr error);

// Runs an event handler. An error that nothing inside trapped is reported to the candidate and
// ends the program; no exception ever reaches Qt's event dispatch.
void Guard(const std::function<void()> &handler);

// Seams for tests: replace the message box or the end of the program. An empty function
// restores the real one.
void setMsgBoxHandler(std::function<void(const QString &)> handler);
void setEndHandler(std::function<void()> handler);

} // namespace Program
