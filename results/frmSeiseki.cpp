#include "frmSeiseki.h"

#include "app/forms.h"
#include "app/frmMenu.h"
#include "bank/modMain.h"
#include "bank/numbers.h"
#include "exam/frmSiken.h"

namespace {

const QColor Red(255, 0, 0);

QString decimalText(long value) {
    return QString::fromStdString(quizra::integerText(value));
}

std::string textOf(const QLineEdit *box) {
    return box->text().toStdString();
}

// Red is never set back: every grading starts on a freshly loaded window.
void paintRed(QLineEdit *box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, Red);
    box->setPalette(palette);
}

} // namespace

void frmSeiseki::connectHandlers() {
    for (int i = 0; i < Label17.count(); ++i)
        on(&Label17(i), &ClickLabel::clicked, &frmSeiseki::Label17_Click);
    on(cmdEnd, &QAbstractButton::clicked, &frmSeiseki::cmdEnd_Click);
}

void frmSeiseki::Form_Load() {
    SetSeiseki();
    describeSheet();
}

void frmSeiseki::Form_FrameClose() {
    // Closing through the frame would otherwise leave the program running with nothing on
    // screen; it leaves the sheet the way "閉じる" does.
    cmdEnd_Click();
}

// Fills the sheet; every step reads the earlier results back from the texts on display.
void frmSeiseki::SetSeiseki() {
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        lbl1(i).setText(decimalText(modMain::Mondai(i).ans));
        Label23(i).setText(modMain::Kaitou(i) == 0 ? QString() : decimalText(modMain::Kaitou(i)));
    }
    gradeSection(grading::Section1, txt1, txt5);
    gradeSection(grading::Section2, txt2, txt6);
    gradeSection(grading::Section3, txt3, txt7);

    const int total = grading::wholeNumber(textOf(txt2)) + grading::wholeNumber(textOf(txt1)) +
                      grading::wholeNumber(textOf(txt3));
    txt4->setText(decimalText(total));
    const double percent = grading::number(textOf(txt4)) / grading::WholeExam.divisor;
    txt8->setText(QString::fromStdString(grading::percentText(percent)));
    if (grading::belowPassMark(textOf(txt8), grading::WholeExam.passMark)) paintRed(txt8);
}

void frmSeiseki::gradeSection(const grading::Section &section, QLineEdit *points,
                              QLineEdit *percent) {
    int sum = 0;
    for (int i = section.first; i <= section.last; ++i)
        if (Label23(i).text() == lbl1(i).text()) sum += grading::PointsPerQuestion;
    points->setText(decimalText(sum));
    percent->setText(QString::fromStdString(grading::percentText(sum / section.divisor)));
    if (grading::belowPassMark(textOf(percent), section.passMark)) paintRed(percent);
}

// Tells screen readers what the colours and the columns show at a glance.
void frmSeiseki::describeSheet() {
    for (int i = 0; i < Label17.count(); ++i) {
        const QString answer =
            Label23(i).text().isEmpty() ? QStringLiteral("なし") : Label23(i).text();
        Label17(i).setAccessibleName(
            QStringLiteral("%1: 正解 %2, 解答 %3").arg(Label17(i).text(), lbl1(i).text(), answer));
    }
    for (QLineEdit *percent : {txt5, txt6, txt7, txt8})
        if (percent->palette().color(QPalette::Text) == Red)
            percent->setAccessibleDescription(QStringLiteral("合格基準未満"));
}

void frmSeiseki::Label17_Click(int Index) {
    // Any failure while reopening the question is reported and the sheet stays open.
    try {
        Forms::frmSiken().Show();
        Forms::frmSiken()->iNumber = static_cast<std::int16_t>(Index);
        Forms::frmSiken()->SetMondai(static_cast<std::int16_t>(Index));
        if (modMain::Kaitou(Index) < 1)
            for (long j = 0; j <= 3; ++j)
                Forms::frmSiken()->Option1.setValue(j, false);
        else
            Forms::frmSiken()->Option1.setValue(modMain::Kaitou(Index) - 1, true);
    } catch (...) {
        Program::MsgBox(Program::ErrorText(std::current_exception()));
    }
}

void frmSeiseki::cmdEnd_Click() {
    Forms::frmMenu().Show();
    Forms::frmSiken().Unload();
    Unload();
}
