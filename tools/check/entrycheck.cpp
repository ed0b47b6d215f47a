#include "checkparts.h"

#include "drawrange.h"
#include "error.h"
#include "json.h"
#include "modMain.h"
#include "numbers.h"
#include "terminaltext.h"
#include "translation.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace bankcheck {
namespace {

using quizra::ProfileLine;
using Section = ProfileIndex::Section;

constexpr const char *ChoiceKeys[] = {"ans1", "ans2", "ans3", "ans4"};
constexpr const char *EntryKeys[] = {"bun", "ans1", "ans2", "ans3", "ans4", "ans", "bmp", "type"};

std::string text(long number) {
    return quizra::integerText(number);
}

std::string sectionText(long k) {
    return "[SEC" + text(k) + "]";
}

// "name=value" as the author wrote it, the value as the program reads it.
std::string assignment(const ProfileLine &key) {
    return shown(key.name) + "=" + shown(ProfileIndex::value(key));
}

// The last few characters of text (UTF-8), after an ellipsis.
std::string tail(const std::string &text) {
    constexpr int Characters = 8;
    std::size_t start = text.size();
    for (int n = 0; n < Characters && start > 0;) {
        --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) ++n;
    }
    return "…" + text.substr(start);
}

// Warns when the program reads only part of the value of key, a line with '='.
void checkLength(const ProfileLine &key, Findings &findings) {
    const std::string_view read = quizra::deliveredValue(key.value);
    // The delivered value lies inside the stored one; it starts one byte in when the reader
    // took off a pair of quotes, and then the whole value is two bytes shorter than stored.
    const std::size_t quotes = 2 * static_cast<std::size_t>(read.data() - key.value.data());
    const std::size_t whole = key.value.size() - quotes;
    if (read.size() >= whole) return;
    findings.warning(key.number, check::tr("value is ") + text(static_cast<long>(whole)) +
                                     check::tr(" bytes; the program reads the first ") +
                                     text(static_cast<long>(read.size())) +
                                     check::tr(", ending with '") + tail(shown(read)) + "'");
}

// False when no byte of value is below 0x20 or 0x7F, looked at eight bytes at a time: nearly
// every value is such, and a byte at a time cost a tenth of a large bank's check. A tab is let
// through, to be passed over byte by byte.
bool mayHoldControls(std::string_view value) {
    constexpr std::uint64_t Ones = 0x0101010101010101, Highs = 0x8080808080808080;
    const auto hasByteBelow = [&](std::uint64_t word, std::uint64_t limit) {
        return ((word - Ones * limit) & ~word & Highs) != 0;
    };
    std::size_t i = 0;
    for (; i + 8 <= value.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, value.data() + i, 8);
        if (hasByteBelow(word, 0x20) || hasByteBelow(word ^ Ones * 0x7F, 1)) return true;
    }
    for (; i < value.size(); ++i)
        if (static_cast<unsigned char>(value[i]) < 0x20 || value[i] == 0x7F) return true;
    return false;
}

// Warns when the value of key holds control characters: they come from a bad conversion or a
// paste, never from text a candidate can read.
void checkControls(const ProfileLine &key, Findings &findings) {
    const std::string_view value = ProfileIndex::value(key);
    if (!mayHoldControls(value)) return;
    std::string found;
    for (const char c : value) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 0x20 || b == '\t') && b != 0x7F) continue;
        const std::string escaped = check::terminalText(std::string(1, c));
        if (found.find(escaped) == std::string::npos) found += (found.empty() ? "" : " ") + escaped;
    }
    if (!found.empty())
        findings.warning(key.number,
                         check::tr("value holds control characters (") + found +
                             check::tr("): they are not text, and no candidate can read them"));
}

// A number key read as the program reads it.
struct Number {
    std::optional<std::int16_t> value; // nothing when it overflows
    bool plain = false;                // digits only, as an author should write it
};

Number readNumber(std::string_view raw) {
    Number number;
    number.plain = !raw.empty() && raw.find_first_not_of("0123456789") == std::string_view::npos;
    try {
        number.value = quizra::toInteger16(quizra::textToNumber(raw));
    } catch (const quizra::QuizraError &error) {
        if (error.number() != quizra::errors::Overflow) throw;
    }
    return number;
}

// "ALL=3件 reads as 3" when the value's text is not the number read, else just "ALL=3".
std::string asRead(const ProfileLine &key, const std::string &number) {
    const bool same = ProfileIndex::value(key) == number;
    return assignment(key) + (same ? "" : check::tr(" reads as ") + number);
}

void checkAnswer(const Section &entry, Findings &findings) {
    const ProfileLine *key = ProfileIndex::find(entry, "ans");
    if (!key) {
        findings.error(entry.header.number, check::tr("no ans in [") + shown(entry.header.name) +
                                                check::tr("]: no choice is marked correct"));
        return;
    }
    if (!key->hasEquals) return; // reported as a line without '='
    const std::string_view raw = ProfileIndex::value(*key);
    const Number number = readNumber(raw);
    if (!number.value)
        findings.error(key->number, assignment(*key) +
                                        check::tr(" overflows: an exam that draws [") +
                                        shown(entry.header.name) + check::tr("] will not start"));
    else if (raw.empty())
        findings.error(key->number, check::tr("ans is empty: no choice is marked correct"));
    else if (*number.value < 1 || *number.value > 4)
        findings.error(key->number, asRead(*key, text(*number.value)) +
                                        check::tr(", not 1 to 4: no choice is marked correct"));
    else if (!number.plain)
        findings.warning(key->number,
                         asRead(*key, text(*number.value)) + check::tr(": write the number alone"));
}

