#include "frmSiken.h"

#include "app/twips.h"

#include <QShortcut>

// The controls of the exam window, in the order and at the places of its design.
frmSiken::frmSiken() : Form(11715, 8700, Border::Sizable) {
    Frame2 = new FrameControl(this);
    twips::place(Frame2, 240, 240, 11295, 7575);

    txtQ = new QPlainTextEdit(Frame2);
    twips::place(txtQ, 240, 240, 10935, 1335);
    txtQ->setReadOnly(true);
    txtQ->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtQ->setFocusPolicy(Qt::StrongFocus);
    txtQ->setTabChangesFocus(true);
    txtQ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtQ->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtQ->setAccessibleName(QStringLiteral("問題文"));

    Option1.create(Frame2, 4, QStringLiteral("Option1"));
    twips::place(&Option1(0), 120, 1680, 10695, 375);
    twips::place(&Option1(1), 120, 2160, 10815, 375);
    twips::place(&Option1(2), 360, 2640, 10575, 375);
    twips::place(&Option1(3), 360, 3120, 10575, 375);
    for (int k = 0; k < 4; ++k)
        Option1(k).setAccessibleDescription(
            QStringLiteral("選択肢 %1（キー %1 で選択）").arg(k + 1));

    Image1 = new ImageControl(Frame2, twips::rect(120, 2040, 10935, 2415));
    Image1->setAccessibleName(QStringLiteral("問題の図"));
    // The picture lies behind the choices, and so does what is said in its place.
    lblPictureNotice = new QLabel(Frame2);
    lblPictureNotice->setObjectName(QStringLiteral("lblPictureNotice"));
    lblPictureNotice->setTextFormat(Qt::PlainText); // it quotes the bank's file name
    lblPictureNotice->resize(Image1->width(), lblPictureNotice->fontMetrics().height());
    QPalette red = lblPictureNotice->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lblPictureNotice->setPalette(red);
    lblPictureNotice->hide();
    Image1->stackUnder(&Option1(0));
    lblPictureNotice->stackUnder(&Option1(0));

    Frame1 = new FrameControl(this, QStringLiteral("残り時間"));
    twips::place(Frame1, 240, 7920, 1095, 615);

    // Until the time shows, screen readers hear the clock's caption alone.
    lblTime = new QLabel(Frame1);
    twips::place(lblTime, 360, 240, 615, 255);
    lblTime->setAccessibleName(QStringLiteral("残り時間"));

    Frame3 = new FrameControl(this, QStringLiteral("正 答"));
    twips::place(Frame3, 2160, 7920, 1215, 615);

    lblCorAns = new QLabel(Frame3);
    twips::place(lblCorAns, 360, 240, 495, 255);
    lblCorAns->setAccessibleDescription(QStringLiteral("正答表示で示した正しい選択肢"));

    cmdCorAns = new CommandButton(QStringLiteral("正答表示"), this);
    twips::place(cmdCorAns, 3480, 8040, 1215, 495);

    cmdBefore = new CommandButton(QStringLiteral("＜前の問題"), this);
    twips::place(cmdBefore, 7080, 8040, 1215, 495);

    cmdNext = new CommandButton(QStringLiteral("次の問題＞"), this);
    twips::place(cmdNext, 8400, 8040, 1215, 495);

    cmdSyuuryou = new CommandButton(QStringLiteral("試験終了"), this);
    twips::place(cmdSyuuryou, 9840, 8040, 1815, 495);

    Timer1 = new TickTimer(this);
    Timer1->setEnabled(true);

    setTabOrder(cmdSyuuryou, cmdBefore);
    setTabOrder(cmdBefore, cmdNext);
    setTabOrder(cmdNext, txtQ);
    setTabOrder(txtQ, &Option1(0));
    for (int k = 1; k < 4; ++k)
        setTabOrder(&Option1(k - 1), &Option1(k));
    setTabOrder(&Option1(3), cmdCorAns);
    // The exam opens on the question, where Enter and Space do nothing: a key pressed twice on
    // the menu's 試験開始 must not reach 試験終了.
    txtQ->setFocus();

    on(cmdCorAns, &QAbstractButton::clicked, &frmSiken::cmdCorAns_Click);
    on(cmdBefore, &QAbstractButton::clicked, &frmSiken::cmdBefore_Click);
    on(cmdNext, &QAbstractButton::clicked, &frmSiken::cmdNext_Click);
    on(cmdSyuuryou, &QAbstractButton::clicked, &frmSiken::cmdSyuuryou_Click);
    on(Timer1, &QTimer::timeout, &frmSiken::Timer1_Timer);

    // Keys 1 to 4 choose as a click on that choice would: the choice takes the focus too, so
    // that a following Enter cannot reach 試験終了. A digit held down chooses once.
    for (int k = 0; k < 4; ++k) {
        auto *key = new QShortcut(QKeySequence(Qt::Key_1 + k), this);
        key->setAutoRepeat(false);
        connect(key, &QShortcut::activated, this, [this, k] {
            Option1(k).setFocus(Qt::ShortcutFocusReason);
            Option1(k).click();
        });
    }
}
