#include "formslot.h"

#include "program.h"

#include <vector>

namespace {
std::vector<FormSlotBase *> &allSlots() {
    static std::vector<FormSlotBase *> all;
    return all;
}
int loadedCount = 0;
} // namespace

FormSlotBase::FormSlotBase() {
    allSlots().push_back(this);
}

FormSlotBase::~FormSlotBase() {
    std::erase(allSlots(), this);
}

void FormSlotBase::DiscardAll() {
    for (FormSlotBase *slot : allSlots())
        slot->discard();
    loadedCount = 0;
}

int FormSlotBase::LoadedCount() {
    return loadedCount;
}

void FormSlotBase::countLoaded() {
    ++loadedCount;
}

void FormSlotBase::countUnloaded() {
    if (--loadedCount == 0) Program::End();
}
