#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "error.h"

// One drawn question, read from one entry of one question file.
struct MondaiRec {
    std::string bun;  // question text
    std::string ans1; // choice texts
    std::string ans2;
    std::string ans3;
    std::string ans4;
    std::int16_t ans = 0;  // number of the correct choice, 1..4 in a sound file
    std::string bmp;       // picture file, relative to the bank folder; "" for none
    std::int16_t type = 0; // 1 stacks the choices, anything else puts them in one row
};

namespace modMain {

inline constexpr int QuestionCount = 50;
inline constexpr int SlotCount = 51; // slots 0..50; the exam uses 0..49

// A table of SlotCount slots addressed as Table(i); an index outside 0..50 is an error.
template <class T> class Table {
public:
    T &operator()(long index) { return slots_.at(checked(index)); }
    const T &operator()(long index) const { return slots_.at(checked(index)); }

private:
    static std::size_t checked(long index) {
        if (index < 0 || index >= SlotCount) throw quizra::errors::indexOutOfRange(index);
        return static_cast<std::size_t>(index);
    }
    std::array<T, SlotCount> slots_{};
};

// The exam state, shared by every window.
extern Table<MondaiRec> Mondai;
extern Table<std::int16_t> Kaitou;
extern double StartTime;

// Draws a fresh exam into Mondai slots 0..49, one entry of TOI1.ini..TOI50.ini each.
void MakeMondai();
// Sets Kaitou slots 0..49 to 0.
void ClearAns();

// The entry drawn with random value r from a file holding count entries: floor(r * count) + 1
// as a 16-bit integer (overflow error outside its range); never more than a whole count.
std::int16_t entryNumber(double r, double count);
// "SEC" + k, with a minus sign for a negative k.
std::string entrySection(std::int16_t k);
// "TOI" + (index + 1) + ".ini".
std::string questionFileName(int index);
// The index of the question file name stands for, ignoring case ("toi7.ini" is 6); -1 for none.
int questionFileIndex(std::string_view name);

} // namespace modMain
