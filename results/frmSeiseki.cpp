#include "frmSeiseki.h"

// Placeholder until the results window is built.
frmSeiseki::frmSeiseki() : Form(11100, 8025, Border::FixedDialog) {}
void frmSeiseki::Label17_Click(int) {}
void frmSeiseki::cmdEnd_Click() {}
void frmSeiseki::Form_Load() {}
void frmSeiseki::Form_FrameClose() {
    Unload();
}
void frmSeiseki::SetSeiseki() {}
