#pragma once

#include "app/Form.h"
#include "app/controls.h"
#include "pictureCache.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include <cstdint>
#include <memory>
#include <string>

// The exam window: one question at a time, its choices, the clock, reveal and finish.
class frmSiken : public Form {
    Q_OBJECT

public:
    frmSiken();

    QGroupBox *Frame2;
    QPlainTextEdit *txtQ;
    OptionGroup Option1;
    ImageControl *Image1;
    QGroupBox *Frame1;
    QLabel *lblTime;
    QGroupBox *Frame3;
    QLabel *lblCorAns;
    CommandButton *cmdCorAns;
    CommandButton *cmdBefore;
    CommandButton *cmdNext;
    CommandButton *cmdSyuuryou;
    TickTimer *Timer1;

    // Index of the question on screen; writing it shows nothing.
    std::int16_t iNumber = 0;

    // Shows question iNum; the navigation buttons follow iNumber.
    void SetMondai(std::int16_t iNum);
    // The caption of choice k (0 to 3): "(1)" to "(4)" immediately followed by its text, which
    // shows as written: an '&' in a bank is a character, not a keyboard shortcut.
    static QString choiceCaption(int k, const std::string &text);
    // Stores the choice on screen for iNumber, then shows the stored choice of iNum.
    void SetAns(std::int16_t iNum);

    void cmdNext_Click();
    void cmdBefore_Click();
    void cmdCorAns_Click();
    void cmdSyuuryou_Click();
    void Timer1_Timer();

protected:
    void Form_Load() override;
    void Form_FrameClose() override;

private:
    // Said in the picture's place when the question's picture cannot be shown.
    QLabel *lblPictureNotice;

    void placeChoices(bool stacked);
    void enableMove(CommandButton *button, bool enabled);
    void showPicture(const std::string &bmp);
    void preparePictures(std::int16_t iNum);

    std::unique_ptr<PictureCache> pictures_;
};
