#pragma once

#include "app/forms.h"
#include "bank/modMain.h"
#include "results/frmSeiseki.h"

#include <QLineEdit>
#include <QTest>

#include <array>

// Exam state and sheet handling shared by the results tests.
namespace sheet {

inline std::int16_t correctChoice(int index) {
    return static_cast<std::int16_t>(index % 4 + 1);
}
inline std::int16_t wrongChoice(int index) {
    return static_cast<std::int16_t>((index + 1) % 4 + 1);
}

// An exam in which the first correct[s] questions of section s are answered correctly and the
// rest of the section wrongly, or not at all.
inline void fillExam(const std::array<int, 3> &correct, bool answerTheRest = true) {
    const grading::Section sections[] = {grading::Section1, grading::Section2, grading::Section3};
    for (int s = 0; s < 3; ++s) {
        for (int i = sections[s].first; i <= sections[s].last; ++i) {
            modMain::Mondai(i) = MondaiRec{};
            modMain::Mondai(i).bun = "問題文" + std::to_string(i + 1);
            modMain::Mondai(i).ans = correctChoice(i);
            modMain::Kaitou(i) = i - sections[s].first < correct[s] ? correctChoice(i)
                                 : answerTheRest                    ? wrongChoice(i)
                                                                    : 0;
        }
    }
}

inline bool isRed(const QLineEdit *box) {
    return box->palette().color(QPalette::Text) == QColor(255, 0, 0);
}

// Points boxes txt1..txt4, then percentage boxes txt5..txt8.
inline std::array<QLineEdit *, 8> boxes(frmSeiseki &form) {
    return {form.txt1, form.txt2, form.txt3, form.txt4, form.txt5, form.txt6, form.txt7, form.txt8};
}

// Clicks the middle of a control as a person does: through the window, with Qt's hit testing.
inline void click(QWidget *control) {
    QWidget *window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(window, control->rect().center()));
}

} // namespace sheet
