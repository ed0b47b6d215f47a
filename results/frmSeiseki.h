#pragma once

#include "app/Form.h"
#include "app/controls.h"
#include "grading.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

// The results sheet: graded once when loaded; any question can be reopened from it.
class frmSeiseki : public Form {
    Q_OBJECT

public:
    frmSeiseki();

    ControlArray<ClickLabel> Label17; // question numbers
    ControlArray<QLabel> lbl1;        // correct choices
    ControlArray<QLabel> Label23;     // the candidate's choices
    QGroupBox *Frame1;
    QLabel *Label1, *Label2, *Label3, *Label10; // section headings
    QLineEdit *txt1, *txt2, *txt3, *txt4;       // points
    QLineEdit *txt5, *txt6, *txt7, *txt8;       // percentages
    QLabel *Label20;
    CommandButton *cmdEnd;

    void Label17_Click(int Index);
    void cmdEnd_Click();

protected:
    void Form_Load() override;
    void Form_FrameClose() override;

private:
    void createSheet();
    void createSummary();
    void connectHandlers();
    void SetSeiseki();
    void gradeSection(const grading::Section &section, QLineEdit *points, QLineEdit *percent);
    void describeSheet();
};
