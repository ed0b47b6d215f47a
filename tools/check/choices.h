#pragma once

#include <array>
#include <functional>
#include <string>

namespace bankcheck {

// How much room one choice's caption takes in the exam window, in pixels from its left edge.
struct ChoiceWidth {
    int needed = 0; // the whole caption, "(2)" and the text, with its button
    int shown = 0;  // what the candidate sees of it: up to the next choice, or the frame's edge
};

// Measures an entry's choices as the exam window lays them out; the checker's only tie to the
// window's fonts and widths.
class ChoiceMeter {
public:
    virtual ~ChoiceMeter() = default;
    // The four choices with these texts (UTF-8, as read), side by side or stacked (type=1). Called
    // from every thread of runOnThreads at once.
    virtual std::array<ChoiceWidth, 4> measure(const std::array<std::string, 4> &texts,
                                               bool stacked) const = 0;

    // Runs work on up to threads threads at once and returns when every one is done; work calls
    // measure. A meter that measures on one thread only (a window's) serves the others from the
    // calling thread meanwhile.
    virtual void runOnThreads(const std::function<void()> &work, unsigned threads) const;
};

} // namespace bankcheck
