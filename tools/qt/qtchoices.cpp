#include "qtchoices.h"

#include "bank/modMain.h"
#include "exam/frmSiken.h"

namespace bankcheck {

QtChoiceMeter::QtChoiceMeter(frmSiken &window) : window_(window) {
    constexpr std::int16_t Spare = modMain::SlotCount - 1;
    for (const bool stacked : {false, true}) {
        modMain::Mondai(Spare) = MondaiRec{};
        modMain::Mondai(Spare).type = stacked ? 1 : 0;
        window_.SetMondai(Spare);
        for (int k = 0; k < 4; ++k) {
            const QRadioButton &choice = window_.Option1(k);
            // A choice that shows whole has no mask; what shows starts at its left edge.
            const QRegion shown = choice.mask().isEmpty() ? QRegion(choice.rect()) : choice.mask();
            shown_[stacked][static_cast<std::size_t>(k)] = shown.boundingRect().right() + 1;
        }
    }
}

std::array<ChoiceWidth, 4> QtChoiceMeter::measure(const std::array<std::string, 4> &texts,
                                                  bool stacked) const {
    // Bounds the memory of a bank whose choices are all different.
    constexpr std::size_t MaxRemembered = 1 << 16;
    std::array<ChoiceWidth, 4> widths;
    for (std::size_t k = 0; k < 4; ++k) {
        auto &known = needed_[k];
        auto found = known.find(texts[k]);
        if (found == known.end()) {
            if (known.size() >= MaxRemembered) known.clear();
            QRadioButton &choice = window_.Option1(static_cast<long>(k));
            choice.setText(frmSiken::choiceCaption(static_cast<int>(k), texts[k]));
            found = known.emplace(texts[k], choice.sizeHint().width()).first;
        }
        widths[k] = {found->second, shown_[stacked][k]};
    }
    return widths;
}

} // namespace bankcheck
