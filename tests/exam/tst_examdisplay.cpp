#include "examfixture.h"

#include "app/twips.h"
#include "bank/files.h"

#include <QAccessible>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

// Showing a question: placements, captions, pictures, and what a picture that fails leaves.
class ExamDisplay : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    void write(const QString &name, const QByteArray &bytes) {
        QDir(dir.path()).mkpath(QFileInfo(name).path());
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void initTestCase() {
        quizra::setBankDirectory(dir.path().toStdString());
        QImage rgb(37, 23, QImage::Format_RGB32);
        rgb.fill(Qt::blue);
        QVERIFY(rgb.save(dir.filePath("p.png")) && rgb.save(dir.filePath("p.jpg")));
        QVERIFY(rgb.save(dir.filePath("p24.bmp")));
        QVERIFY(rgb.convertToFormat(QImage::Format_Mono).save(dir.filePath("p1.bmp")));
        QVERIFY(rgb.convertToFormat(QImage::Format_Indexed8).save(dir.filePath("p4.bmp")));
        QImage indexed = rgb.convertToFormat(QImage::Format_Indexed8);
        indexed.setColorCount(256);
        QVERIFY(indexed.save(dir.filePath("p8.bmp")));
        QImage big(1200, 900, QImage::Format_RGB32);
        big.fill(Qt::green);
        QVERIFY(big.save(dir.filePath("big.png")) && big.save(dir.filePath("big.jpg")));
        QDir(dir.path()).mkpath("Sub");
        QVERIFY(rgb.save(dir.filePath("Sub/Fig.PNG"), "PNG"));
        write("p.gif", QByteArray::fromHex("47494638396101000100800000ffffff00000021f9040100000000"
                                           "2c00000000010001000002024401003b"));
        write("text.bmp", "[SEC1]\r\nbun=not a picture\r\n");
        // A bitmap header declaring 40000 x 40000 pixels, past the reader's allocation limit.
        QByteArray huge = QByteArray::fromHex("424d36000000000000003600000028000000"
                                              "409c0000409c00000100180000000000");
        write("huge.bmp", huge + QByteArray(20, '\0'));
    }

