#pragma once

#include <QImage>

#include <cstdint>
#include <memory>

class QApplication;
class frmSiken;
struct MondaiRec;

// The program's own exam window, set up as the program sets it up (fonts, styles, translations)
// on the offscreen platform, for the commands that measure or render what a candidate sees. It
// needs no display; one may exist at a time, and no other QApplication.
class OffscreenExam {
public:
    OffscreenExam();
    ~OffscreenExam();
    OffscreenExam(const OffscreenExam &) = delete;
    OffscreenExam &operator=(const OffscreenExam &) = delete;

    frmSiken &window() const { return *window_; }

    // The window as it shows question index (0 to 49) holding the values of question, with no
    // choice selected and the correct answer not revealed.
    QImage render(std::int16_t index, const MondaiRec &question);

private:
    int argc_ = 1;
    char name_[13] = "quizra-check";
    char *argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<frmSiken> window_;
};
