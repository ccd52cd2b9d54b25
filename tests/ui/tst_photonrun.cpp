// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ChiSquare.h"
#include "MainWindowFixture.h"
#include "display/controls/HScrollBar.h"
#include "display/controls/Label.h"
#include "display/controls/PictureBox.h"
#include "display/controls/TextBox.h"
#include "display/forms/WindowZoom.h"
#include "display/text/Fonts.h"
#include "model/Conditions.h"
#include "model/ExpectedCounts.h"
#include "model/PhotonCount.h"
#include "model/StandardRandom.h"
#include "run/CountsCsv.h"
#include "run/PhotonRun.h"
#include "run/ScreenPanel.h"
#include "ui/conditions/StepValidator.h"
#include "ui/conditions/frmConditions.h"
#include "ui/main/RefusalSign.h"
#include "ui/main/frmFenwa.h"
#include "ui/results/SaveFile.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <numeric>
#include <sys/resource.h>

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
    // Whether the panel, drawn afresh, looks as it did.
    static bool Redraws(PictureBox* panel) {
        const QImage before = Panel(panel);
        panel->surface().Refresh();
        return Panel(panel) == before;
    }
    // Which of the three items of the panels' menu can be chosen: "111", "000".
    QString Items() {
        QString items;
        for (QAction* item : {window->results().mnuCopyPicture, window->results().mnuSavePicture,
                              window->results().mnuSaveCounts})
            items += QLatin1Char(item->isEnabled() ? '1' : '0');
        return items;
    }
    void RunOf(const QString& photons) {
        Type(photons);
        QTest::keyClick(box(), Qt::Key_Return);
        RunToEnd();
    }
    // Pixels only, whatever format and ratio they come in.
    static QImage Pixels(QImage image) {
        image.setDevicePixelRatio(1);
        return image.convertToFormat(QImage::Format_RGB32);
    }
    static QImage Copied() { return Pixels(QGuiApplication::clipboard()->image()); }

    // Ctrl+E in the count box and, while the dialog is shown, inside on it;
    // what inside leaves open is cancelled. False if no dialog came.
    bool WithConditions(const std::function<void(ui::frmConditions&)>& inside) {
        bool came = false;
        QTimer meanwhile; // dies with this call, should no dialog come
        meanwhile.setSingleShot(true);
        connect(&meanwhile, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<ui::frmConditions*>(QApplication::activeModalWidget());
            if (!dialog || !test::WaitForKeyboard(*dialog)) return;
            came = true;
            inside(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        if (!test::WaitForKeyboard(*window)) return false; // for the window's shortcut
        meanwhile.start(0);
        QTest::keyClick(box(), Qt::Key_E, Qt::ControlModifier);
        return came;
    }
    // Types the text and then the keys, where the focus is.
    static void Press(const char* text, const QList<Qt::Key>& keys = {}) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        for (const Qt::Key key : keys)
            QTest::keyClick(QApplication::focusWidget(), key);
    }
    // Column 2 (counts) or 3 (predictions) of the last run's CSV.
    std::vector<double> Csv(int column) {
        std::vector<double> values;
        const QString csv = QString::fromUtf8(run::CountsCsv(*run().LastFinished()));
        for (const QString& row : csv.split(u'\n').mid(1, 101))
            values.push_back(row.section(u',', column, column).toDouble());
        return values;
    }
    static bool Fits(const std::vector<double>& counts, const std::vector<double>& expected) {
        const test::ChiSquare chi = test::PearsonChiSquare(counts, expected);
        return chi.statistic < test::CriticalValue(chi.degrees);
    }

private slots:
    void initTestCase() { display::InstallFontSubstitutions(); }

    void init() {
        QVERIFY(window.Open(random));
        random.Randomize(12345.0f);
    }
    void cleanup() { window.Close(); }

    void aRunPlotsEveryPhotonAndCountsItOnce_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("photons");
        QTest::newRow("fewest") << "100" << model::FewestPhotons;
        QTest::newRow("most, after a zero") << "010000" << model::MostPhotons;
    }
    void aRunPlotsEveryPhotonAndCountsItOnce() {
        QFETCH(QString, typed);
        QFETCH(int, photons);
        Type(typed);
        QTest::keyClick(box(), Qt::Key_Return);
        QVERIFY(window->running());
        QCOMPARE(window->hsbN->Value(), photons);
        QCOMPARE(window->lblMSG->Caption(), QString());
        RunToEnd();
        QVERIFY(!window->running());
        QCOMPARE(record().Stored, photons);
        QCOMPARE(std::accumulate(record().BinCounts.begin(), record().BinCounts.end(), 0), photons);
        if (photons == model::MostPhotons) {
            // Bin k takes the heights within half a bin of its own, so the end
            // bins, at bright fringes, take about half of their neighbours'.
            const auto& bins = record().BinCounts;
            QCOMPARE(bins[101], 0);
            for (const auto& [end, next] : {std::pair(0, 1), std::pair(100, 99)})
                QVERIFY2(bins[end] > 0.35 * bins[next] && bins[end] < 0.65 * bins[next],
                         qPrintable(QStringLiteral("%1 of %2").arg(bins[end]).arg(bins[next])));
        }
        QVERIFY(record().DotsDrawn && record().HistoReady);
        QCOMPARE(fake.beeps, 0);
        QCOMPARE(box()->text(), QString::number(photons)); // no zero first, nor Enter in it
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
        QTest::addColumn<int>("photonCount"); // the refused count, as far as 32 bits hold it
        QTest::addColumn<QString>("after");
        QTest::newRow("one above the most") << "10001" << 10001 << "10000";
        QTest::newRow("the most of 32 bits") << "2147483647" << INT32_MAX << "10000";
        QTest::newRow("one beyond 32 bits") << "2147483648" << INT32_MAX << "10000";
        QTest::newRow("far beyond") << "99999999999" << INT32_MAX << "10000";
        QTest::newRow("300 digits") << QString(300, '9') << INT32_MAX << "10000";
        QTest::newRow("below the fewest") << "99" << 100 << "99";
        QTest::newRow("zero") << "0" << 100 << "0";
        QTest::newRow("empty") << "" << 100 << "";
    }
    void refusedCountsStartNothing() {
        QFETCH(QString, text);
        QFETCH(int, photonCount);
        QFETCH(QString, after);
        const QString prompt = window->lblMSG->Caption();
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
        // In words the class can see, where the prompt was, for a few seconds.
        QCOMPARE(window->lblMSG->Caption(), ui::Refusals::CountRange);
        QCOMPARE(window->lblMSG->ForeColor(), display::RGB(192, 0, 0));
        QVERIFY(window->refusalSign().Remaining() > 2000);
        // The user can go on at once: the next keys replace a refused entry,
        // and Enter runs the most, after which the prompt comes back.
        if (after != QLatin1String("10000")) {
            QTest::keyClicks(box(), "500");
            QCOMPARE(box()->text(), QStringLiteral("500"));
        } else {
            QTest::keyClick(box(), Qt::Key_Return);
            QCOMPARE(record().Count, 10000);
            RunToEnd();
            QCOMPARE(window->lblMSG->Caption(), prompt);
            QCOMPARE(window->lblMSG->ForeColor(), display::RGB(0, 0, 192));
        }
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

    // Mid-run, the triggers start nothing and a preset only sets the next
    // count. A repaint, then or after the run, draws the run's own dots and
    // no more, and the histogram keeps the run's own scale.
    void aRunGoesOnAsItStartedUntilItEnds() {
        Type("1000");
        QTest::keyClick(box(), Qt::Key_Return);
        Advance(0.5);
        const std::int32_t stored = record().Stored;
        QVERIFY(Redraws(window->Pic));
        QTest::mouseClick(window->Pic, Qt::LeftButton);
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::keyClick(window->hsbN, Qt::Key_Return);
        QTest::mouseClick(window->lblMSG, Qt::LeftButton);
        QCOMPARE(record().Stored, stored);
        QVERIFY(window->running());
        QCOMPARE(fake.beeps, 0);
        QTest::mouseClick(window->lblPhotonN[1], Qt::LeftButton);
        QCOMPARE(box()->text(), QStringLiteral("2000"));
        QCOMPARE(window->photonCount(), 2000);
        RunToEnd();
        QCOMPARE(record().Stored, 1000);
        QVERIFY(Redraws(window->Pic) && Redraws(window->Histo));
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

    // The first photon leaves at once, through two slits; the rest through one,
    // and what leaves the window says so.
    void aSlitChangeDuringARunShapesTheFollowingPhotons() {
        Type("4000");
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::mouseClick(window->cmdSlitNo[1], Qt::LeftButton);
        RunToEnd();
        // One slit: dark at +-YMax / 2 (bins 25 and 75), where two slits are bright.
        const auto& bins = record().BinCounts;
        QVERIFY(bins[25] + bins[75] < 10);
        QVERIFY(bins[50] > 100);
        QString proposed; // each arrangement's slits and photons, and none but the book's
        window->results().SetAskSavePath([&](const QString&, const QString& path, const QString&) {
            proposed = QFileInfo(path).fileName();
            return QString();
        });
        window->results().mnuSaveCounts->trigger();
        QCOMPARE(proposed, QStringLiteral("fenwa-2slit-1-1slit-3999.csv"));
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
        QCOMPARE(QApplication::focusWidget(), bar);
        RunToEnd(); // the box takes the focus back from the bar
        QCOMPARE(QApplication::focusWidget(), box());
    }

    void onlyDigitsGetIntoTheBox() {
        Type("12");
        // The KeyPress handler alone, without the validator that would hide
        // a slip of it; '/' and ':' stand either side of the digits.
        box()->setValidator(nullptr);
        QTest::keyClicks(box(), "a-. /3:09");
        QCOMPARE(box()->text(), QStringLiteral("12309"));
        QCOMPARE(fake.beeps, 6);
        box()->SetDigitsOnly();
        QGuiApplication::clipboard()->setText(QStringLiteral("4\n"));
        QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf16(u"\uFF15"));
        QCoreApplication::sendEvent(box(), &composed);
        QCOMPARE(box()->text(), QStringLiteral("12309"));
        QCOMPARE(fake.beeps, 8);
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
        fake.monotonic += 0.01; // resumes by its own timer, at its own pace, without a burst
        QTRY_VERIFY(record().Stored > held);
        QVERIFY(record().Stored - held <= 3);
        fake.monotonic += 20.0; // and the timer takes it on to its end
        QTRY_VERIFY(!window->running());
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

    // The menu opens on either panel at any time, but its items wait for a run
    // to end. A right click starts nothing, and Esc closes only the menu.
    void resultItemsWaitForTheEndOfARun() {
        for (PictureBox* panel : {window->Pic, window->Histo}) {
            QTest::mouseClick(panel, Qt::RightButton);
            QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(9, 9),
                                   panel->mapToGlobal(QPoint(9, 9)));
            QCoreApplication::sendEvent(panel, &menu);
            QVERIFY(window->results().PanelMenu->isVisible());
            QTest::keyClick(window->results().PanelMenu, Qt::Key_Escape);
            QVERIFY(!window->results().PanelMenu->isVisible());
        }
        QVERIFY(!window->running());
        QVERIFY(!record().DotsDrawn);
        QCOMPARE(fake.ends, 0);
        QCOMPARE(Items(), QStringLiteral("000"));
        Type("100");
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(Items(), QStringLiteral("000"));
        RunToEnd();
        QCOMPARE(Items(), QStringLiteral("111"));
        QTest::keyClick(box(), Qt::Key_Return); // and wait for the next run again
        QCOMPARE(Items(), QStringLiteral("000"));
    }

    // The picture and the panels are the run as it ended, even after a slit
    // press and a repaint; the picture is drawn at the zoom of the moment.
    void thePictureIsTheRunAsItEnded() {
        RunOf("100");
        const QImage screen = Pixels(Panel(window->Pic));
        const QImage histogram = Pixels(Panel(window->Histo));
        QTest::keyClick(box(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QImage atEnd = Copied();
        // The screen panel, the window's one pixel between them, the histogram
        // panel; under them the strip of the line.
        const int ratio = screen.width() / window->Pic->width();
        QCOMPARE(atEnd.width(), (191 + 1 + 186) * ratio);
        QVERIFY(atEnd.height() >= (400 + 16) * ratio);
        QCOMPARE(atEnd.copy(0, 0, screen.width(), screen.height()), screen);
        QCOMPARE(atEnd.copy(192 * ratio, 0, histogram.width(), histogram.height()), histogram);
        QCOMPARE(atEnd.pixel(191 * ratio, 0), QColor(0xF0, 0xF0, 0xF0).rgb());
        QCOMPARE(atEnd.pixel(0, atEnd.height() - 1), QColor(0xF0, 0xF0, 0xF0).rgb());
        QTest::mouseClick(window->cmdSlitNo[1], Qt::LeftButton);
        window->Histo->surface().Refresh();
        QCOMPARE(Pixels(Panel(window->Histo)), histogram);
        window->results().mnuCopyPicture->trigger();
        QCOMPARE(Copied(), atEnd);
        // Copied at 175 %, it is the panels as they are shown now, 1.75 times as large.
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(box(), Qt::Key_Equal, Qt::ControlModifier);
        window->results().mnuCopyPicture->trigger();
        const QImage zoomed = Copied();
        QCOMPARE(zoomed.width(), qRound((191 + 1 + 186) * 1.75) * ratio);
        const QImage screenNow = Pixels(Panel(window->Pic));
        QCOMPARE(zoomed.copy(0, 0, screenNow.width(), screenNow.height()), screenNow);
        const QImage histogramNow = Pixels(Panel(window->Histo));
        QCOMPARE(zoomed.copy(zoomed.width() - histogramNow.width(), 0, histogramNow.width(),
                             histogramNow.height()),
                 histogramNow);
    }

    // Each kind starts in its own folder with the run's name, and then where
    // the last of its kind went; Cancel writes nothing.
    void savesProposeTheRunsNameAndRememberTheFolder() {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", oldHome);
            qputenv("XDG_CONFIG_HOME", oldConfig);
        });
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
        for (const char* folder : {"Pictures", "Documents", "report"})
            QVERIFY(QDir(home.path()).mkdir(QLatin1String(folder)));
        QStringList asked;
        QString answer;
        window->results().SetAskSavePath(
            [&](const QString& title, const QString& proposed, const QString&) {
                asked << title + QLatin1Char(':') + proposed;
                return answer;
            });
        RunOf("100");
        const auto ctrl = Qt::ControlModifier;
        QTest::keyClick(box(), Qt::Key_S, ctrl);
        QCOMPARE(asked.last(), "画像を保存:" + home.filePath("Pictures/fenwa-2slit-100.png"));
        QCOMPARE(QDir(home.filePath("Pictures")).entryList(QDir::Files), QStringList());
        answer = home.filePath("report/run.png");
        QTest::keyClick(box(), Qt::Key_S, ctrl);
        QTest::keyClick(box(), Qt::Key_C, ctrl | Qt::ShiftModifier);
        QCOMPARE(Pixels(QImage(answer)), Copied());
        QTest::keyClick(box(), Qt::Key_S, ctrl);
        QCOMPARE(asked.last(), "画像を保存:" + home.filePath("report/fenwa-2slit-100.png"));
        answer = home.filePath("report/run.csv");
        QTest::keyClick(box(), Qt::Key_S, ctrl | Qt::ShiftModifier);
        QCOMPARE(asked.last(), "度数をCSVで保存:" + home.filePath("Documents/fenwa-2slit-100.csv"));
        QFile csv(answer);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count("\r\n"), 102);
        QCOMPARE(box()->text(), QStringLiteral("100")); // the keys typed nothing
        QCOMPARE(fake.beeps, 0);
    }

    // A save that fails says why, leaves no file behind, and changes nothing
    // else. A file larger than the process may write stands for a full disk:
    // only a write that goes straight to the disk notices it.
    void aFailedSaveIsToldAndTheRunStays_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("why");
        QTest::newRow("a folder in the file's place") << "run.csv" << QString();
        QTest::newRow("a missing folder")
            << "missing/run.csv" << QStringLiteral("保存先のフォルダーがありません。");
        QTest::newRow("more than the disk takes") << "run.csv" << QString();
    }
    void aFailedSaveIsToldAndTheRunStays() {
        QFETCH(QString, where);
        QFETCH(QString, why);
        QTemporaryDir folder;
        const QString path = folder.filePath(where);
        if (QTest::currentDataTag() == QLatin1String("a folder in the file's place"))
            QVERIFY(QDir(folder.path()).mkdir(where));
        QStringList proposed;
        window->results().SetAskSavePath(
            [&](const QString&, const QString& proposal, const QString&) {
                proposed << proposal;
                return path;
            });
        RunOf("100");
        QStringList told;
        const auto tell = [&] {
            if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told << message->text();
                message->close();
            }
        };
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit entry = limit;
        if (QTest::currentDataTag() == QLatin1String("more than the disk takes")) {
            std::signal(SIGXFSZ, SIG_IGN);
            limit.rlim_cur = 1000; // the counts take about 3000 bytes
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        for (int save = 0; save < 2; ++save) {
            QTimer::singleShot(0, tell);
            window->results().mnuSaveCounts->trigger();
        }
        setrlimit(RLIMIT_FSIZE, &entry);
        QCOMPARE(told.size(), 2);
        QCOMPARE(told[1], told[0]);
        QCOMPARE(told[0].section(u'\n', 0, 0), "保存できませんでした：" + path);
        QVERIFY(!told[0].section(u'\n', 1).isEmpty());
        if (!why.isEmpty()) QCOMPARE(told[0].section(u'\n', 1), why);
        QVERIFY(!QFileInfo(path).isFile());
        // The next save starts where it did, not where saving failed.
        QCOMPARE(proposed[1], proposed[0]);
        QVERIFY(run().LastFinished());
        QCOMPARE(Items(), QStringLiteral("111"));
        QCOMPARE(fake.ends, 0);
    }

    // What the system's words are put in plain words for.
    void whyASaveFailed_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("why");
        QTest::newRow("a full disk")
            << int(QFileDevice::ResourceError) << "ディスクがいっぱいです。";
        QTest::newRow("write-protected")
            << int(QFileDevice::PermissionsError) << "保存先が書き込み禁止になっています。";
        QTest::newRow("anything else") << int(QFileDevice::WriteError) << "the system's words";
    }
    void whyASaveFailed() {
        QFETCH(int, error);
        QFETCH(QString, why);
        const QTemporaryDir folder;
        QCOMPARE(ui::WhyNotSaved(folder.filePath("run.csv"), QFileDevice::FileError(error),
                                 "the system's words"),
                 why);
    }

    // The name gets the ending of its kind unless it has it, in any case.
    void aSavedNameEndsWithItsKind_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("saved");
        QTest::newRow("a dot of its own") << "result.v2" << false << "result.v2.csv";
        QTest::newRow("capitals") << "RESULT.CSV" << false << "RESULT.CSV";
        QTest::newRow("a picture named as counts") << "pic.csv" << true << "pic.csv.png";
        QTest::newRow("a picture in capitals") << "pic.Png" << true << "pic.Png";
    }
    void aSavedNameEndsWithItsKind() {
        QFETCH(QString, typed);
        QFETCH(bool, picture);
        QFETCH(QString, saved);
        const QTemporaryDir folder;
        window->results().SetAskSavePath(
            [&](const QString&, const QString&, const QString&) { return folder.filePath(typed); });
        RunOf("100");
        (picture ? window->results().mnuSavePicture : window->results().mnuSaveCounts)->trigger();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{saved});
    }

    void nothingIsReachableBehindTheHelpWindow() {
        int asked = 0;
        window->results().SetAskSavePath([&](const QString&, const QString&, const QString&) {
            ++asked;
            return QString();
        });
        RunOf("100");
        QGuiApplication::clipboard()->clear();
        QVERIFY(window.WithHelpWindow([](ui::frmFenwaHelp& help) {
            QTest::keyClick(&help, Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(&help, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
            QTest::keyClick(&help, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        }));
        QCOMPARE(asked, 0);
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

    // Zoomed in the middle of a run, the window keeps the run to its
    // schedule with nothing lost: the count shown, the dots drawn afresh and
    // the next photons plotted, each a square block where it landed. After
    // the run the panels are drawn afresh at each zoom, and back at the
    // actual size they are what they were, to the pixel.
    void zoomingKeepsTheRunGoing() {
        Type("2000"); // 200 photons a second
        QTest::keyClick(box(), Qt::Key_Return);
        Advance(0.5 + 1e-9);
        QStringList printed;
        window->Histo->surface().SetPrintObserver(
            [&](const display::PrintedText& text) { printed << text.text; });
        QTest::keyClick(box(), Qt::Key_F11);
        QCOMPARE(window->size(), QSize(1390, 994));
        QCOMPARE(record().Stored, 101);
        QCOMPARE(printed, QStringList{" 100"}); // the count shows again, as it stood
        Advance(1.0);
        QCOMPARE(record().Stored, 301);
        RunToEnd();
        QCOMPARE(record().Stored, 2000);
        QCOMPARE(std::accumulate(record().BinCounts.begin(), record().BinCounts.end(), 0), 2000);
        const auto& screen = window->Pic->surface();
        for (int i = 1; i <= 2000; ++i)
            QCOMPARE(screen.Point(record().DotX[i], record().DotY[i]), run::DotColour);
        QTest::keyClick(box(), Qt::Key_0, Qt::ControlModifier);
        const QImage dots = Panel(window->Pic), histogram = Panel(window->Histo);
        QTest::keyClick(box(), Qt::Key_F11);
        QTest::keyClick(box(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(Panel(window->Pic), dots);
        QCOMPARE(Panel(window->Histo), histogram);
    }

    // The focus starts in the wavelength with its text selected and goes
    // round in order, past the check box with one slit, where there is
    // nothing to watch; the text is as large as the buttons'; Esc changes
    // nothing. (The check box's place shows when a run watches the slit.)
    void conditionsOpenOnTheWavelength() {
        display::SetZoomFactor(2.0);
        QTest::mouseClick(window->cmdSlitNo[1], Qt::LeftButton);
        QVERIFY(WithConditions([&](ui::frmConditions& dialog) {
            QCOMPARE(dialog.font().pointSizeF(), window->cmdHelp->font().pointSizeF());
            QCOMPARE(dialog.cboWaveLen->lineEdit()->selectedText(), QStringLiteral("633"));
            QCOMPARE(dialog.txtSlitSize->accessibleName(), QStringLiteral("スリットの幅 (mm)"));
            for (QWidget* next :
                 QWidgetList{dialog.cboWaveLen, dialog.txtSlitSize, dialog.txtScreenDist,
                             dialog.cmdBook, dialog.cmdOK, dialog.cmdCancel, dialog.cboWaveLen}) {
                QCOMPARE(QApplication::focusWidget(), next);
                Press("", {Qt::Key_Tab});
            }
            Press("405");
            dialog.cmdBook->click(); // the book's values, and the focus on the wavelength
            QCOMPARE(dialog.cboWaveLen->lineEdit()->selectedText(), QStringLiteral("633"));
            Press("780", {Qt::Key_Escape});
        }));
        QCOMPARE(window->apparatus(), model::DefaultApparatus(1));
        QTRY_COMPARE(QApplication::focusWidget(), window->cmdSlitNo[1]);
    }

    // A box takes no text that typing on cannot bring into its range: that
    // key beeps and the range shows. OK on an unfinished value selects it.
    void conditionsKeepToTheirRanges() {
        const std::array<ui::StepValidator, 3> boxes{
            ui::StepValidator(model::ShortestWaveLenNm, model::LongestWaveLenNm, 0),
            ui::StepValidator(model::SmallestSlitSize, model::LargestSlitSize, 2),
            ui::StepValidator(model::NearestScreen, model::FarthestScreen, 2)};
        // The box, the text, and the state: 0 refused, 1 unfinished, 2 taken.
        for (const QString row :
             {"0 380 2", "0 379 0", "0 780 2", "0 781 0", "0 3 1", "0 5.3 0", "0 0633 0",
              "1 0.05 2", "1 0.04 0", "1 2.00 2", "1 2.01 0", "1 .5 2", "1 0. 1", "1 1.234 0",
              "2 0.50 2", "2 0.49 0", "2 10.00 2", "2 10.01 0", "2 0 1"}) {
            QString text = row.section(u' ', 1, 1);
            int position = 0;
            QVERIFY2(boxes[row.at(0).digitValue()].validate(text, position) ==
                         row.back().digitValue(),
                     qPrintable(row));
        }
        QVERIFY(WithConditions([&](ui::frmConditions& dialog) {
            Press("9", {Qt::Key_Tab});
            QCOMPARE(dialog.cboWaveLen->currentText(), QStringLiteral("633"));
            QCOMPARE(dialog.lblRange->text(), QStringLiteral("波長は 380～780 nm の整数です。"));
            Press("0.", {Qt::Key_Return});
            QCOMPARE(QApplication::focusWidget(), dialog.txtSlitSize);
            QCOMPARE(dialog.txtSlitSize->selectedText(), QStringLiteral("0."));
            QCOMPARE(dialog.lblRange->text(),
                     QStringLiteral("スリットの間隔は 0.05～2.00 mm，0.01 mm 刻みです。"));
            QCOMPARE(fake.beeps, 2);
        }));
        // A wavelength of no laser in the list opens again as it was left.
        QVERIFY(WithConditions([](ui::frmConditions&) { Press("500", {Qt::Key_Return}); }));
        QVERIFY(WithConditions([](ui::frmConditions& dialog) {
            QCOMPARE(dialog.cboWaveLen->currentText(), QStringLiteral("500"));
        }));
    }

    // 532 nm, then the slit watched: each run follows, its CSV predicting
    // what the model does for the light asked for and then a flat line, its
    // counts fitting those and not the book's. The dialog is closed during a
    // run; every start has the book's apparatus.
    void theNextRunsFollowTheConditions() {
        RunOf("100"); // the book's, whose picture has one line
        window->results().mnuCopyPicture->trigger();
        const int oneLine = Copied().height();
        QVERIFY(WithConditions([](ui::frmConditions&) { Press("532", {Qt::Key_Return}); }));
        model::Apparatus green = model::DefaultApparatus(2);
        green.WaveLen = 532e-9; // and the book's slits and distance
        QCOMPARE(window->apparatus(), green);
        Type("2000");
        QTest::keyClick(box(), Qt::Key_Return);
        QVERIFY(!window->mnuConditions->isEnabled());
        RunToEnd();
        const std::vector<double> counts = Csv(2), predicted = Csv(3);
        const std::vector<double> expected = model::ExpectedCounts(green, 2000);
        for (std::size_t bin = 0; bin <= 100; ++bin)
            QVERIFY(std::abs(predicted[bin] - expected[bin]) < 0.01); // to the hundredth
        QVERIFY(Fits(counts, predicted));
        QVERIFY(!Fits(counts, model::ExpectedCounts(model::DefaultApparatus(2), 2000)));
        window->results().mnuCopyPicture->trigger();
        QVERIFY(Copied().height() > oneLine); // the conditions take a second line

        QVERIFY(WithConditions([](ui::frmConditions&) {
            Press("", {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return});
        }));
        RunOf("2000");
        const std::vector<double> seen = Csv(2), flat = Csv(3);
        for (int bin = 0; bin <= 100; ++bin)
            QCOMPARE(flat[std::size_t(bin)], bin == 0 || bin == 100 ? 10.0 : 20.0);
        QVERIFY(Fits(seen, flat));
        QVERIFY(!Fits(seen, predicted));
        // A screen reader's readout says so too.
        const QString readout = window->accessibleDescription();
        QVERIFY(readout.contains("光の波長 0.532 μm") && readout.endsWith("観測中"));

        window.Close();
        QVERIFY(window.Open(random));
        QCOMPARE(window->apparatus(), model::DefaultApparatus(2));
    }
};

QTEST_MAIN(PhotonRunTest)
#include "tst_photonrun.moc"
