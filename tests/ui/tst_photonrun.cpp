#include "MainWindowFixture.h"
#include "display/Fonts.h"
#include "display/HScrollBar.h"
#include "display/Label.h"
#include "display/PictureBox.h"
#include "display/TextBox.h"
#include "model/PhotonCount.h"
#include "model/StandardRandom.h"
#include "run/PhotonRun.h"
#include "run/ScreenPanel.h"
#include "ui/main/frmFenwa.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QtTest>
#include <numeric>

using namespace fenwa;
using display::Label;
using display::PictureBox;
using display::TextBox;
using ui::frmFenwa;

class PhotonRunTest : public QObject {
    Q_OBJECT

    model::StandardRandom random;
    test::MainWindowFixture window;
    FakeEnvironment& fake = window.fake;

    TextBox* box() { return window->txtN; }
    run::PhotonRun& run() { return window.run(); }
    const run::RunRecord& record() { return window.record(); }
    void Advance(double seconds) { window.Advance(seconds); }
    void RunToEnd() { window.RunToEnd(); }
    void Type(const QString& text) { window.Type(text); }
    static QImage Panel(PictureBox* panel) { return panel->grab().toImage(); }

private slots:
    void initTestCase() { display::InstallFontSubstitutions(); }

    void init() {
        QVERIFY(window.Open(random));
        random.Randomize(12345.0f);
    }
    void cleanup() { window.Close(); }

    void aRunPlotsEveryPhotonAndCountsItOnce_data() {
        QTest::addColumn<int>("photons");
        QTest::newRow("fewest") << model::FewestPhotons;
        QTest::newRow("most") << model::MostPhotons;
    }
    void aRunPlotsEveryPhotonAndCountsItOnce() {
        QFETCH(int, photons);
        Type(QString::number(photons));
        QTest::keyClick(box(), Qt::Key_Return);
        QVERIFY(window->running());
        QCOMPARE(window->lblMSG->Caption(), QString());
        RunToEnd();
        QVERIFY(!window->running());
        QCOMPARE(record().Stored, photons);
        QCOMPARE(std::accumulate(record().BinCounts.begin(), record().BinCounts.end(), 0), photons);
        QVERIFY(record().DotsDrawn && record().HistoReady);
        QCOMPARE(fake.beeps, 0);
        QCOMPARE(box()->text(), QString::number(photons)); // Enter inserted nothing
        // Every dot lies inside the screen panel and is white on grey-blue.
        const auto& screen = window->Pic->surface();
        for (int i = 1; i <= photons; ++i) {
            QVERIFY(record().DotX[i] >= 0 && record().DotX[i] < screen.ScaleWidth());
            QVERIFY(record().DotY[i] >= 0 && record().DotY[i] < screen.ScaleHeight());
            QCOMPARE(screen.Point(record().DotX[i], record().DotY[i]), run::DotColour);
        }
        // The prompt comes back and the box has the focus.
        QVERIFY(window->lblMSG->Caption().startsWith(QStringLiteral("フォトン")));
        QCOMPARE(QApplication::focusWidget(), box());
    }

    void aRunKeepsToItsSchedule() {
        Type("2000");
        fake.monotonic = 50.0;
        QTest::mouseClick(window->Pic, Qt::LeftButton);
        QCOMPARE(record().Stored, 1); // the first photon leaves at once
        const double period = 0.005;  // 200 photons a second
        Advance(10 * period);         // exactly on the schedule of photon 11: not yet past it
        QCOMPARE(record().Stored, 10);
        Advance(1e-9);
        QCOMPARE(record().Stored, 11);
        Advance(2000 * period); // all photons, but the last one's time is only just reached
        QCOMPARE(record().Stored, 2000);
        Advance(1.0);
        QVERIFY(!run().Active());
        QVERIFY(record().HistoReady);
    }

