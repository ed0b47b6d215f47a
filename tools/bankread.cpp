#include "bankread.h"

#include "cp932.h"
#include "error.h"
#include "files.h"
#include "modMain.h"
#include "numbers.h"
#include "profile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace bankread {

bool isNumberKey(std::string_view key) {
    return key == "ans" || key == "type";
}

// Reads one file once, then every value from those bytes as GetIniString would.
QuestionFile readQuestionFile(int index) {
    QuestionFile file;
    file.name = modMain::questionFileName(index);
    const quizra::FileBytes bytes = quizra::readFileIn(quizra::programDirectory(), file.name);
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
    const auto read = [&](std::string_view section, std::string_view key) {
        return quizra::decodeCp932(quizra::profileValue(bytes.bytes, section, key));
    };

    file.countText = read("COUNT", "ALL");
    std::int16_t first = 0, last = 0;
    try {
        file.count = quizra::textToNumber(file.countText);
        // The draw's r lies in [0, 1): these two ends give the whole range of entry numbers.
        const std::int16_t low = modMain::entryNumber(0.0, *file.count);
        const std::int16_t high = modMain::entryNumber(std::nextafter(1.0, 0.0), *file.count);
        first = std::min(low, high);
        last = std::max(low, high);
    } catch (const quizra::QuizraError &error) {
        file.error = error.description();
        return file;
    }

    for (int k = first; k <= last; ++k) {
        Entry entry;
        entry.section = modMain::entrySection(static_cast<std::int16_t>(k));
        for (const char *key : EntryKeys) {
            Field field{key, read(entry.section, key), std::nullopt};
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
    return file;
}

} // namespace bankread
