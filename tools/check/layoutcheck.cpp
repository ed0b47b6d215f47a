#include "checkparts.h"

#include "numbers.h"
#include "translation.h"

namespace bankcheck {
namespace {

std::string pixels(int width) {
    return quizra::integerText(width) + " px";
}

bool cut(const ChoiceWidth &width) {
    return width.needed > width.shown;
}

} // namespace

void checkChoiceWidths(const ProfileIndex::Section &entry, bool stacked, const DecodedFile &decoded,
                       const ChoiceMeter &meter, Findings &findings) {
    std::array<const quizra::ProfileLine *, 4> keys{};
    std::array<std::string, 4> texts;
    for (std::size_t c = 0; c < 4; ++c) {
        keys[c] = ProfileIndex::find(entry, "ans" + quizra::integerText(static_cast<long>(c + 1)));
        if (keys[c]) texts[c] = decoded.value(*keys[c]);
    }
    const std::array<ChoiceWidth, 4> widths = meter.measure(texts, stacked);
    std::optional<std::array<ChoiceWidth, 4>> ifStacked; // side by side: would stacking help?
    for (std::size_t c = 0; c < 4; ++c) {
        if (!keys[c] || !cut(widths[c])) continue;
        std::string message = shown(keys[c]->name) + check::tr(" is ") + pixels(widths[c].needed) +
                              check::tr(" wide but only ") + pixels(widths[c].shown) +
                              check::tr(" show");
        if (stacked) {
            message += check::tr(" one below the other (type=1): shorten it");
        } else {
            if (!ifStacked) ifStacked = meter.measure(texts, true);
            const ChoiceWidth below = (*ifStacked)[c];
            message += cut(below) ? check::tr(" side by side and ") + pixels(below.shown) +
                                        check::tr(" one below the other (type=1): shorten it")
                                  : check::tr(" side by side: put the choices one below the other "
                                              "(type=1) or shorten it");
        }
        findings.warning(keys[c]->number, message);
    }
}

} // namespace bankcheck
