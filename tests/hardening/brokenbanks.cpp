#include "brokenbanks.h"

#include "picturebytes.h"

#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace brokenbanks {
namespace {

const std::string Mondai = "\x96\xe2\x91\xe8"; // "問題" in CP932

fs::path questionFile(const fs::path &bank, int index) {
    return bank / ("TOI" + std::to_string(index + 1) + ".ini");
}

void write(const fs::path &file, const std::string &bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The one entry of question index's sound file, its "bmp" set to the given bytes.
std::string soundEntry(int index, const std::string &bmp = {}) {
    const int n = index + 1;
    return "[SEC1]\r\nbun=" + Mondai + std::to_string(n) +
           "\r\nans1=a\r\nans2=b\r\nans3=c\r\nans4=d\r\nans=" + std::to_string(n % 4 + 1) +
           "\r\nbmp=" + bmp + "\r\ntype=" + (n % 2 == 0 ? "1" : "0") + "\r\n";
}

std::string soundFile(int index, const std::string &bmp = {}) {
    return "[COUNT]\r\nALL=1\r\n" + soundEntry(index, bmp);
}

// A question file with these contents in place of the sound one.
auto fileOf(int index, std::string bytes) {
    return [index, bytes](const fs::path &bank) { write(questionFile(bank, index), bytes); };
}

// Question index shows the picture bmp; picture, when given, puts the file in place.
auto pictureOf(int index, std::string bmp, std::function<void(const fs::path &bank)> picture = {}) {
    return [index, bmp, picture](const fs::path &bank) {
        write(questionFile(bank, index), soundFile(index, bmp));
        if (picture) picture(bank);
    };
}

auto fileAt(std::string name, std::string bytes) {
    return [name, bytes](const fs::path &bank) { write(bank / name, bytes); };
}

fs::path firstFile(const fs::path &bank) {
    return questionFile(bank, 0);
}

std::string garbage(std::size_t size) {
    std::mt19937 generator(1);
    std::string bytes(size, '\0');
    for (char &c : bytes)
        c = static_cast<char>(generator() & 0xff);
    return bytes;
}

std::string repeated(const std::string &unit, std::size_t bytes) {
    std::string out;
    out.reserve(bytes);
    while (out.size() < bytes)
        out += unit;
    return out;
}

Case overflow(std::string name, int index, std::string contents, std::string detail,
              double r = 0.999) {
    Case c{std::move(name), fileOf(index, std::move(contents)), Expect::Overflow, index};
    c.detail = std::move(detail);
    c.r = r;
    return c;
}

Case notice(std::string name, int index, std::string bmp,
            std::function<void(const fs::path &)> picture = {}) {
    Case c{std::move(name), pictureOf(index, bmp, std::move(picture)), Expect::PictureNotice, index,
           true};
    c.detail = std::move(bmp);
    return c;
}

std::vector<Case> questionFileCases() {
    const std::string count = "[COUNT]\r\nALL=";
    std::vector<Case> cases = {
        {"binary garbage", fileOf(0, garbage(64 * 1024))},
        {"a 10 MB single line",
         fileOf(0, "[COUNT]\r\nALL=1\r\n[SEC1]\r\nbun=" + repeated("\x82\xa0", 10 << 20))},
        {"a 10 MB line of nothing but text", fileOf(0, repeated("x", 10 << 20))},
        {"NUL bytes in names and values", fileOf(0, "[CO\0UNT]\r\nALL=\0"
                                                    "1\r\n[SEC1]\r\nbun=ab\0cd\r\nans=\0"
                                                    "3\r\n"
                                                    "\0\0\0\r\n[SEC1\0]\r\nans1=\0\r\n"s)},
        {"a lone lead byte before the line end",
         fileOf(0, "[COUNT]\r\nALL=1\x82\r\n[SEC1]\r\nbun=abc\x82\r\nans1=\x82\r\n[SEC\x82]\r\n"
                   "ans=2\x82\r\n")},
        {"a lone lead byte at the end of the file",
         fileOf(0, "[COUNT]\r\nALL=1\r\n[SEC1]\r\nbun=abc\x82")},
        {"a directory named TOI1.ini",
         [](const fs::path &bank) {
             fs::remove(firstFile(bank));
             fs::create_directories(firstFile(bank));
         }},
        {"a named pipe named TOI1.ini",
         [](const fs::path &bank) {
             fs::remove(firstFile(bank));
             mkfifo(firstFile(bank).c_str(), 0644);
         }},
        {"a link to a file that fails to read",
         [](const fs::path &bank) {
             fs::remove(firstFile(bank));
             fs::create_symlink("/proc/self/mem", firstFile(bank));
         }},
        {"a link loop",
         [](const fs::path &bank) {
             fs::remove(firstFile(bank));
             fs::create_symlink("TOI1.ini", firstFile(bank));
         }},
        {"a link to nothing",
         [](const fs::path &bank) {
             fs::remove(firstFile(bank));
             fs::create_symlink("nowhere.ini", firstFile(bank));
         }},
        {"an empty file", fileOf(0, "")},
        {"count 0", fileOf(0, count + "0\r\n" + soundEntry(0)), Expect::Exam, 0, true},
        {"count -2", fileOf(0, count + "-2\r\n[SEC-1]\r\nbun=minus one\r\nans=1\r\n")},
        {"count 12.5 with 12 entries", fileOf(0, count + "12.5\r\n[SEC12]\r\nbun=last\r\n")},
        {"count of letters", fileOf(0, count + "many\r\n" + soundEntry(0)), Expect::Exam, 0, true},
        {"sections missing", fileOf(0, count + "3\r\n")},
        {"no count", fileOf(0, soundEntry(0)), Expect::Exam, 0, true},
        {"ans of 7", fileOf(0, count + "1\r\n[SEC1]\r\nbun=x\r\nans=7\r\n")},
    };
    cases.push_back(
        overflow("count 32768", 0, count + "32768\r\n", "TOI1.ini [COUNT] ALL=32768", 0.99999));
    cases.push_back(overflow("count 1e400", 9, count + "1e400\r\n", "TOI10.ini [COUNT] ALL=1e400"));
    cases.push_back(overflow("ans of 40000", 6, count + "1\r\n[SEC1]\r\nbun=x\r\nans=40000\r\n",
                             "TOI7.ini [SEC1] ans=40000"));
    cases.push_back(overflow("type of -40000", 49,
                             count + "1\r\n[SEC1]\r\nbun=x\r\ntype=-40000\r\n",
                             "TOI50.ini [SEC1] type=-40000"));

    Case unreadable{"a file without read permission", [](const fs::path &bank) {
                        fs::permissions(firstFile(bank), fs::perms::none);
                    }};
    unreadable.needsPermissionBits = true;
    cases.push_back(unreadable);
    return cases;
}

std::vector<Case> pictureCases() {
    const auto shown = [](std::string name, int index, std::string bmp, std::string bytes) {
        return Case{std::move(name), pictureOf(index, bmp, fileAt(bmp, std::move(bytes))),
                    Expect::PictureShown, index, true};
    };
    const auto cut = [](const std::string &bytes) { return bytes.substr(0, bytes.size() * 2 / 3); };
    std::vector<Case> cases = {
        shown("a PNG named .bmp", 1, "pic1.bmp", picturebytes::png(16, 16)),
        shown("an interlaced PNG", 2, "adam7.png", picturebytes::pngInterlaced()),
        shown("a JPEG of 20000 x 20000 pixels", 3, "wide.jpg", picturebytes::jpeg(20000, 20000)),
    };
    cases.push_back(notice("a truncated BMP", 1, "cut.bmp",
                           fileAt("cut.bmp", cut(picturebytes::bmp24(32, 32)))));
    cases.push_back(
        notice("a truncated PNG", 1, "cut.png", fileAt("cut.png", cut(picturebytes::png(16, 16)))));
    cases.push_back(notice("a PNG whose rows cannot be inflated", 2, "spoiled.png",
                           fileAt("spoiled.png", picturebytes::pngSpoiled(16, 16))));
    const std::string jpeg = picturebytes::jpeg();
    cases.push_back(notice("a JPEG cut inside its scan", 2, "cut.jpg",
                           fileAt("cut.jpg", jpeg.substr(0, jpeg.size() - 3))));
    cases.push_back(
        notice("a truncated GIF", 3, "cut.gif", fileAt("cut.gif", cut(picturebytes::gif()))));
    cases.push_back(notice("a PNG declaring 40000 x 40000 pixels", 2, "huge.png",
                           fileAt("huge.png", picturebytes::pngDeclaring(40000, 40000))));
    cases.push_back(notice("a text file named .bmp", 0, "q1.bmp",
                           fileAt("q1.bmp", "[SEC1]\r\nbun=" + Mondai + "\r\n")));
    cases.push_back(notice("an empty .bmp", 0, "empty.bmp", fileAt("empty.bmp", "")));
    cases.push_back(notice("a missing picture", 49, "pic\\none.png"));
    cases.push_back(notice("a picture that is a directory", 0, "pic",
                           [](const fs::path &bank) { fs::create_directories(bank / "pic"); }));
    cases.push_back(
        notice("a picture that is a named pipe", 0, "pipe.bmp",
               [](const fs::path &bank) { mkfifo((bank / "pipe.bmp").c_str(), 0644); }));
    cases.push_back(notice("a picture link loop", 0, "loop.png", [](const fs::path &bank) {
        fs::create_symlink("loop.png", bank / "loop.png");
    }));
    cases.push_back(notice("a picture outside the program's folder", 0, "..\\outside.bmp",
                           [](const fs::path &bank) {
                               write(bank.parent_path() / "outside.bmp", picturebytes::bmp24(8, 8));
                           }));
    cases.push_back(
        notice("a picture path to /etc/passwd", 0, "..\\..\\..\\..\\..\\..\\..\\..\\etc\\passwd"));
    cases.push_back(notice("a picture path down and back out", 0, "pic\\..\\..\\outside.bmp",
                           [](const fs::path &bank) {
                               fs::create_directories(bank / "pic");
                               write(bank.parent_path() / "outside.bmp", picturebytes::bmp24(8, 8));
                           }));
    cases.push_back(notice("an absolute picture path", 0, "/etc/passwd"));
    cases.push_back(
        notice("a picture name longer than a file name can be", 0, repeated("a", 600) + ".bmp"));
    return cases;
}

std::vector<Case> afterDrawCases() {
    Case pictureGone = notice("a picture gone between the draw and the display", 1, "late.bmp",
                              fileAt("late.bmp", picturebytes::bmp24(8, 8)));
    pictureGone.afterDraw = [](const fs::path &bank) { fs::remove(bank / "late.bmp"); };
    Case pictureChanged = notice("a picture turned to text between the draw and the display", 2,
                                 "late.png", fileAt("late.png", picturebytes::png(8, 8)));
    pictureChanged.afterDraw = fileAt("late.png", "not a picture any more");
    Case pictureArrived{"a picture arriving between the draw and the display",
                        pictureOf(3, "pic\\late.bmp"), Expect::PictureShown, 3, true};
    pictureArrived.afterDraw = fileAt("pic/late.bmp", picturebytes::bmp24(8, 8));
    Case fileGone{"a question file gone after the draw", {}, Expect::Exam, 2, true};
    fileGone.afterDraw = [](const fs::path &bank) { fs::remove(questionFile(bank, 2)); };
    Case fileSpoiled{
        "a question file turned to an overflow after the draw", {}, Expect::Exam, 3, true};
    fileSpoiled.afterDraw = fileOf(3, "[COUNT]\r\nALL=1e400\r\n[SEC1]\r\nans=40000\r\n");
    return {pictureGone, pictureChanged, pictureArrived, fileGone, fileSpoiled};
}

} // namespace

void writeSoundBank(const fs::path &folder) {
    for (int i = 0; i < 50; ++i)
        write(questionFile(folder, i),
              soundFile(i, i == SoundPictureQuestion ? "pic\\good.bmp" : ""));
    write(folder / "pic" / "good.bmp", picturebytes::bmp24(40, 30));
}

std::string soundQuestionText(int index) {
    return "\xe5\x95\x8f\xe9\xa1\x8c" + std::to_string(index + 1); // "問題" in UTF-8
}

const std::vector<Case> &all() {
    static const std::vector<Case> cases = [] {
        std::vector<Case> all = questionFileCases();
        for (auto group : {pictureCases(), afterDrawCases()})
            all.insert(all.end(), group.begin(), group.end());
        return all;
    }();
    return cases;
}

} // namespace brokenbanks
