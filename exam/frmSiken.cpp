#include "frmSiken.h"

// Placeholder until the exam window is built.
frmSiken::frmSiken() : Form(11715, 8700, Border::Sizable) {}
void frmSiken::SetMondai(std::int16_t) {}
void frmSiken::SetAns(std::int16_t) {}
void frmSiken::cmdNext_Click() {}
void frmSiken::cmdBefore_Click() {}
void frmSiken::cmdCorAns_Click() {}
void frmSiken::cmdSyuuryou_Click() {}
void frmSiken::Timer1_Timer() {}
void frmSiken::Form_Load() {}
void frmSiken::Form_FrameClose() {
    Unload();
}
