#include "bankread.h"

#include "checkparts.h"
#include "cp932.h"
#include "drawrange.h"
#include "error.h"
#include "files.h"
#include "modMain.h"
#include "numbers.h"
#include "profile.h"

#include <cstring>
#include <functional>
#include <new>

namespace bankread {
namespace {

constexpr std::size_t KeyCount = std::size(EntryKeys);

// The raw values of the entries first..first + raw.size() - 1 of a file, found in one pass over
// its bytes by the rules of profileValue: the first section of a name, its first key of a name.
struct RawEntry {
    bool sectionSeen = false;
    bool keySeen[KeyCount] = {};
    std::string_view values[KeyCount];
};

void findEntries(std::string_view bytes, long first, std::vector<RawEntry> &raw) {
    quizra::ProfileScanner scanner(bytes);
    quizra::ProfileLine line;
    RawEntry *current = nullptr;
    while (scanner.next(line, current ? quizra::ProfileScanner::Detail::Full
                                      : quizra::ProfileScanner::Detail::KindOnly)) {
        if (line.kind == quizra::ProfileLine::Kind::Section) {
            current = nullptr;
            const std::optional<long> k = bankcheck::entryOfSection(line.name);
            if (!k || *k < first || *k - first >= static_cast<long>(raw.size())) continue;
            RawEntry &entry = raw[static_cast<std::size_t>(*k - first)];
            if (!entry.sectionSeen) current = &entry;
            entry.sectionSeen = true;
        } else if (current && line.kind == quizra::ProfileLine::Kind::Key) {
            for (std::size_t i = 0; i < KeyCount; ++i) {
                if (current->keySeen[i] || !quizra::sameName(line.name, EntryKeys[i])) continue;
                current->keySeen[i] = true;
                if (line.hasEquals) current->values[i] = quizra::deliveredValue(line.value);
            }
        }
    }
}

void read(QuestionFile &file, const quizra::FileBytes &bytes) {
    switch (bytes.status) {
    case quizra::FileBytes::Status::Ok:
        file.state = "ok";
        break;
    case quizra::FileBytes::Status::NotFound:
        file.state = "missing";
        break;
    case quizra::FileBytes::Status::Error:
        file.state = std::string("unreadable: ") + std::strerror(bytes.errorNumber);
    }

    file.countText = quizra::decodeCp932(quizra::profileValue(bytes.bytes, "COUNT", "ALL"));
    try {
        file.count = quizra::textToNumber(file.countText);
    } catch (const quizra::QuizraError &error) {
        file.error = error.description();
        return;
    }
    const check::DrawRange draw = check::drawRange(*file.count);
    if (draw.overflowing > 0)
        file.error = "a draw of SEC" + quizra::integerText(draw.firstOverflowing) +
                     " or beyond overflows: " + check::failingStarts(draw.overflowing);

    std::vector<RawEntry> raw(static_cast<std::size_t>(draw.last - draw.first + 1));
    findEntries(bytes.bytes, draw.first, raw);
    for (long k = draw.first; k <= draw.last; ++k) {
        const RawEntry &found = raw[static_cast<std::size_t>(k - draw.first)];
        Entry entry;
        entry.section = modMain::entrySection(static_cast<std::int16_t>(k));
        for (std::size_t i = 0; i < KeyCount; ++i) {
            const char *key = EntryKeys[i];
            Field field{key, quizra::decodeCp932(found.values[i]), std::nullopt};
            if (isNumberKey(key)) {
                try {
                    field.number = quizra::toInteger16(quizra::textToNumber(field.text));
                } catch (const quizra::QuizraError &error) {
                    entry.error = error.description() + " (" + key + "=" + field.text + ")";
                }
            }
            entry.fields.push_back(std::move(field));
        }
        file.entries.push_back(std::move(entry));
    }
}

// Reads the bytes load gives once, then every value from them as GetIniString would.
QuestionFile readWith(const std::string &name, const std::function<quizra::FileBytes()> &load) {
    QuestionFile file;
    file.name = name;
    try {
        read(file, load());
    } catch (const std::bad_alloc &) {
        file = {file.name, "unreadable: not enough memory", {}, {}, {}, {}};
    } catch (const std::exception &error) {
        file = {file.name, std::string("unreadable: ") + error.what(), {}, {}, {}, {}};
    }
    return file;
}

} // namespace

bool isNumberKey(std::string_view key) {
    return key == "ans" || key == "type";
}

QuestionFile readQuestionFile(int index) {
    const std::string name = modMain::questionFileName(index);
    return readWith(name, [&] { return quizra::readFileIn(quizra::bankDirectory(), name); });
}

QuestionFile readQuestionBytes(const std::string &name, std::string_view bytes) {
    return readWith(name, [&] {
        quizra::FileBytes file;
        file.bytes = bytes;
        return file;
    });
}

} // namespace bankread
