#include "startup.h"

#include "forms.h"
#include "frmMenu.h"
#include "program.h"

#include <QApplication>

int runQuizra(QApplication &app) {
    Program::Initialise(app);

    Program::Guard([] { Forms::frmMenu().Show(); });
    const int status = FormSlotBase::LoadedCount() > 0 ? QApplication::exec() : 0;
    FormSlotBase::DiscardAll();
    return status;
}
