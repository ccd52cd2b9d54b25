// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ChiSquare.h"
#include "MainWindowFixture.h"
#include "display/forms/WindowZoom.h"
#include "model/Conditions.h"
#include "model/ExpectedCounts.h"
#include "model/StandardRandom.h"
#include "run/CountsCsv.h"
#include "ui/conditions/StepValidator.h"
#include "ui/conditions/frmConditions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <numbers>

using namespace fenwa;
using model::Conditions;

class ConditionsTest : public QObject {
    Q_OBJECT

    model::StandardRandom random;
    test::MainWindowFixture window;
    FakeEnvironment& fake = window.fake;

    // Presses Ctrl+E in the count box and, while the dialog is shown, runs
    // inside on it; what inside leaves open is cancelled. False if none came.
    bool WithDialog(const std::function<void(ui::frmConditions&)>& inside) {
        bool came = false;
        QTimer meanwhile; // dies with this call, should no dialog come
        meanwhile.setSingleShot(true);
        connect(&meanwhile, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<ui::frmConditions*>(QApplication::activeModalWidget());
            if (!dialog) return;
            came = true;
            if (test::WaitForKeyboard(*dialog)) inside(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        // The window's shortcut wants the window to have the keyboard back.
        if (!test::WaitForKeyboard(*window)) return false;
        meanwhile.start(0);
        QTest::keyClick(window->txtN, Qt::Key_E, Qt::ControlModifier);
        return came;
    }
    static void Keys(const QList<Qt::Key>& keys) {
        for (const Qt::Key key : keys)
            QTest::keyClick(QApplication::focusWidget(), key);
    }
    static void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    Conditions Now() const { return model::ConditionsOf(window->apparatus()); }

    // A run of 2000 photons; per bin its counts and the CSV's predictions.
    std::pair<std::vector<double>, std::vector<double>> RunOf2000() {
        window.Type(QStringLiteral("2000"));
        QTest::keyClick(window->txtN, Qt::Key_Return);
        window.RunToEnd();
        std::vector<double> counts, predicted;
        const QStringList rows =
            QString::fromUtf8(run::CountsCsv(*window.run().LastFinished())).split(u'\n');
        for (const QString& row : rows.mid(1, 101)) {
            counts.push_back(row.section(u',', 2, 2).toDouble());
            predicted.push_back(row.section(u',', 3).trimmed().toDouble());
        }
        return {counts, predicted};
    }
    static bool Fits(const std::vector<double>& counts, const std::vector<double>& expected) {
        const test::ChiSquare chi = test::PearsonChiSquare(counts, expected);
        qInfo("chi-square %.1f with %d degrees, threshold %.1f", chi.statistic, chi.degrees,
              test::CriticalValue(chi.degrees));
        return chi.statistic < test::CriticalValue(chi.degrees);
    }

private slots:
    void initTestCase() { display::InstallFontSubstitutions(); }
    void init() {
        QVERIFY(window.Open(random));
        random.Randomize(12345.0f);
    }
    void cleanup() { window.Close(); }

    // The focus starts in the wavelength, its text selected, and goes round
    // in the order of the boxes; with one slit the check box is left out.
    // The text is as large as the window's buttons', at any zoom.
    void ctrlEOpensOnTheWavelength_data() {
        QTest::addColumn<int>("slits");
        QTest::addColumn<double>("zoom");
        QTest::newRow("two slits") << 2 << 1.0;
        QTest::newRow("one slit, 200 %") << 1 << 2.0;
    }
    void ctrlEOpensOnTheWavelength() {
        QFETCH(int, slits);
        QFETCH(double, zoom);
        display::SetZoomFactor(zoom);
        QTest::mouseClick(window->cmdSlitNo[std::size_t(slits)], Qt::LeftButton);
        window->txtN->setFocus();
        QVERIFY(WithDialog([&](ui::frmConditions& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("実験の条件"));
            QCOMPARE(dialog.parentWidget(), window.get());
            QCOMPARE(dialog.txtSlitSize->font().pointSizeF(), window->cmdHelp->font().pointSizeF());
            QCOMPARE(QApplication::focusWidget(), dialog.cboWaveLen);
            QCOMPARE(dialog.cboWaveLen->lineEdit()->selectedText(), QStringLiteral("633"));
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                if (label->buddy() == dialog.txtSlitSize)
                    QCOMPARE(label->text(), slits == 1 ? QStringLiteral("スリットの幅 (mm)")
                                                       : QStringLiteral("スリットの間隔 (mm)"));
            QList<QWidget*> order{dialog.txtSlitSize, dialog.txtScreenDist, dialog.chkSlitObserved,
                                  dialog.cmdBook,     dialog.cmdOK,         dialog.cmdCancel,
                                  dialog.cboWaveLen};
            if (slits == 1) order.removeOne(dialog.chkSlitObserved);
            for (QWidget* next : order) {
                Keys({Qt::Key_Tab});
                QCOMPARE(QApplication::focusWidget(), next);
            }
            Type("405");
            Keys({Qt::Key_Escape});
        }));
        QCOMPARE(window->apparatus(), model::DefaultApparatus(std::int16_t(slits)));
        QTRY_COMPARE(QApplication::focusWidget(), window->txtN);
    }

    void theBoxesKeepToTheirRanges_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        const int ok = QValidator::Acceptable, partial = QValidator::Intermediate,
                  no = QValidator::Invalid;
        for (const auto& [box, text, state] : std::initializer_list<std::tuple<int, QString, int>>{
                 {0, "380", ok},    {0, "379", no},     {0, "780", ok},    {0, "781", no},
                 {0, "3", partial}, {0, "", partial},   {0, "5.3", no},    {0, "0633", no},
                 {1, "0.05", ok},   {1, "0.04", no},    {1, "2.00", ok},   {1, "2.01", no},
                 {1, ".5", ok},     {1, "0.", partial}, {1, "1.234", no},  {1, "3", no},
                 {2, "0.50", ok},   {2, "0.49", no},    {2, "10.00", ok},  {2, "10.01", no},
                 {2, "10", ok},     {2, "0.4", no},     {2, "0", partial}, {2, "-1", no}})
            QTest::addRow("%d: %s", box, qPrintable(text)) << box << text << state;
    }
    void theBoxesKeepToTheirRanges() {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(int, state);
        const std::array<ui::StepValidator, 3> boxes{
            ui::StepValidator(model::ShortestWaveLenNm, model::LongestWaveLenNm, 0),
            ui::StepValidator(model::SmallestSlitSize, model::LargestSlitSize, 2),
            ui::StepValidator(model::NearestScreen, model::FarthestScreen, 2)};
        int position = 0;
        QCOMPARE(int(boxes[std::size_t(box)].validate(text, position)), state);
    }

