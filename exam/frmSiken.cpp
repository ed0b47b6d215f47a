#include "frmSiken.h"

#include "app/forms.h"
#include "app/twips.h"
#include "bank/clock.h"
#include "bank/files.h"
#include "bank/modMain.h"
#include "bank/numbers.h"
#include "examClock.h"
#include "results/frmSeiseki.h"

namespace {

// Left and Top of Option1(0..3), then of Image1, in twips within Frame2.
struct Placement {
    int left[5];
    int top[5];
};
constexpr Placement Stacked{{240, 240, 240, 240, 240}, {1680, 2160, 2640, 3120, 3600}};
constexpr Placement SingleRow{{240, 2840, 5460, 8060, 240}, {1680, 1680, 1680, 1680, 2040}};

QString text(const std::string &utf8) {
    return QString::fromStdString(utf8);
}

// Shows the time left. Screen readers hear it with the clock's caption, "残り時間 01:09", once
// each time the shown minutes change; while the clock is stopped, the caption alone.
void showTime(QLabel *lblTime, const QString &time) {
    if (time == lblTime->text()) return;
    const QString caption = QStringLiteral("残り時間");
    lblTime->setAccessibleName(time.isEmpty() ? caption : caption + u' ' + time);
    lblTime->setText(time); // with a name of its own, the label does not announce its text too
}

// The most of a picture that the frame shows: from the picture's highest place to the frame's
// far corner.
QSize visiblePictureSize(const QWidget *frame) {
    const QPoint highest = twips::point(SingleRow.left[4], SingleRow.top[4]);
    return frame->size() - QSize(highest.x(), highest.y());
}

// What the pictures kept for the questions around the one shown may take: about seven pictures
// that fill the frame.
constexpr std::size_t PictureBudgetBytes = std::size_t{8} << 20;

// Where the picture bmp lies; "" for none, and for a name that climbs out of the program's
// folder: pictures are the bank's own.
std::string picturePath(const std::string &bmp) {
    if (bmp.empty() || !quizra::staysInside(bmp)) return {};
    return quizra::resolvePath(quizra::bankDirectory(), bmp);
}

} // namespace

void frmSiken::SetMondai(std::int16_t iNum) {
    const MondaiRec &question = modMain::Mondai(iNum);
    txtQ->setPlainText(text(question.bun));
    placeChoices(question.type == 1);
    const std::string *choices[] = {&question.ans1, &question.ans2, &question.ans3, &question.ans4};
    for (int k = 0; k < 4; ++k)
        Option1(k).setText(choiceCaption(k, *choices[k]));
    Frame2->setTitle(QStringLiteral("題") + text(quizra::integerText(iNum + 1)) +
                     QStringLiteral("問"));
    showPicture(question.bmp);
    preparePictures(iNum);
    enableMove(cmdBefore, iNumber > 0);
    enableMove(cmdNext, iNumber < 49);
    lblCorAns->setText(QString());
}

QString frmSiken::choiceCaption(int k, const std::string &choice) {
    return QStringLiteral("(%1)").arg(k + 1) + text(choice).replace(u'&', QStringLiteral("&&"));
}

// A move button that turns disabled under the focus hands it to the question, not on along
// the tab order to the button that leads back: Enter pressed again then does nothing.
void frmSiken::enableMove(CommandButton *button, bool enabled) {
    if (!enabled && focusWidget() == button) txtQ->setFocus(Qt::OtherFocusReason);
    button->setEnabled(enabled);
}

void frmSiken::placeChoices(bool stacked) {
    const Placement &place = stacked ? Stacked : SingleRow;
    for (int k = 0; k < 4; ++k)
        twips::move(&Option1(k), place.left[k], place.top[k]);
    twips::move(Image1, place.left[4], place.top[4]);
    lblPictureNotice->move(Image1->pos());
    Option1.clipOverlaps();
}

