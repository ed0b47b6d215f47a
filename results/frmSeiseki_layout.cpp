#include "frmSeiseki.h"

#include "app/twips.h"
#include "bank/modMain.h"

#include <vector>

namespace {

// Labels show their caption from the top-left corner.
QLabel *setUp(QLabel *control, int left, int top, int width, int height) {
    twips::place(control, left, top, width, height);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return control;
}

QLabel *label(QWidget *parent, const QString &caption, int left, int top, int width, int height) {
    return setUp(new QLabel(caption, parent), left, top, width, height);
}

// A heading longer than its label continues on the next line inside it.
QLabel *heading(QWidget *parent, const QString &caption, int left, int top, int width, int height) {
    QLabel *control = label(parent, caption, left, top, width, height);
    control->setWordWrap(true);
    return control;
}

QLineEdit *box(QWidget *parent, int left, int top) {
    auto *control = new QLineEdit(parent);
    twips::place(control, left, top, 615, 375);
    control->setReadOnly(true);
    return control;
}

// "問１" to "問９" with full-width digits, then "問10" on with plain ones.
QString questionCaption(int number) {
    const QString digits = number < 10 ? QString(QChar(0xFF10 + number)) : QString::number(number);
    return QStringLiteral("問") + digits;
}

// "問10" fits its 375-twip label only with half-width digits, as a fixed-pitch gothic has.
QFont rowFont(const QFont &windowFont) {
    QFont font = windowFont;
    font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                      windowFont.family()});
    return font;
}

// Left of the question number and Top of a question's row: the left block holds questions 1
// to 26 with a wider gap after question 12, the right block 27 to 50.
QPoint rowOrigin(int index) {
    if (index < 12) return {360, 600 + 240 * index};
    if (index < 26) return {360, 720 + 240 * index};
    return {2640, 600 + 240 * (index - 26)};
}

} // namespace

frmSeiseki::frmSeiseki() : Form(11100, 8025, Border::FixedDialog) {
    createSheet();
    createSummary();

    Label20 = label(this, QStringLiteral("↑問いをクリックすると、問題を表示します。"), 240, 7200,
                    4215, 255);
    QPalette red = Label20->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label20->setPalette(red);

    cmdEnd = new CommandButton(QStringLiteral("閉じる"), this);
    twips::place(cmdEnd, 9000, 7440, 1575, 495);

    // The question numbers can be reached from the keyboard too, after the window's own stops.
    std::vector<QWidget *> tabOrder = {txt1, txt2, txt3, cmdEnd, txt4, txt5, txt6, txt7, txt8};
    for (int i = 0; i < Label17.count(); ++i)
        tabOrder.push_back(&Label17(i));
    for (std::size_t k = 1; k < tabOrder.size(); ++k)
        QWidget::setTabOrder(tabOrder[k - 1], tabOrder[k]);
    txt1->setFocus();

    connectHandlers();
}

void frmSeiseki::createSheet() {
    const QFont font = rowFont(this->font());
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        const QPoint row = rowOrigin(i);
        Label17.add(new ClickLabel(i, questionCaption(i + 1), this));
        setUp(&Label17(i), row.x(), row.y(), 375, 255)->setFont(font);
    }
    // The answer columns get their captions when the sheet is graded.
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        const QPoint row = rowOrigin(i);
        lbl1.add(label(this, QStringLiteral("0"), row.x() + 720, row.y(), 375, 255));
        lbl1(i).setFont(font);
    }
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        const QPoint row = rowOrigin(i);
        Label23.add(label(this, QStringLiteral("0"), row.x() + 1440, row.y(), 375, 255));
        Label23(i).setFont(font);
    }

    new ShapeControl(this, 120, 120, 2175, 6975);             // Shape2
    label(this, QStringLiteral("正解"), 960, 240, 495, 255);  // Label18
    label(this, QStringLiteral("解答"), 1680, 240, 495, 255); // Label19
    new LineControl(this, 120, 480, 2280, 480);               // Line8
    new LineControl(this, 840, 120, 840, 7080);               // Line7
    new LineControl(this, 1560, 120, 1560, 7080);             // Line9
    new LineControl(this, 120, 3480, 2280, 3480);             // Line10
    new ShapeControl(this, 2400, 120, 2175, 6375);            // Shape3
    label(this, QStringLiteral("正解"), 3240, 240, 495, 255); // Label21
    label(this, QStringLiteral("解答"), 3960, 240, 495, 255); // Label22
    new LineControl(this, 2400, 480, 4560, 480);              // Line13
    new LineControl(this, 3120, 120, 3120, 6480);             // Line12
    new LineControl(this, 3840, 120, 3840, 6480);             // Line11
}