    // A key that would leave the range is refused with a beep and the range;
    // OK on an unfinished value keeps the dialog, and Esc changes nothing.
    void whatIsOutOfRangeIsRefused() {
        QVERIFY(WithDialog([&](ui::frmConditions& dialog) {
            Type("9");
            QCOMPARE(dialog.cboWaveLen->currentText(), QStringLiteral("633"));
            QCOMPARE(fake.beeps, 1);
            QCOMPARE(dialog.lblRange->text(), QStringLiteral("波長は 380～780 nm の整数です。"));
            Keys({Qt::Key_Tab});
            Type("3");
            QCOMPARE(dialog.txtSlitSize->text(), QStringLiteral("0.50"));
            QCOMPARE(dialog.lblRange->text(),
                     QStringLiteral("スリットの間隔は 0.05～2.00 mm，0.01 mm 刻みです。"));
            Keys({Qt::Key_Tab});
            Type("0.");
            Keys({Qt::Key_Return});
            QVERIFY(dialog.isVisible());
            QCOMPARE(QApplication::focusWidget(), dialog.txtScreenDist);
            QCOMPARE(dialog.txtScreenDist->selectedText(), QStringLiteral("0."));
            QCOMPARE(fake.beeps, 3);
            Type("7.5");
            Keys({Qt::Key_Escape});
        }));
        QCOMPARE(window->apparatus(), model::DefaultApparatus(2));
    }

