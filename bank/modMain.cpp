#include "modMain.h"

#include "IniModule.h"
#include "files.h"
#include "numbers.h"
#include "random.h"

#include <cmath>

namespace modMain {

Table<MondaiRec> Mondai;
Table<std::int16_t> Kaitou;
double StartTime = 0.0;

namespace {

// Where a number came from, so that an overflow can tell the bank author what to fix.
struct Source {
    std::string_view file;
    std::string_view section;
    std::string_view key;
    const std::string &text;
};

[[noreturn]] void overflowAt(const Source &source) {
    throw quizra::errors::overflow(std::string(source.file) + " [" + std::string(source.section) +
                                   "] " + std::string(source.key) + "=" + source.text);
}

// Runs convert, turning its overflow into one that names source.
template <class Convert> auto numberFrom(const Source &source, Convert convert) {
    try {
        return convert();
    } catch (const quizra::QuizraError &error) {
        if (error.number() != quizra::errors::Overflow) throw;
        overflowAt(source);
    }
}

// The value of key, read into a fresh string so that a failed read leaves "" rather than
// whatever the slot held from an earlier exam.
std::string readText(IniModule::IniFile &file, std::string_view section, std::string_view key) {
    std::string text;
    file.GetIniString(key, section, text);
    return text;
}

std::int16_t readInteger(IniModule::IniFile &file, std::string_view fileName,
                         std::string_view section, std::string_view key) {
    const std::string text = readText(file, section, key);
    return numberFrom(Source{fileName, section, key, text},
                      [&] { return quizra::toInteger16(quizra::textToNumber(text)); });
}

} // namespace

std::int16_t entryNumber(double r, double count) {
    // floor(r * count + 1) in exact arithmetic. Adding 1 after the floor matters: with r just
    // below 1, r * count + 1 can round up to count + 1 in a double (for count 1, 2, 4, ...).
    return quizra::toInteger16(std::floor(r * count) + 1.0);
}

std::string entrySection(std::int16_t k) {
    return "SEC" + quizra::integerText(k);
}

std::string questionFileName(int index) {
    return "TOI" + quizra::integerText(index + 1) + ".ini";
}

int questionFileIndex(std::string_view name) {
    for (int i = 0; i < QuestionCount; ++i)
        if (quizra::equalIgnoringAsciiCase(name, questionFileName(i))) return i;
    return -1;
}

void MakeMondai() {
    for (int i = 0; i < QuestionCount; ++i) {
        const std::string fileName = questionFileName(i);
        // Each file is read once for all its values.
        IniModule::IniFile file(fileName);
        if (file.tooLarge()) throw quizra::errors::fileTooLarge(fileName);
        const std::string countText = readText(file, "COUNT", "ALL");
        const Source countSource{fileName, "COUNT", "ALL", countText};
        const double count =
            numberFrom(countSource, [&] { return quizra::textToNumber(countText); });
        const double r = quizra::Rnd();
        const std::int16_t k = numberFrom(countSource, [&] { return entryNumber(r, count); });
        const std::string section = entrySection(k);

        MondaiRec &slot = Mondai(i);
        slot.bun = readText(file, section, "bun");
        slot.ans1 = readText(file, section, "ans1");
        slot.ans2 = readText(file, section, "ans2");
        slot.ans3 = readText(file, section, "ans3");
        slot.ans4 = readText(file, section, "ans4");
        slot.ans = readInteger(file, fileName, section, "ans");
        slot.bmp = readText(file, section, "bmp");
        slot.type = readInteger(file, fileName, section, "type");
    }
}

void ClearAns() {
    for (int i = 0; i < QuestionCount; ++i)
        Kaitou(i) = 0;
}

} // namespace modMain
