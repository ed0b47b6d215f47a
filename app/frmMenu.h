#pragma once

#include "Form.h"
#include "controls.h"

#include <QLabel>
#include <QLineEdit>

// The menu: starts a mock exam or ends the program.
class frmMenu : public Form {
    Q_OBJECT

public:
    frmMenu();

    QLabel *Label1;
    CommandButton *cmd1;
    CommandButton *cmdEnd;
    QLineEdit *Text1;

    void cmd1_Click();
    void cmdEnd_Click();

protected:
    void Form_Load() override;
    void paintEvent(QPaintEvent *event) override;
};
