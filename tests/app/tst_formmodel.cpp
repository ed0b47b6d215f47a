// The window and control model: loading, showing, hiding, unloading, and the controls.
#include "app/Form.h"
#include "app/controls.h"
#include "support/programseams.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

class CountingForm : public Form {
public:
    CountingForm() : Form(3000, 1500, Border::FixedSingle) {}
    static inline int loads = 0;

protected:
    void Form_Load() override {
        ++loads;
        visibleDuringLoad = isVisible();
    }

public:
    bool visibleDuringLoad = true;
};

class FailingForm : public Form {
public:
    FailingForm() : Form(3000, 1500, Border::Sizable) {
        button = new QPushButton(this);
        on(button, &QAbstractButton::clicked, &FailingForm::fail);
    }
    QPushButton *button;
    void fail() { throw quizra::errors::overflow("test"); }
};

} // namespace

class FormModelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Program::Initialise(*qApp); }
    void init() { CountingForm::loads = 0; }

    void loadStepRunsOncePerLoadBeforeTheWindowIsShown() {
        ProgramSeams seams;
        FormSlot<CountingForm> form;
        CountingForm &shown = form.Show();
        QCOMPARE(CountingForm::loads, 1);
        QVERIFY(!shown.visibleDuringLoad);
        QVERIFY(shown.isVisible());

        form.Hide();
        QVERIFY(form.IsLoaded());
        form.Show();
        QCOMPARE(CountingForm::loads, 1);

        FormSlot<CountingForm> other; // keeps the program alive while the first is unloaded
        other.Show();
        form.Unload();
        QVERIFY(!form.IsLoaded());
        form.Show();
        QCOMPARE(CountingForm::loads, 3);
        QCOMPARE(seams.ends, 0);
    }

    void hiddenWindowKeepsItsState() {
        ProgramSeams seams;
        FormSlot<CountingForm> form;
        form.Show().setProperty("mark", 42);
        form.Hide();
        QCOMPARE(form->property("mark").toInt(), 42);
    }

    void unloadingTheLastLoadedWindowEndsTheProgram() {
        ProgramSeams seams;
        FormSlot<CountingForm> first, second;
        first.Show();
        second.Show();
        second.Hide();
        first.Unload();
        QCOMPARE(seams.ends, 0);
        second.Unload();
        QCOMPARE(seams.ends, 1);
    }

    void closingThroughTheFrameUnloadsByDefault() {
        ProgramSeams seams;
        FormSlot<CountingForm> form;
        form.Show().close();
        QVERIFY(!form.IsLoaded());
        QCOMPARE(seams.ends, 1);
    }

    void windowsHaveTheirCaptionSizeAndCentre() {
        ProgramSeams seams;
        FormSlot<CountingForm> form;
        CountingForm &shown = form.Show();
        QCOMPARE(shown.windowTitle(), QStringLiteral("Quizra"));
        QCOMPARE(shown.size(), QSize(200, 100));
        QCOMPARE(shown.minimumSize(), shown.maximumSize());
        QVERIFY(!shown.windowIcon().isNull());
        const QRect screen = shown.screen()->availableGeometry();
        QVERIFY(qAbs(shown.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(shown.frameGeometry().center().y() - screen.center().y()) <= 1);
    }

    void anUntrappedErrorIsShownAndEndsTheProgram() {
        ProgramSeams seams;
        FormSlot<FailingForm> form;
        form.Show().button->click();
        QCOMPARE(seams.messages.size(), 1);
        QVERIFY2(seams.messages[0].startsWith("エラー 6\n") &&
                     seams.messages[0].endsWith(" test\nオーバーフローしました。"),
                 qPrintable(seams.messages[0]));
        QCOMPARE(seams.ends, 1);
        QCOMPARE(Program::ExitStatus(), 1);
        QVERIFY(!form.IsLoaded());
    }

    void standardDialogsSpeakJapanese() {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("キャンセル"));
    }

    void errorTextIsNumberThenDescription() {
        const auto error = std::make_exception_ptr(quizra::errors::indexOutOfRange(7));
        QVERIFY(Program::ErrorText(error).startsWith("9インデックス"));
    }

    void optionGroupSelectsOneAndOnlyCodeClears() {
        QWidget container;
        OptionGroup options;
        options.create(&container, 4, "Option1");
        options.setValue(1, true);
        options.setValue(3, true);
        QVERIFY(!options.Value(1));
        QVERIFY(options.Value(3));

        options(3).click(); // the candidate cannot clear the selection
        QVERIFY(options.Value(3));

        options.setValue(3, false);
        for (int k = 0; k < 4; ++k)
            QVERIFY(!options.Value(k));
        options.setValue(2, true); // still exclusive afterwards
        options.setValue(0, true);
        QVERIFY(!options.Value(2));

        QVERIFY_THROWS_EXCEPTION(quizra::QuizraError, options(4));
    }

    void overlappedOptionsShowOnlyUpToTheNextOne() {
        QWidget container;
        container.resize(400, 100);
        OptionGroup options;
        options.create(&container, 2, "Option1");
        options(0).setGeometry(10, 10, 300, 20);
        options(1).setGeometry(110, 10, 300, 20);
        options.clipOverlaps();
        QCOMPARE(options(0).mask().boundingRect(), QRect(0, 0, 100, 20));
        QCOMPARE(options(1).mask().boundingRect(), QRect(0, 0, 290, 20)); // cut by the container

        options(1).move(10, 40); // no overlap any more
        options.clipOverlaps();
        QVERIFY(options(0).mask().isEmpty());
    }

    void clickLabelReportsItsIndex() {
        QWidget window;
        window.resize(200, 100);
        auto *label = new ClickLabel(37, "問38", &window);
        label->setGeometry(10, 10, 50, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy spy(label, &ClickLabel::clicked);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(20, 15));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(100, 80));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].toInt(), 37);
    }

    void timerTicksOnlyWhileEnabled() {
        TickTimer timer(nullptr);
        QCOMPARE(timer.interval(), 1000);
        timer.setEnabled(true);
        QVERIFY(timer.Enabled());
        timer.setEnabled(false);
        QVERIFY(!timer.Enabled());
    }
};

QTEST_MAIN(FormModelTest)
#include "tst_formmodel.moc"