// The entry's type as the program reads it (0 when it overflows, which checkType reports).
int checkType(const Section &entry, Findings &findings) {
    const ProfileLine *key = ProfileIndex::find(entry, "type");
    const std::string_view raw = key ? ProfileIndex::value(*key) : std::string_view();
    if (raw.empty()) return 0;
    const Number number = readNumber(raw);
    if (!number.value) {
        findings.error(key->number, assignment(*key) +
                                        check::tr(" overflows: an exam that draws [") +
                                        shown(entry.header.name) + check::tr("] will not start"));
        return 0;
    }
    const std::string read = text(*number.value);
    if (*number.value != 0 && *number.value != 1)
        findings.warning(key->number,
                         asRead(*key, read) +
                             check::tr(", neither 0 nor 1: the choices go side by side"));
    else if (!number.plain)
        findings.warning(key->number, asRead(*key, read) + check::tr(": write the number alone"));
    return *number.value;
}

void checkPicture(const ProfileLine &key, bool stacked, const DecodedFile &decoded,
                  const PictureLoader &pictures, Findings &findings) {
    const std::string bmp = decoded.value(key);
    if (bmp.empty()) return;
    const Picture picture = pictures.load(bmp);
    const std::string named = check::tr("picture ") + bmp;
    if (!picture.foundIgnoringCase.empty())
        findings.warning(key.number, named + check::tr(" is found only ignoring case, as ") +
                                         picture.foundIgnoringCase);
    const std::string target =
        picture.status == Picture::Status::Outside ? std::string() : pictures.linkedOutside(bmp);
    if (!target.empty())
        findings.warning(key.number,
                         named + check::tr(" is a symbolic link to ") + target +
                             check::tr(", outside the bank folder: the program shows it all "
                                       "the same"));
    switch (picture.status) {
    case Picture::Status::Missing:
        findings.error(key.number, named + check::tr(" is not found"));
        return;
    case Picture::Status::Outside:
        findings.error(key.number,
                       named + check::tr(" lies outside the bank folder: it is never shown"));
        return;
    case Picture::Status::Unreadable:
        findings.error(key.number, named + check::tr(" cannot be read: ") + picture.problem);
        return;
    case Picture::Status::NotAnImage:
        findings.error(key.number, named + check::tr(" cannot be shown: ") + picture.problem);
        return;
    case Picture::Status::Loads:
        break;
    }
    const int height = stacked ? StackedAreaHeight : SingleRowAreaHeight;
    if (picture.width > PictureAreaWidth || picture.height > height)
        findings.warning(key.number, named + check::tr(" is ") + text(picture.width) + " x " +
                                         text(picture.height) + check::tr(" px but only ") +
                                         text(PictureAreaWidth) + " x " + text(height) +
                                         check::tr(" px show ") +
                                         (stacked ? check::tr("below stacked choices (type=1)")
                                                  : check::tr("below choices side by side")) +
                                         check::tr(": make it smaller"));
}

bool isEntryKey(std::string_view name) {
    for (const char *key : EntryKeys)
        if (quizra::sameName(name, key)) return true;
    return false;
}

void checkEntry(const Section &entry, const DecodedFile &decoded, const PictureLoader &pictures,
                const ChoiceMeter &choices, Findings &findings) {
    const std::string quoted = "[" + shown(entry.header.name) + "]";
    if (const ProfileLine *bun = ProfileIndex::find(entry, "bun"); !bun)
        findings.error(entry.header.number,
                       check::tr("no bun in ") + quoted + check::tr(": the question has no text"));
    else if (bun->hasEquals && ProfileIndex::value(*bun).empty())
        findings.error(bun->number, check::tr("bun is empty: the question has no text"));
    for (int c = 0; c < 4; ++c) {
        const ProfileLine *choice = ProfileIndex::find(entry, ChoiceKeys[c]);
        const std::string what = std::string(ChoiceKeys[c]);
        if (!choice)
            findings.error(entry.header.number, check::tr("no ") + what + check::tr(" in ") +
                                                    quoted + check::tr(": choice ") + text(c + 1) +
                                                    check::tr(" is empty"));
        else if (choice->hasEquals && ProfileIndex::value(*choice).empty())
            findings.error(choice->number, what + check::tr(" is empty: choice ") + text(c + 1) +
                                               check::tr(" is empty"));
    }
    checkAnswer(entry, findings);
    const bool stacked = checkType(entry, findings) == 1;
    if (const ProfileLine *bmp = ProfileIndex::find(entry, "bmp"))
        checkPicture(*bmp, stacked, decoded, pictures, findings);
    checkChoiceWidths(entry, stacked, decoded, choices, findings);

    for (const ProfileLine &key : entry.keys) {
        // Repeated keys and lines without '=' have their own reports.
        if (!key.hasEquals || ProfileIndex::find(entry, key.name) != &key) continue;
        if (isEntryKey(key.name)) {
            checkLength(key, findings);
            checkControls(key, findings);
        } else
            findings.warning(key.number,
                             check::tr("key ") + shown(key.name) + check::tr(" is never read"));
    }
}

