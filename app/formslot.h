#pragma once

#include <utility>

// The single instance of one window kind: not loaded, loaded and hidden, or loaded and shown.
// Showing loads the window first when needed; unloading discards it with all its state, and the
// program ends when its last loaded window is unloaded.
class FormSlotBase {
public:
    FormSlotBase(const FormSlotBase &) = delete;
    FormSlotBase &operator=(const FormSlotBase &) = delete;

    // Discards every loaded window without running any handler (the end of the program, tests).
    static void DiscardAll();
    static int LoadedCount();

protected:
    FormSlotBase();
    ~FormSlotBase();

    // Counts a window as loaded or unloaded; the last unload ends the program.
    static void countLoaded();
    static void countUnloaded();

private:
    virtual void discard() = 0;
};

template <class F> class FormSlot final : public FormSlotBase {
public:
    FormSlot() = default;
    ~FormSlot() { discard(); }

    // Loads the window when needed (controls, then its load step), then displays it in front.
    F &Show() {
        bool fresh = !form_;
        F &form = Load();
        form.display(fresh);
        return form;
    }

    // Creates the window and runs its load step, without displaying it.
    F &Load() {
        if (!form_) {
            form_ = new F;
            form_->setUnload([this] { Unload(); });
            countLoaded();
            form_->runLoad();
        }
        return *form_;
    }

    // Hides the window; it keeps all its state.
    void Hide() {
        if (form_) form_->hide();
    }

    // Discards the window; the next Show loads it anew.
    void Unload() {
        if (!form_) return;
        std::exchange(form_, nullptr)->discard();
        countUnloaded();
    }

    bool IsLoaded() const { return form_ != nullptr; }

    // Addresses the window's controls and members, loading it as a reference to it would.
    F *operator->() { return &Load(); }
    F &operator*() { return Load(); }

private:
    void discard() override {
        if (form_) std::exchange(form_, nullptr)->discard();
    }

    F *form_ = nullptr;
};
