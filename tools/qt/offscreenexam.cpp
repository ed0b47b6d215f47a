#include "offscreenexam.h"

#include "app/program.h"
#include "bank/clock.h"
#include "bank/modMain.h"
#include "exam/frmSiken.h"

#include <QApplication>

#include <cstdio>

namespace {

// The offscreen platform's notes (it cannot size windows as a desktop would, and so on) say
// nothing to a bank author; Qt's errors still reach the terminal.
void quietNotes(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

OffscreenExam::OffscreenExam() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietNotes);
    application_ = std::make_unique<QApplication>(argc_, argv_);
    Program::Initialise(*application_);
    window_ = std::make_unique<frmSiken>();
    // No clock runs here: nothing may finish an exam. It shows the time an exam starts with.
    window_->Timer1->setEnabled(false);
    modMain::StartTime = quizra::Now();
    window_->Timer1_Timer();
    window_->show();
}

OffscreenExam::~OffscreenExam() {
    window_.reset();
    application_.reset();
    qInstallMessageHandler(nullptr);
}

QImage OffscreenExam::render(std::int16_t index, const MondaiRec &question) {
    modMain::Mondai(index) = question;
    window_->iNumber = index;
    window_->SetMondai(index);
    return window_->grab().toImage();
}
