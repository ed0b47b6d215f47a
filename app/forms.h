#pragma once

#include "formslot.h"

class frmMenu;
class frmSiken;
class frmSeiseki;

// The program's three windows, each a single instance addressed by its name.
namespace Forms {
FormSlot<::frmMenu> &frmMenu();
FormSlot<::frmSiken> &frmSiken();
FormSlot<::frmSeiseki> &frmSeiseki();
} // namespace Forms
