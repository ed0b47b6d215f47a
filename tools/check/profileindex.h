#pragma once

#include "profile.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace bankcheck {

// The sections and key lines of one question file, in file order, found by the program's own
// scanner and looked up by its rules: the first section of a name, then its first key of a name.
// Lookups take constant time, so that checking a file is linear in its size.
class ProfileIndex {
public:
    // Names as sameName compares them: ASCII letters outside double-byte characters lowered.
    using NameTable = std::unordered_map<std::string, std::size_t>;

    struct Section {
        quizra::ProfileLine header;
        std::vector<quizra::ProfileLine> keys;
        const Section *firstOfName = nullptr; // the section of this name the program reads
        bool isRead() const { return firstOfName == this; }
        NameTable firstKeys; // the first key of each name, when the section has many keys
    };

    explicit ProfileIndex(std::string_view bytes);
    ProfileIndex(const ProfileIndex &) = delete;
    ProfileIndex &operator=(const ProfileIndex &) = delete;

    // Key lines before the first section: never read.
    const std::vector<quizra::ProfileLine> &strayKeys() const { return strayKeys_; }
    const std::vector<Section> &sections() const { return sections_; }

    // The section the program reads for name, or nullptr.
    const Section *find(std::string_view name) const;
    // The key line the program reads for name in section, or nullptr.
    static const quizra::ProfileLine *find(const Section &section, std::string_view name);
    // What the program reads from a key line (raw CP932): "" without '=', else the delivered value.
    static std::string_view value(const quizra::ProfileLine &key);

private:
    std::vector<quizra::ProfileLine> strayKeys_;
    std::vector<Section> sections_;
    NameTable firstSections_;
};

} // namespace bankcheck
