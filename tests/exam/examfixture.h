#pragma once

#include "app/forms.h"
#include "bank/clock.h"
#include "bank/modMain.h"
#include "exam/frmSiken.h"
#include "results/frmSeiseki.h"
#include "support/programseams.h"

#include <string>

// A bank of 50 plain questions ("Q1" .. "Q50", choices a to d, answers cycling 1 to 4, no
// picture, one row), with message boxes, the end of the program and the clock caught.
struct ExamFixture : ProgramSeams {
    static constexpr double Start = 45000.5; // in days, as the clock counts
    double now = Start;

    ExamFixture() {
        quizra::setClock([this] { return now; });
        for (int i = 0; i < modMain::QuestionCount; ++i)
            modMain::Mondai(i) = {"Q" + std::to_string(i + 1),          "a", "b", "c", "d",
                                  static_cast<std::int16_t>(i % 4 + 1), "",  0};
    }
    ~ExamFixture() { quizra::setClock({}); }

    // Opens the exam as the menu's start command does.
    frmSiken &start() {
        modMain::ClearAns();
        frmSiken &exam = Forms::frmSiken().Show();
        modMain::StartTime = Start;
        exam.iNumber = 0;
        exam.SetMondai(exam.iNumber);
        return exam;
    }
};
