#include "forms.h"

#include "app/frmMenu.h"
#include "exam/frmSiken.h"
#include "results/frmSeiseki.h"

namespace Forms {

FormSlot<::frmMenu> &frmMenu() {
    static FormSlot<::frmMenu> slot;
    return slot;
}

FormSlot<::frmSiken> &frmSiken() {
    static FormSlot<::frmSiken> slot;
    return slot;
}

FormSlot<::frmSeiseki> &frmSeiseki() {
    static FormSlot<::frmSeiseki> slot;
    return slot;
}

} // namespace Forms