void frmSeiseki::createSummary() {
    Frame1 = new FrameControl(this);
    twips::place(Frame1, 5040, 3960, 5655, 3375);

    new ShapeControl(Frame1, 120, 360, 5175, 2775); // Shape1
    new LineControl(Frame1, 1560, 360, 1560, 3120); // Line2
    new LineControl(Frame1, 2880, 360, 2880, 3120); // Line3
    new LineControl(Frame1, 4200, 360, 4200, 3120); // Line5
    new LineControl(Frame1, 120, 960, 5280, 960);   // Line1
    new LineControl(Frame1, 120, 1680, 5280, 1680); // Line4
    new LineControl(Frame1, 120, 2400, 5280, 2400); // Line6

    Label1 = heading(Frame1, QStringLiteral("操縦者の心得及び遵守事項"), 360, 480, 1215, 495);
    Label2 = heading(Frame1, QStringLiteral("交通の方法"), 1800, 600, 975, 495);
    Label3 = heading(Frame1, QStringLiteral("運　航"), 3240, 600, 615, 495);
    Label10 = heading(Frame1, QStringLiteral("合　計"), 4560, 600, 615, 495);

    txt1 = box(Frame1, 600, 1200);
    txt2 = box(Frame1, 1920, 1200);
    txt3 = box(Frame1, 3240, 1200);
    txt4 = box(Frame1, 4440, 1200);

    label(Frame1, QStringLiteral("点"), 1200, 1320, 375, 255); // Label7
    label(Frame1, QStringLiteral("点"), 2520, 1320, 375, 255); // Label8
    label(Frame1, QStringLiteral("点"), 3840, 1320, 375, 255); // Label9
    label(Frame1, QStringLiteral("点"), 5040, 1320, 375, 255); // Label11

    txt5 = box(Frame1, 600, 1920);
    txt6 = box(Frame1, 1920, 1920);
    txt7 = box(Frame1, 3240, 1920);
    txt8 = box(Frame1, 4440, 1920);

    label(Frame1, QStringLiteral("%"), 1320, 2040, 375, 255); // Label13
    label(Frame1, QStringLiteral("%"), 2640, 2040, 375, 255); // Label14
    label(Frame1, QStringLiteral("%"), 3960, 2040, 375, 255); // Label15
    label(Frame1, QStringLiteral("%"), 5160, 2040, 375, 255); // Label16

    label(Frame1, QStringLiteral("１２０点満点"), 480, 2640, 975, 375);  // Label4
    label(Frame1, QStringLiteral("１４０点満点"), 1800, 2640, 975, 375); // Label5
    label(Frame1, QStringLiteral("２４０点満点"), 3120, 2640, 975, 375); // Label6
    label(Frame1, QStringLiteral("５００点満点"), 4320, 2640, 975, 375); // Label12

    // Screen readers name each box after its column and row.
    const struct {
        QLabel *heading;
        QLineEdit *points, *percent;
    } columns[] = {
        {Label1, txt1, txt5}, {Label2, txt2, txt6}, {Label3, txt3, txt7}, {Label10, txt4, txt8}};
    for (const auto &column : columns) {
        const QString name = column.heading->text().remove(QChar(0x3000));
        column.points->setAccessibleName(name + QStringLiteral(" 点数"));
        column.percent->setAccessibleName(name + QStringLiteral(" 得点率"));
    }
}