    // The boxes show the conditions in use; the book's values come back with
    // the button, the focus on the wavelength again; the list names lasers.
    void theBooksValuesComeBack() {
        QVERIFY(WithDialog([](ui::frmConditions&) {
            Type("405");
            Keys({Qt::Key_Tab});
            Type("2");
            Keys({Qt::Key_Tab});
            Type("0.5");
            Keys({Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return});
        }));
        QCOMPARE(Now(), (Conditions{405, 200, 50, true}));
        QVERIFY(WithDialog([](ui::frmConditions& dialog) {
            QCOMPARE(
                dialog.cboWaveLen->itemData(dialog.cboWaveLen->currentIndex(), Qt::DisplayRole),
                QStringLiteral("青 405 nm"));
            QCOMPARE(dialog.txtSlitSize->text() + dialog.txtScreenDist->text(),
                     QStringLiteral("2.000.50"));
            QVERIFY(dialog.chkSlitObserved->isChecked());
            dialog.cmdBook->click();
            QCOMPARE(QApplication::focusWidget(), dialog.cboWaveLen);
            QCOMPARE(dialog.cboWaveLen->lineEdit()->selectedText(), QStringLiteral("633"));
            Keys({Qt::Key_Down});
            QCOMPARE(dialog.cboWaveLen->currentText(), QStringLiteral("532"));
            Keys({Qt::Key_Up});
            QCOMPARE(dialog.txtSlitSize->text() + dialog.txtScreenDist->text(),
                     QStringLiteral("0.505.00"));
            QVERIFY(!dialog.chkSlitObserved->isChecked());
            Keys({Qt::Key_Return});
        }));
        QCOMPARE(window->apparatus(), model::DefaultApparatus(2));
    }

    void notDuringARun() {
        window.Type(QStringLiteral("1000"));
        QTest::keyClick(window->txtN, Qt::Key_Return);
        QVERIFY(!window->mnuConditions->isEnabled());
        QVERIFY(!WithDialog([](ui::frmConditions&) {}));
        window.RunToEnd();
        QVERIFY(window->mnuConditions->isEnabled());
    }

    // 532 nm, then with the slit watched: each run follows its conditions,
    // its predictions the far-field integral of cos^2 and then a flat line,
    // its counts those and not the book's; a new start has the book's again.
    void theNextRunsFollowTheConditions() {
        QVERIFY(WithDialog([](ui::frmConditions&) {
            Type("532");
            Keys({Qt::Key_Return});
        }));
        QCOMPARE(Now(), (Conditions{532, 50, 500, false}));
        const auto [green, predicted] = RunOf2000();
        const double yMax = window->apparatus().YMax;
        const double k = std::numbers::pi * 0.0005 / (532e-9 * 5);
        const auto integral = [k](double y) { return y / 2 + std::sin(2 * k * y) / (4 * k); };
        for (int bin = 0; bin <= 100; ++bin) {
            const double from = std::max(-yMax, (bin - 0.5) * yMax / 50 - yMax);
            const double to = std::min(yMax, (bin + 0.5) * yMax / 50 - yMax);
            const double expected =
                2000 * (integral(to) - integral(from)) / (integral(yMax) - integral(-yMax));
            QVERIFY2(std::abs(predicted[std::size_t(bin)] - expected) < 0.05,
                     qPrintable(QString::asprintf("bin %d: %.2f, expected %.4f", bin,
                                                  predicted[std::size_t(bin)], expected)));
        }
        QVERIFY(Fits(green, predicted));
        QVERIFY(!Fits(green, model::ExpectedCounts(model::DefaultApparatus(2), 2000)));

        QVERIFY(WithDialog([](ui::frmConditions&) {
            Keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return});
        }));
        QCOMPARE(Now(), (Conditions{532, 50, 500, true}));
        const auto [seen, flat] = RunOf2000();
        for (int bin = 0; bin <= 100; ++bin)
            QCOMPARE(flat[std::size_t(bin)], bin == 0 || bin == 100 ? 10.0 : 20.0);
        QVERIFY(Fits(seen, flat));
        QVERIFY(!Fits(seen, predicted));

        window.Close();
        QVERIFY(window.Open(random));
        QCOMPARE(window->apparatus(), model::DefaultApparatus(2));
    }
};

QTEST_MAIN(ConditionsTest)
#include "tst_conditions.moc"
