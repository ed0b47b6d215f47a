#pragma once

#include "choices.h"

#include <shared_mutex>
#include <string>
#include <unordered_map>

class frmSiken;

namespace bankcheck {

// Measures choices in the program's own exam window: each caption's size hint against the part
// of its button that no later choice and no frame edge covers.
class QtChoiceMeter : public ChoiceMeter {
public:
    // Learns from the window what shows of each choice in either layout, showing an empty entry in
    // the spare question slot 50, which no exam uses.
    explicit QtChoiceMeter(frmSiken &window);
    std::array<ChoiceWidth, 4> measure(const std::array<std::string, 4> &texts,
                                       bool stacked) const override;
    // The window lays captions out on its own thread: the calling thread, which owns it, runs an
    // event loop for the other threads' layouts until they are done.
    void runOnThreads(const std::function<void()> &work, unsigned threads) const override;

private:
    // The width choice k needs for text, laid out on the window's thread.
    int layOut(std::size_t k, const std::string &text) const;

    frmSiken &window_;
    std::array<int, 4> shown_[2] = {}; // side by side, stacked
    // The width each choice needs, by its text: a caption is laid out once however often a bank
    // repeats it ("1年", "正しい").
    mutable std::array<std::unordered_map<std::string, int>, 4> needed_;
    mutable std::shared_mutex neededLock_;
};

} // namespace bankcheck
