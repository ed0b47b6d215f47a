#include "app/forms.h"
#include "app/frmMenu.h"
#include "app/program.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    Program::Initialise(app);

    Program::Guard([] { Forms::frmMenu().Show(); });
    const int status = FormSlotBase::LoadedCount() > 0 ? QApplication::exec() : 0;
    FormSlotBase::DiscardAll();
    return status;
}
