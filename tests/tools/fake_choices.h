#pragma once

#include "choices.h"

// Choices measured without fonts: a caption needs 10 px per byte of its text, and 100 px of
// each choice show side by side, 400 px stacked.
class FakeChoices : public bankcheck::ChoiceMeter {
public:
    std::array<bankcheck::ChoiceWidth, 4> measure(const std::array<std::string, 4> &texts,
                                                  bool stacked) const override {
        std::array<bankcheck::ChoiceWidth, 4> widths;
        for (std::size_t k = 0; k < 4; ++k)
            widths[k] = {10 * static_cast<int>(texts[k].size()), stacked ? 400 : 100};
        return widths;
    }
};
