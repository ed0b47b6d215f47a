#include "profileindex.h"

namespace bankcheck {

ProfileIndex::ProfileIndex(std::string_view bytes) {
    quizra::ProfileScanner scanner(bytes);
    quizra::ProfileLine line;
    while (scanner.next(line)) {
        if (line.kind == quizra::ProfileLine::Kind::Section)
            sections_.push_back({line, {}, nullptr});
        else if (line.kind == quizra::ProfileLine::Kind::Key)
            (sections_.empty() ? strayKeys_ : sections_.back().keys).push_back(line);
    }
    // Pointers into sections_ are taken once it is complete.
    for (Section &section : sections_)
        section.firstOfName = find(section.header.name);
}

const ProfileIndex::Section *ProfileIndex::find(std::string_view name) const {
    for (const Section &section : sections_) {
        if (quizra::sameName(section.header.name, name)) return &section;
    }
    return nullptr;
}

const quizra::ProfileLine *ProfileIndex::find(const Section &section, std::string_view name) {
    for (const quizra::ProfileLine &key : section.keys)
        if (quizra::sameName(key.name, name)) return &key;
    return nullptr;
}

std::string_view ProfileIndex::value(const quizra::ProfileLine &key) {
    return key.hasEquals ? quizra::deliveredValue(key.value) : std::string_view();
}

} // namespace bankcheck