// A picture that cannot be shown does not end the exam: its place says so in red instead.
void frmSiken::showPicture(const std::string &bmp) {
    if (!pictures_)
        pictures_ = std::make_unique<PictureCache>(visiblePictureSize(Frame2), PictureBudgetBytes);
    const QPixmap picture = pictures_->picture(picturePath(bmp));
    if (picture.isNull())
        Image1->clearPicture();
    else
        Image1->setPicture(picture);
    Image1->setAccessibleDescription(picture.isNull() ? QString() : text(bmp));
    lblPictureNotice->setText(QStringLiteral("画像を表示できません: ") + text(bmp));
    lblPictureNotice->setVisible(!bmp.empty() && picture.isNull());
}

// The pictures of the questions next to iNum are decoded while the candidate reads, two each
// way, so that a candidate clicking on finds the next one decoded or half done. They start once
// iNum's own shows: decoding beside it would slow the first display.
void frmSiken::preparePictures(std::int16_t iNum) {
    for (const int next : {iNum + 1, iNum - 1, iNum + 2, iNum - 2}) {
        if (next >= 0 && next < modMain::QuestionCount)
            pictures_->prepare(picturePath(modMain::Mondai(next).bmp));
    }
}

void frmSiken::SetAns(std::int16_t iNum) {
    for (int k = 0; k < 4; ++k) {
        if (Option1.Value(k)) {
            modMain::Kaitou(iNumber) = static_cast<std::int16_t>(k + 1);
            break;
        }
    }
    const std::int16_t answer = modMain::Kaitou(iNum);
    if (answer > 0) {
        Option1.setValue(answer - 1, true);
    } else {
        for (int k = 0; k < 4; ++k)
            Option1.setValue(k, false);
    }
}

void frmSiken::cmdNext_Click() {
    if (iNumber >= 49) return;
    SetMondai(static_cast<std::int16_t>(iNumber + 1));
    SetAns(static_cast<std::int16_t>(iNumber + 1));
    ++iNumber;
    if (iNumber >= 49) enableMove(cmdNext, false);
    cmdBefore->setEnabled(true);
}

void frmSiken::cmdBefore_Click() {
    if (iNumber <= 0) return;
    SetMondai(static_cast<std::int16_t>(iNumber - 1));
    SetAns(static_cast<std::int16_t>(iNumber - 1));
    --iNumber;
    if (iNumber <= 0) enableMove(cmdBefore, false);
    cmdNext->setEnabled(true);
}

void frmSiken::cmdCorAns_Click() {
    const std::int16_t ans = modMain::Mondai(iNumber).ans;
    lblCorAns->setText(QStringLiteral("(") + text(quizra::integerText(ans)) + QStringLiteral(")"));
}

void frmSiken::cmdSyuuryou_Click() {
    // A click queued while the clock finished the exam arrives at a hidden window: the exam is
    // already over, and finishing again would store answers from a window nobody sees.
    if (!isVisible()) return;
    SetAns(iNumber);
    Timer1->setEnabled(false);
    showTime(lblTime, QString());
    Forms::frmSeiseki().Show();
    Forms::frmSiken().Hide();
}

// The time left is worked out from the clock on every tick, so a late tick never drifts.
void frmSiken::Timer1_Timer() {
    const double now = quizra::Now();
    showTime(lblTime, text(examClock::remainingText(modMain::StartTime, now)));
    if (lblTime->text() == QStringLiteral("00:00")) cmdSyuuryou_Click();
}

void frmSiken::Form_Load() {
    cmdBefore->setEnabled(false);
    Timer1->setEnabled(true);
    SetMondai(0);
    Program::DoEvents();
}

// During a review the frame's close box goes back to the sheet, as the finish button does;
// during the exam it unloads the window and with it the program.
void frmSiken::Form_FrameClose() {
    if (Forms::frmSeiseki().IsLoaded())
        cmdSyuuryou_Click();
    else
        Unload();
}