using Draw = check::DrawRange;

// Checks [COUNT] and ALL; returns the entries the draw can pick, or nothing when the count
// cannot be read at all.
std::optional<Draw> checkCount(const ProfileIndex &index, Findings &findings) {
    const Section *count = index.find("COUNT");
    const ProfileLine *all = count ? ProfileIndex::find(*count, "ALL") : nullptr;
    if (count) {
        for (const ProfileLine &key : count->keys) {
            if (!key.hasEquals || ProfileIndex::find(*count, key.name) != &key) continue;
            if (quizra::sameName(key.name, "ALL"))
                checkLength(key, findings);
            else
                findings.warning(key.number,
                                 check::tr("key ") + shown(key.name) + check::tr(" is never read"));
        }
    }
    const std::string_view raw = all ? ProfileIndex::value(*all) : std::string_view();
    double number = 0;
    try {
        number = quizra::textToNumber(raw);
    } catch (const quizra::QuizraError &error) {
        if (error.number() != quizra::errors::Overflow) throw;
        findings.error(all->number,
                       assignment(*all) + check::tr(" is too large to read: no exam will start"));
        return std::nullopt;
    }
    const Draw draw = check::drawRange(number);
    if (draw.overflowing > 0) {
        findings.error(all->number,
                       asRead(*all, check::jsonNumber(number)) + check::tr(" is too large: ") +
                           check::failingStarts(draw.overflowing) +
                           check::tr(" with an overflow (a draw of ") +
                           sectionText(draw.firstOverflowing) + check::tr(" or beyond)"));
        return draw;
    }

    const std::string drawn = draw.first == draw.last
                                  ? check::tr("every exam takes ") + sectionText(draw.first)
                                  : check::tr("exams draw ") + sectionText(draw.first) +
                                        check::tr(" to ") + sectionText(draw.last);
    const bool plain =
        !raw.empty() && raw.find_first_not_of("0123456789") == std::string_view::npos;
    if (!count)
        findings.error(0, check::tr("no [COUNT] section: the count reads 0, so ") + drawn);
    else if (!all)
        findings.error(count->header.number,
                       check::tr("no ALL in [COUNT]: the count reads 0, so ") + drawn);
    else if (raw.empty())
        findings.error(all->number, check::tr("ALL is empty: the count reads 0, so ") + drawn);
    else if (number < 1 || number != std::floor(number))
        findings.error(all->number, asRead(*all, check::jsonNumber(number)) +
                                        check::tr(", not a whole number of 1 or more: ") + drawn);
    else if (!plain)
        findings.warning(all->number, asRead(*all, check::jsonNumber(number)) +
                                          check::tr(": write the number alone"));
    return draw;
}

// Reports entries the draw can pick but the file lacks, a run of them in one line.
void checkPresence(const ProfileIndex &index, const Draw &draw, std::size_t line,
                   Findings &findings) {
    const auto report = [&](long from, long to) {
        findings.error(line, from == to
                                 ? sectionText(from) + check::tr(" is missing: an exam that draws "
                                                                 "it shows an empty question")
                                 : sectionText(from) + check::tr(" to ") + sectionText(to) +
                                       check::tr(" are missing: an exam that draws one shows an "
                                                 "empty question"));
    };
    long missingFrom = 0;
    for (long k = std::max(draw.first, 1L); k <= draw.last + 1; ++k) {
        const bool present = k > draw.last || index.find(modMain::entrySection(k));
        if (!present && missingFrom == 0) missingFrom = k;
        if (present && missingFrom != 0) {
            report(missingFrom, k - 1);
            missingFrom = 0;
        }
    }
}

} // namespace

void checkEntries(const ProfileIndex &index, const DecodedFile &decoded,
                  const PictureLoader &pictures, const ChoiceMeter &choices, Findings &findings) {
    const std::optional<Draw> draw = checkCount(index, findings);
    if (!draw) return;
    const Section *count = index.find("COUNT");
    const ProfileLine *all = count ? ProfileIndex::find(*count, "ALL") : nullptr;
    checkPresence(index, *draw, all ? all->number : 0, findings);
    for (const Section &section : index.sections()) {
        if (!section.isRead()) continue;
        const std::optional<long> k = entryOfSection(section.header.name);
        if (!k) continue;
        if (*k >= std::max(draw->first, 1L) && *k <= draw->last)
            checkEntry(section, decoded, pictures, choices, findings);
        else
            findings.warning(
                section.header.number,
                sectionText(*k) + check::tr(" is never drawn: ") +
                    (all ? assignment(*all) : std::string(check::tr("the count reads 0"))));
    }
}

} // namespace bankcheck
