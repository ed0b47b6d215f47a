#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Broken question banks and pictures, each made by spoiling a sound bank in a folder. Plain C++,
// so that the program's tests and the bank checker's tests can run over the same set.
namespace brokenbanks {

// The sound bank: TOI1.ini..TOI50.ini with one entry each ("問題n", answer n % 4 + 1, choices
// side by side for odd n, stacked for even n) and, on question index SoundPictureQuestion, the
// picture pic\good.bmp.
inline constexpr int SoundPictureQuestion = 4;
void writeSoundBank(const std::filesystem::path &folder);
// The text of question index i in the sound bank, as UTF-8.
std::string soundQuestionText(int index);

// What the program makes of a case.
enum class Expect {
    Exam,          // the exam runs without a message
    Overflow,      // starting says which number overflowed; the menu stays open
    PictureNotice, // the question shows without its picture and the red notice names it
    PictureShown,  // the picture is shown, perhaps incomplete
};

struct Case {
    std::string name;
    std::function<void(const std::filesystem::path &bank)> spoil;
    Expect expect = Expect::Exam;
    int question = 0;      // index of the question the case concerns
    bool textKept = false; // that question still reads as in the sound bank
    // Overflow: "file [section] key=text" as the message names it. PictureNotice: the picture
    // name as the notice gives it.
    std::string detail = {};
    // Spoils the bank once the exam has been drawn, before the question is shown; empty for
    // a bank that is broken from the start.
    std::function<void(const std::filesystem::path &bank)> afterDraw = {};
    // The random value of every draw.
    double r = 0.999;
    // The case relies on permission bits, which do not stop a privileged reader.
    bool needsPermissionBits = false;
};

// Every case; the bank folder is a subfolder of a folder of the case's own, which a case may
// use for files outside the bank.
const std::vector<Case> &all();

} // namespace brokenbanks
