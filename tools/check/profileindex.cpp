#include "profileindex.h"

#include "cp932.h"

namespace bankcheck {
namespace {

// A section with more keys than this is looked up through a table; below, a scan is quicker.
constexpr std::size_t ScannedKeys = 16;

// name with every ASCII letter that is a character of its own lowered: names that sameName
// takes as the same give the same folded name.
std::string folded(std::string_view name) {
    std::string out(name);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto b = static_cast<unsigned char>(out[i]);
        if (quizra::isCp932LeadByte(b) && i + 1 < out.size() &&
            quizra::isCp932TrailByte(static_cast<unsigned char>(out[i + 1])))
            ++i;
        else if (b >= 'A' && b <= 'Z')
            out[i] = static_cast<char>(b - 'A' + 'a');
    }
    return out;
}

} // namespace

ProfileIndex::ProfileIndex(std::string_view bytes) {
    quizra::ProfileScanner scanner(bytes);
    quizra::ProfileLine line;
    while (scanner.next(line)) {
        if (line.kind == quizra::ProfileLine::Kind::Section)
            sections_.push_back({line, {}, nullptr, {}});
        else if (line.kind == quizra::ProfileLine::Kind::Key)
            (sections_.empty() ? strayKeys_ : sections_.back().keys).push_back(line);
    }
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        Section &section = sections_[i];
        firstSections_.try_emplace(folded(section.header.name), i);
        if (section.keys.size() > ScannedKeys)
            for (std::size_t k = 0; k < section.keys.size(); ++k)
                section.firstKeys.try_emplace(folded(section.keys[k].name), k);
    }
    // Pointers into sections_ are taken once it is complete.
    for (Section &section : sections_)
        section.firstOfName = find(section.header.name);
}

const ProfileIndex::Section *ProfileIndex::find(std::string_view name) const {
    const auto found = firstSections_.find(folded(name));
    return found == firstSections_.end() ? nullptr : &sections_[found->second];
}

const quizra::ProfileLine *ProfileIndex::find(const Section &section, std::string_view name) {
    if (section.keys.size() <= ScannedKeys) {
        for (const quizra::ProfileLine &key : section.keys)
            if (key.name.size() == name.size() && quizra::sameName(key.name, name)) return &key;
        return nullptr;
    }
    const auto found = section.firstKeys.find(folded(name));
    return found == section.firstKeys.end() ? nullptr : &section.keys[found->second];
}

std::string_view ProfileIndex::value(const quizra::ProfileLine &key) {
    return key.hasEquals ? quizra::deliveredValue(key.value) : std::string_view();
}

} // namespace bankcheck
