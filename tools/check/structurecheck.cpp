#include "checkparts.h"

#include "numbers.h"
#include "translation.h"

namespace bankcheck {
namespace {

using quizra::ProfileLine;

std::string lineText(std::size_t line) {
    return check::tr("line ") + quizra::integerText(static_cast<long>(line));
}

// The section the author most likely meant by name, with blanks (the full-width one too) and
// leading zeros dropped and full-width digits made plain: "SEC 03" and "SEC３" give "SEC3".
// Nothing when even that is no section the program reads.
std::optional<std::string> meantSection(std::string_view name) {
    std::string squeezed;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto b = static_cast<unsigned char>(name[i]);
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0u;
        if (b == ' ' || b == '\t' || b == '\v') continue;
        if (b == 0x81 && next == 0x40) { // full-width space
            ++i;
            continue;
        }
        if (b == 0x82 && next >= 0x4F && next <= 0x58) { // full-width digit
            squeezed += static_cast<char>('0' + (next - 0x4F));
            ++i;
            continue;
        }
        squeezed += name[i];
    }
    if (quizra::sameName(squeezed, "COUNT")) return "COUNT";
    if (!quizra::sameName(squeezed.substr(0, 3), "SEC")) return std::nullopt;
    std::string_view digits = std::string_view(squeezed).substr(3);
    const bool negative = digits.starts_with('-');
    if (negative) digits.remove_prefix(1);
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return "SEC" + std::string(negative ? "-" : "") + std::string(digits);
}

void checkSectionName(const ProfileIndex::Section &section, Findings &findings) {
    const std::string_view name = section.header.name;
    if (quizra::sameName(name, "COUNT") || entryOfSection(name)) return;
    const std::string quoted = "[" + shown(name) + "]";
    if (const std::optional<std::string> meant = meantSection(name))
        findings.warning(section.header.number, quoted + check::tr(" is not [") + *meant +
                                                    check::tr("]: the program never reads it"));
    else
        findings.warning(
            section.header.number,
            quoted + check::tr(" is never read: the program reads [COUNT] and [SEC1], [SEC2], …"));
}

void checkKeyLines(const ProfileIndex::Section &section, Findings &findings) {
    for (const ProfileLine &key : section.keys) {
        if (!key.hasEquals)
            findings.error(key.number,
                           check::tr("no '=' in this line: it reads as an empty key '") +
                               shown(key.name) +
                               check::tr("' (a value cannot go on over several lines)"));
        if (!section.isRead()) continue;
        const ProfileLine *first = ProfileIndex::find(section, key.name);
        if (first != &key)
            findings.warning(key.number, shown(key.name) + check::tr(" again in [") +
                                             shown(section.header.name) +
                                             check::tr("]: the program reads the first, on ") +
                                             lineText(first->number));
    }
}

} // namespace

void checkStructure(const ProfileIndex &index, bool bomOnLineOne, Findings &findings) {
    for (const ProfileLine &key : index.strayKeys())
        if (!(bomOnLineOne && key.number == 1))
            findings.warning(key.number,
                             check::tr("key line before the first section: never read"));
    for (const ProfileIndex::Section &section : index.sections()) {
        const std::string quoted = "[" + shown(section.header.name) + "]";
        if (!section.header.closed)
            findings.warning(section.header.number,
                             check::tr("no ']' closes the section name: it reads as ") + quoted);
        if (section.isRead())
            checkSectionName(section, findings);
        else
            findings.warning(section.header.number,
                             quoted + check::tr(" again: the program reads only the first, on ") +
                                 lineText(section.firstOfName->header.number));
        checkKeyLines(section, findings);
    }
}

} // namespace bankcheck
