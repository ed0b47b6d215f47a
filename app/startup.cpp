#include "startup.h"

#include "forms.h"
#include "frmMenu.h"
#include "program.h"

#include <QApplication>

int runQuizra(QApplication &app) {
    Program::Initialise(app);

    Program::Guard([] { Forms::frmMenu().Show(); });
    // A failure while showing the menu has already ended the program, before the event loop.
    const int status =
        FormSlotBase::LoadedCount() > 0 ? QApplication::exec() : Program::ExitStatus();
    FormSlotBase::DiscardAll();
    return status;
}