    void refusedCountsStartNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("photonCount"); // the refused count, as far as 32 bits hold it
        QTest::newRow("one above the most") << "10001"
                                            << "10000" << 10001;
        QTest::newRow("the most of 32 bits") << "2147483647"
                                             << "10000" << INT32_MAX;
        QTest::newRow("one beyond 32 bits") << "2147483648"
                                            << "10000" << INT32_MAX;
        QTest::newRow("far beyond") << "99999999999"
                                    << "10000" << INT32_MAX;
        QTest::newRow("300 digits") << QString(300, '9') << "10000" << INT32_MAX;
        QTest::newRow("below the fewest") << "99"
                                          << "99" << 100;
        QTest::newRow("zero") << "0"
                              << "0" << 100;
        QTest::newRow("empty") << ""
                               << "" << 100;
    }
    void refusedCountsStartNothing() {
        QFETCH(QString, text);
        QFETCH(QString, after);
        QFETCH(int, photonCount);
        const QImage screen = Panel(window->Pic);
        Type(text);
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(fake.beeps, 1);
        QVERIFY(!window->running());
        QVERIFY(!record().DotsDrawn);
        QCOMPARE(box()->text(), after);
        QCOMPARE(window->photonCount(), photonCount);
        QCOMPARE(Panel(window->Pic), screen);
        QCOMPARE(QApplication::focusWidget(), box());
        // The user can go on at once: the next keys replace a refused entry.
        if (after != QLatin1String("10000")) {
            QTest::keyClicks(box(), "500");
            QCOMPARE(box()->text(), QStringLiteral("500"));
        }
    }

    void theMostIsAcceptedAfterARefusal() {
        Type("10001");
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window->photonCount(), 10001);
        QTest::keyClick(box(), Qt::Key_Return);
        QVERIFY(window->running());
        QCOMPARE(record().Count, 10000);
    }

    void leadingZerosAreDroppedWhenARunStarts() {
        Type("0500");
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(box()->text(), QStringLiteral("500"));
        QCOMPARE(window->hsbN->Value(), 500);
        QCOMPARE(record().Count, 500);
    }

    void progressShowsEveryHundredOnly() {
        Type("150");
        QTest::keyClick(box(), Qt::Key_Return);
        const QImage blank = Panel(window->Histo);
        while (record().Stored < 99)
            Advance(0.001);
        QCOMPARE(Panel(window->Histo), blank);
        while (record().Stored < 100)
            Advance(0.001);
        const QImage hundred = Panel(window->Histo);
        QVERIFY(hundred != blank);
        while (record().Stored < 150)
            Advance(0.001);
        QCOMPARE(Panel(window->Histo), hundred); // 150 is never printed
    }

    void triggersDuringARunChangeNothing() {
        Type("1000");
        QTest::keyClick(box(), Qt::Key_Return);
        Advance(0.5);
        const std::int32_t stored = record().Stored;
        QTest::mouseClick(window->Pic, Qt::LeftButton);
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::keyClick(window->hsbN, Qt::Key_Return);
        QTest::mouseClick(window->lblMSG, Qt::LeftButton);
        QCOMPARE(record().Stored, stored);
        QCOMPARE(record().Count, 1000);
        QVERIFY(window->running());
        QCOMPARE(fake.beeps, 0);
    }

    void aPresetDuringARunOnlySetsTheNextCount() {
        Type("1000");
        QTest::keyClick(box(), Qt::Key_Return);
        Advance(0.5);
        QTest::mouseClick(window->lblPhotonN[1], Qt::LeftButton);
        QCOMPARE(box()->text(), QStringLiteral("2000"));
        QCOMPARE(window->photonCount(), 2000);
        RunToEnd();
        QCOMPARE(record().Stored, 1000);
        // The repaint draws the run's own dots, no more, and the histogram
        // keeps the run's own scale.
        const QImage screen = Panel(window->Pic);
        const QImage histogram = Panel(window->Histo);
        window->Pic->surface().Refresh();
        window->Histo->surface().Refresh();
        QCOMPARE(Panel(window->Pic), screen);
        QCOMPARE(Panel(window->Histo), histogram);
        // The next trigger runs the preset.
        QTest::mouseClick(window->lblMSG, Qt::LeftButton);
        QCOMPARE(record().Count, 2000);
    }

    void aPresetWhileIdleStartsARun() {
        QTest::mouseClick(window->lblPhotonN[2], Qt::LeftButton);
        QVERIFY(window->running());
        QCOMPARE(record().Count, 10000);
        QCOMPARE(window->hsbN->Value(), 10000);
    }

    void aSlitChangeDuringARunShapesTheFollowingPhotons() {
        Type("4000");
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::mouseClick(window->cmdSlitNo[1], Qt::LeftButton);
        RunToEnd();
        // One slit: dark at +-YMax / 2 (bins 25 and 75), where two slits are bright.
        const auto& bins = record().BinCounts;
        QVERIFY(bins[25] + bins[75] < 10);
        QVERIFY(bins[50] > 100);
    }

    void scrollBarWritesTheBoxWithTheCaretAtTheEnd() {
        auto* bar = window->hsbN;
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(box()->text(), QStringLiteral("110"));
        QCOMPARE(box()->SelStart(), 3);
        bar->setSliderDown(true);
        bar->setSliderPosition(2340);
        QCOMPARE(box()->text(), QStringLiteral("2340"));
        bar->setSliderDown(false);
        QCOMPARE(window->photonCount(), 100); // the count waits for the run
        QTest::keyClick(bar, Qt::Key_Return);
        QCOMPARE(record().Count, 2340);
    }

    void onlyDigitsGetIntoTheBox() {
        Type("12");
        QTest::keyClicks(box(), "a-. 3");
        QCOMPARE(box()->text(), QStringLiteral("123"));
        QCOMPARE(fake.beeps, 4);
        QGuiApplication::clipboard()->setText(QStringLiteral("4\n"));
        QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf16(u"\uFF15"));
        QCoreApplication::sendEvent(box(), &composed);
        QCOMPARE(box()->text(), QStringLiteral("123"));
        QCOMPARE(fake.beeps, 6);
        QVERIFY(!window->running()); // the pasted line break started nothing
    }

    void theHelpWindowHoldsTheRun() {
        Type("2000");
        QTest::keyClick(box(), Qt::Key_Return);
        Advance(0.5);
        const std::int32_t held = record().Stored;
        std::int32_t behindHelp = -1;
        QVERIFY(window.WithHelpWindow([&](ui::frmFenwaHelp&) {
            Advance(30.0);
            behindHelp = record().Stored;
        }));
        QCOMPARE(behindHelp, held);
        Advance(0.01); // resumes at its own pace, without a burst
        QVERIFY(record().Stored - held >= 1 && record().Stored - held <= 3);
        RunToEnd();
        QCOMPARE(record().Stored, 2000);
    }

    // A step back is lost time, not time to wait for again; a step forward
    // catches up at most the photons left, at once.
    void clockJumpsNeitherHoldNorFloodTheRun_data() {
        QTest::addColumn<double>("jump");
        QTest::newRow("back a second") << -1.0;
        QTest::newRow("back a day") << -86400.0;
        QTest::newRow("back beyond any timer") << -1e9;
        QTest::newRow("forward beyond any timer") << 1e9;
    }
    void clockJumpsNeitherHoldNorFloodTheRun() {
        QFETCH(double, jump);
        Type("2000"); // 200 photons a second
        QTest::keyClick(box(), Qt::Key_Return);
        Advance(0.5);
        const std::int32_t before = record().Stored;
        Advance(jump);
        Advance(0.1);
        if (jump > 0) {
            QCOMPARE(record().Stored, 2000);
            QVERIFY(!run().Active());
        } else {
            QVERIFY2(record().Stored - before >= 15 && record().Stored - before <= 25,
                     qPrintable(QString::number(record().Stored - before)));
        }
    }

    void closingTheWindowStopsTheRun() {
        Type("2000");
        QTest::keyClick(box(), Qt::Key_Return);
        Advance(0.5);
        const std::int32_t stored = record().Stored;
        window->close();
        QVERIFY(!run().Active());
        Advance(100.0);
        QCOMPARE(record().Stored, stored);
    }

    void aRealTimerDrivesTheRun() {
        fake.monotonic = 0;
        Type("100");
        QTest::keyClick(box(), Qt::Key_Return);
        // Let the event loop tick while the fake clock runs well ahead.
        fake.monotonic = 10.0;
        QTRY_VERIFY(!window->running());
        QCOMPARE(record().Stored, 100);
    }
};

QTEST_MAIN(PhotonRunTest)
#include "tst_photonrun.moc"