    void placementsFollowType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("lefts"); // Option1(0..3), then Image1
        QTest::addColumn<QList<int>>("tops");
        const QList<int> stackedTops{1680, 2160, 2640, 3120, 3600};
        QTest::newRow("type 1 stacks") << 1 << QList<int>{240, 240, 240, 240, 240} << stackedTops;
        const QList<int> rowLefts{240, 2840, 5460, 8060, 240},
            rowTops{1680, 1680, 1680, 1680, 2040};
        QTest::newRow("type 0 in a row") << 0 << rowLefts << rowTops;
        QTest::newRow("type 2 in a row") << 2 << rowLefts << rowTops;
    }
    void placementsFollowType() {
        QFETCH(int, type);
        QFETCH(QList<int>, lefts);
        QFETCH(QList<int>, tops);
        ExamFixture f;
        modMain::Mondai(1).type = static_cast<std::int16_t>(1 - type % 2); // the other placement
        modMain::Mondai(2).type = static_cast<std::int16_t>(type);
        modMain::Mondai(2).bmp = "p.png";
        frmSiken &exam = f.start();
        exam.cmdNext_Click();
        exam.cmdNext_Click();
        for (int k = 0; k < 4; ++k)
            QCOMPARE(exam.Option1(k).pos(), twips::point(lefts[k], tops[k]));
        QCOMPARE(exam.Image1->pos(), twips::point(lefts[4], tops[4]));
        QCOMPARE(exam.Image1->size(), QSize(37, 23));
    }

    void captionsNameTheQuestion() {
        ExamFixture f;
        modMain::Mondai(0).ans2 = "";
        modMain::Mondai(0).ans3 = "A&B"; // a character of the text, not a keyboard shortcut
        frmSiken &exam = f.start();
        QCOMPARE(exam.txtQ->toPlainText(), "Q1");
        QCOMPARE(exam.Option1(0).text(), "(1)a");
        QCOMPARE(exam.Option1(1).text(), "(2)");
        QCOMPARE(exam.Option1(3).text(), "(4)d");
        // What a screen reader reads is what shows, where an '&' would mark a shortcut.
        QCOMPARE(QAccessible::queryAccessibleInterface(&exam.Option1(2))->text(QAccessible::Name),
                 "(3)A&B");
        QCOMPARE(exam.Frame2->title(), "題1問");
        exam.iNumber = 49;
        exam.SetMondai(49);
        QCOMPARE(exam.Frame2->title(), "題50問");
        QCOMPARE(exam.txtQ->toPlainText(), "Q50");
    }

    void outOfRangeIndexChangesNothing() {
        ExamFixture f;
        frmSiken &exam = f.start();
        QVERIFY_THROWS_EXCEPTION(quizra::QuizraError, exam.SetMondai(51));
        QVERIFY_THROWS_EXCEPTION(quizra::QuizraError, exam.SetMondai(-1));
        QCOMPARE(exam.Frame2->title(), "題1問");
    }

    void pictureFormatsLoadAtTheirOwnSize_data() {
        QTest::addColumn<QString>("bmp");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("corner"); // where the colour survives the format exactly
        for (const char *name : {"p.jpg", "p1.bmp", "p4.bmp", "p8.bmp"})
            QTest::newRow(name) << QString(name) << QSize(37, 23) << QColor();
        QTest::newRow("p.png") << QString("p.png") << QSize(37, 23) << QColor(Qt::blue);
        QTest::newRow("p24.bmp") << QString("p24.bmp") << QSize(37, 23) << QColor(Qt::blue);
        QTest::newRow("p.gif") << QString("p.gif") << QSize(1, 1) << QColor();
        QTest::newRow("backslash folder, other case")
            << QString("sub\\fig.png") << QSize(37, 23) << QColor(Qt::blue);
        // Only what the frame shows is kept: from the picture's top-left corner to the frame's.
        QTest::newRow("big.png") << QString("big.png") << QSize(753 - 16, 505 - 136)
                                 << QColor(Qt::green);
        QTest::newRow("big.jpg") << QString("big.jpg") << QSize(753 - 16, 505 - 136) << QColor();
    }
    void pictureFormatsLoadAtTheirOwnSize() {
        QFETCH(QString, bmp);
        QFETCH(QSize, size);
        QFETCH(QColor, corner);
        ExamFixture f;
        modMain::Mondai(0).bmp = bmp.toStdString();
        frmSiken &exam = f.start();
        QVERIFY(exam.Image1->hasPicture());
        QCOMPARE(exam.Image1->size(), size);
        if (corner.isValid())
            QCOMPARE(
                exam.Image1->pixmap().toImage().pixelColor(size.width() - 1, size.height() - 1),
                corner);
        QCOMPARE(exam.Image1->accessibleDescription(), bmp);
        exam.cmdNext_Click();
        QVERIFY(!exam.Image1->hasPicture());
    }

    // Pictures are decoded once, but a file that changes during the exam shows as it is now.
    void aPictureChangedOnDiskShowsAsItIsNow() {
        ExamFixture f;
        QVERIFY(QImage(dir.filePath("p.png")).save(dir.filePath("changing.png")));
        modMain::Mondai(0).bmp = modMain::Mondai(1).bmp = "changing.png";
        frmSiken &exam = f.start();
        QCOMPARE(exam.Image1->size(), QSize(37, 23));
        QVERIFY(QImage(dir.filePath("big.png")).save(dir.filePath("changing.png")));
        exam.cmdNext_Click();
        QCOMPARE(exam.Image1->size(), QSize(753 - 16, 505 - 136));
        QVERIFY(QFile::remove(dir.filePath("changing.png")));
        exam.cmdBefore_Click();
        QVERIFY(!exam.Image1->hasPicture());
    }

    // Replaced in place by a picture of the same size, its modification time put back (cp -p,
    // rsync -t), a picture still shows as it is now.
    void aPictureReplacedWithItsTimePutBackShowsAsItIsNow() {
        ExamFixture f;
        const QString path = dir.filePath("kept.bmp");
        QImage picture(dir.filePath("p24.bmp"));
        QVERIFY(picture.save(path));
        modMain::Mondai(0).bmp = modMain::Mondai(1).bmp = "kept.bmp";
        frmSiken &exam = f.start();
        struct stat before;
        QVERIFY(stat(qPrintable(path), &before) == 0);
        QThread::msleep(20); // past the clock tick of the file's change time
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        picture.fill(Qt::red);
        QVERIFY(file.resize(0) && picture.save(&file, "BMP"));
        file.close();
        const timespec times[2] = {before.st_atim, before.st_mtim};
        QVERIFY(utimensat(AT_FDCWD, qPrintable(path), times, 0) == 0);
        exam.cmdNext_Click();
        QCOMPARE(exam.Image1->pixmap().toImage().pixelColor(0, 0), QColor(Qt::red));
    }

    // The exam goes on: the question is shown whole and the picture's place says what failed.
    void unshowablePictureLeavesACompleteQuestion_data() {
        QTest::addColumn<QString>("bmp");
        QTest::newRow("missing") << "missing.bmp";
        QTest::newRow("text named .bmp") << "text.bmp";
        QTest::newRow("directory") << "Sub";
        QTest::newRow("over the allocation limit") << "huge.bmp";
    }
    void unshowablePictureLeavesACompleteQuestion() {
        QFETCH(QString, bmp);
        ExamFixture f;
        modMain::Mondai(0).bmp = modMain::Mondai(1).bmp = bmp.toStdString();
        frmSiken &exam = f.start();
        auto *notice = exam.findChild<QLabel *>("lblPictureNotice");
        QVERIFY(notice->isVisibleTo(&exam));
        exam.cmdCorAns_Click();
        exam.cmdNext_Click();
        QCOMPARE(exam.Frame2->title(), "題2問");
        QCOMPARE(exam.Option1(3).text(), "(4)d");
        QVERIFY(exam.cmdBefore->isEnabled() && exam.cmdNext->isEnabled());
        QCOMPARE(exam.lblCorAns->text(), "");
        QVERIFY(!exam.Image1->hasPicture());
        QVERIFY(notice->isVisibleTo(&exam));
        QCOMPARE(notice->text(), "画像を表示できません: " + bmp);
        QCOMPARE(notice->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(notice->pos(), exam.Image1->pos());
        exam.cmdNext_Click();
        QVERIFY(!notice->isVisibleTo(&exam));
        QCOMPARE(f.messages, QStringList{});
        QCOMPARE(f.ends, 0);
        QVERIFY(exam.isVisible());
    }
};

QTEST_MAIN(ExamDisplay)
#include "tst_examdisplay.moc"
