// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/PictureBox.h"
#include "display/dspCommon.h"
#include "display/forms/WindowZoom.h"
#include "display/zoom/Twips.h"
#include "display/zoom/Zoom.h"
#include "model/Apparatus.h"
#include "model/Bins.h"
#include "model/Conditions.h"
#include "model/ExpectedCounts.h"
#include "model/Intensity.h"
#include "run/CountsCsv.h"
#include "run/HistogramPanel.h"
#include "run/Narration.h"
#include "run/RunConditions.h"
#include "run/RunPicture.h"

#include <QtTest>
#include <cmath>
#include <numbers>

Q_DECLARE_METATYPE(fenwa::model::Conditions)

using namespace fenwa;
using display::BgrColor;

namespace {

using dspCommon::GreyBlue;
constexpr BgrColor Cyan = 0xFFFF00;
constexpr BgrColor Green = 0x00FF00;

// A finished run of the given count with every bin holding perBin photons.
run::RunRecord Finished(std::int32_t count, std::int32_t perBin) {
    run::RunRecord record;
    record.DotsDrawn = record.HistoReady = true;
    record.Count = record.Stored = count;
    record.BinCounts.assign(model::Bins + 2, perBin);
    return record;
}

// The book's slits under other conditions.
model::Apparatus Under(int slits, model::Conditions conditions) {
    return model::WithConditions(model::DefaultApparatus(std::int16_t(slits)), conditions);
}

// The mean intensity over the screen far from the slits, by a midpoint sum
// of the far-field pattern: sinc^2 for one slit, cos^2 for two.
double FarFieldMean(const model::Apparatus& a) {
    const double k = std::numbers::pi * a.SlitSize / (a.WaveLen * a.ScreenDist);
    double sum = 0;
    for (int i = 0; i < 200000; ++i) {
        const double phase = k * a.YMax * ((i + 0.5) / 100000 - 1);
        sum += std::pow(a.SlitCount == 1 ? std::sin(phase) / phase : std::cos(phase), 2);
    }
    return sum / 200000;
}

} // namespace

class HistogramTest : public QObject {
    Q_OBJECT

    // The histogram panel as the main window has it: 182 x 396 pixels inside.
    std::unique_ptr<display::PictureBox> panel;
    display::Surface& surface() { return panel->surface(); }

private slots:
    void cleanup() { display::SetZoomFactor(1.0); }

    void init() {
        panel = std::make_unique<display::PictureBox>();
        panel->setGeometry(display::TwipsRect(9000, 960, 2790, 6000));
        surface().SetBackColor(0xF0F0F0);
    }

    // Elsewhere than at the book's, the mean intensity over the screen: one
    // slit at 532 nm keeps more than 0.95 of its light on it, and two slits'
    // fringes there do not fit the screen in whole, so their mean is not 1/2.
    void normalisationFactor_data() {
        QTest::addColumn<int>("slits");
        QTest::addColumn<int>("photons");
        QTest::addColumn<model::Conditions>("conditions");
        QTest::addColumn<double>("g");
        const model::Conditions book{633, 50, 500, false}, green{532, 50, 500, false};
        QTest::newRow("two slits, 1000 photons") << 2 << 1000 << book << 0.05;
        QTest::newRow("three slits, 300 photons") << 3 << 300 << book << 100.0 / 900;
        QTest::newRow("one slit, 100 photons") << 1 << 100 << book << 0.2375;
        QTest::newRow("one slit, 10000 photons") << 1 << 10000 << book << 0.002375;
        QTest::newRow("one slit 'seen', as the book's")
            << 1 << 100 << model::Conditions{633, 50, 500, true} << 0.2375;
        QTest::newRow("one slit, 532 nm")
            << 1 << 100 << green << FarFieldMean(Under(1, green)) * 100 / 100;
        QTest::newRow("two slits, 532 nm")
            << 2 << 2000 << green << FarFieldMean(Under(2, green)) * 100 / 2000;
    }
    void normalisationFactor() {
        QFETCH(int, slits);
        QFETCH(int, photons);
        QFETCH(model::Conditions, conditions);
        QFETCH(double, g);
        const double actual = run::NormalisationFactor(Under(slits, conditions), photons);
        QVERIFY2(std::abs(actual - g) < 1e-5 * g,
                 qPrintable(QString::asprintf("g = %.9g", actual)));
    }

    // Zoomed, the curve keeps to the intensity between its 100 points: on
    // every row of device pixels, it covers the place of the true curve.
    void aZoomedCurveIsSmooth_data() {
        QTest::addColumn<double>("zoom");
        QTest::newRow("175 %") << 1.75;
        QTest::newRow("300 %") << 3.0;
    }
    void aZoomedCurveIsSmooth() {
        QFETCH(double, zoom);
        display::SetZoomFactor(zoom);
        panel->setGeometry(display::ToScreen(display::TwipsRect(9000, 960, 2790, 6000)));
        const auto apparatus = model::DefaultApparatus(2);
        run::DrawHistogram(Finished(1000, 0), apparatus, surface(), GreyBlue);
        const QImage image = surface().Image();
        const double scale = image.height() / 396.0; // device pixels per pixel of the design
        const double hs = 182 / 1.2, vs = 396 / (2 * apparatus.YMax);
        double worst = 0;
        for (int row = int(8 * scale); row < int(388 * scale); ++row) {
            const double y = (row + 0.5) / scale - 0.5; // in pixels of the design
            const double x =
                (model::Intensity(apparatus, y / vs - apparatus.YMax) * hs + 0.5) * scale;
            if (x < 3 * scale) continue; // under the bars' outlines at the left edge
            int left = image.width(), right = -1;
            for (int column = int(scale); column < image.width(); ++column)
                if (image.pixel(column, row) == qRgb(0, 255, 0)) {
                    left = std::min(left, column);
                    right = std::max(right, column + 1);
                }
            worst = std::max({worst, left - x, x - right});
        }
        QVERIFY(worst < 0.25); // the 100 points' straight pieces miss it by 0.6 to 1.8
    }

    void curveHasOneHundredPointsFromTheTopEdge() {
        const auto apparatus = model::DefaultApparatus(2);
        const double vs = 396 / (2 * apparatus.YMax);
        const auto points = run::CurvePoints(apparatus, 182 / 1.2, vs);
        QCOMPARE(points.size(), size_t(100));
        QCOMPARE(points.front(), QPoint(152, 0)); // bright fringe at -YMax
        QCOMPARE(points[25], QPoint(152, 99));    // bright fringe at -YMax / 2
        QCOMPARE(points[50], QPoint(152, 198));   // the centre
        QCOMPARE(points.back().y(), 392);         // the point at +YMax is not drawn
    }

    void nothingIsDrawnBeforeARunHasEnded() {
        run::RunRecord record = Finished(1000, 20);
        record.HistoReady = false;
        run::DrawHistogram(record, model::DefaultApparatus(2), surface(), GreyBlue);
        QCOMPARE(surface().Point(0, 0), BgrColor(0xF0F0F0));
        QCOMPARE(surface().Point(100, 200), BgrColor(0xF0F0F0));
    }

    void barsLieOnTheCurveScaleInTheirColours() {
        // Two slits, 1000 photons, 20 in every bin: each bar estimates intensity 1.
        run::DrawHistogram(Finished(1000, 20), model::DefaultApparatus(2), surface(), GreyBlue);
        const int length = 152;                     // round(20 * 0.05 * 182 / 1.2)
        QCOMPARE(surface().Point(0, 0), Cyan);      // bar 0 starts at the top edge
        QCOMPARE(surface().Point(length, 2), Cyan); // its right end
        QCOMPARE(surface().Point(length + 1, 2), GreyBlue);
        QCOMPARE(surface().Point(0, 395), Cyan);    // bar 99 reaches the bottom edge
        QCOMPARE(surface().Point(60, 6), GreyBlue); // outlines: the background shows
        bool green = false;
        for (int y = 0; y < 396 && !green; ++y)
            for (int x = 1; x < length && !green; ++x)
                green = surface().Point(x, y) == Green;
        QVERIFY(green); // the curve stays visible between the outlines
    }

    // Empty bins draw lines at x = 0 from the top corner of bar 0 to the
    // bottom corner of bar 99, on top of the curve.
    void emptyBinStillDrawsAZeroWidthBar() {
        run::DrawHistogram(Finished(1000, 0), model::DefaultApparatus(2), surface(), GreyBlue);
        for (const int y : {0, 1, 100, 395})
            QCOMPARE(surface().Point(0, y), Cyan);
        QCOMPARE(surface().Point(1, 0), GreyBlue);
    }

    // Bin k holds k photons, so every row shows which bin it reports.
    void countsCsvHasARowForEveryBin() {
        run::FinishedRun finished{model::DefaultApparatus(2), Finished(5050, 0)};
        finished.Record.Arrangements = {{model::DefaultApparatus(2), 5050}};
        for (int k = 0; k <= model::Bins; ++k)
            finished.Record.BinCounts[std::size_t(k)] = k;
        const QByteArray csv = run::CountsCsv(finished);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QVERIFY(csv.endsWith("\r\n"));
        QCOMPARE(csv.count('\n'), csv.count("\r\n"));
        const QStringList rows = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(rows.size(), 1 + 101 + 1); // the last line end leaves an empty piece
        QCOMPARE(rows[0], QStringLiteral("ビン,高さ（mm）,度数,理論値"));
        QVERIFY(rows[1].startsWith(QStringLiteral("0,-12.6600,0,")));
        QVERIFY(rows[2].startsWith(QStringLiteral("1,-12.4068,1,")));
        QVERIFY(rows[50].startsWith(QStringLiteral("49,-0.2532,49,")));
        QVERIFY(rows[51].startsWith(QStringLiteral("50,0.0000,50,"))); // never -0.0000
        QVERIFY(rows[52].startsWith(QStringLiteral("51,0.2532,51,")));
        QVERIFY(rows[101].startsWith(QStringLiteral("100,12.6600,100,")));
        double predicted = 0;
        for (int row = 1; row <= 101; ++row) {
            const QString expected = rows[row].section(QLatin1Char(','), 3);
            QVERIFY2(expected.indexOf(QLatin1Char('.')) == expected.size() - 3,
                     qPrintable(expected));
            predicted += expected.toDouble();
        }
        QVERIFY(std::abs(predicted - 5050) <= 101 * 0.005);
        QCOMPARE(rows[1].section(QLatin1Char(','), 3),
                 QStringLiteral("50.43")); // 5050 * 9.987 / 1000
    }

    // A run switched from three slits to one is predicted as what was drawn:
    // at -YMax / 2 (bin 25) three slits are bright and one slit is dark, so
    // the last arrangement alone would predict almost nothing there.
    void mixedRunsArePredictedAndNamedForWhatWasDrawn() {
        const auto three = model::DefaultApparatus(3), one = model::DefaultApparatus(1);
        run::FinishedRun mixed{one, Finished(2000, 0)};
        mixed.Record.Arrangements = {{three, 1100}, {one, 900}};
        const QStringList rows = QString::fromUtf8(run::CountsCsv(mixed)).split(u'\n');
        for (const int k : {25, 33, 50}) {
            const double sum = model::ExpectedCounts(three, 1100)[std::size_t(k)] +
                               model::ExpectedCounts(one, 900)[std::size_t(k)];
            QCOMPARE(rows[k + 1].section(u',', 3).trimmed().toDouble(),
                     std::round(sum * 100) / 100);
        }
        const run::SlitCaption caption = [](int slits) {
            return QStringList{"", "単スリット", "２重スリット", "３重スリット"}.at(slits);
        };
        QCOMPARE(run::RunPictureLine(mixed, caption),
                 QString::fromUtf16(u"３重スリット 1100 個 → 単スリット 900 個"));
        // Other conditions follow, in a line as in a file's name.
        const auto seen = Under(2, {532, 50, 500, true});
        run::FinishedRun green{seen, Finished(2000, 0)};
        green.Record.Arrangements = {{seen, 2000}};
        QCOMPARE(run::RunPictureLine(green, caption),
                 QString::fromUtf16(
                     u"２重スリット　フォトン 2000 個　532 nm　0.50 mm　5.00 m　通り道を観測"));
        QCOMPARE(run::ConditionsFileName(green), QStringLiteral("-532nm-500um-500cm-observed"));
        const auto violet = Under(1, {405, 5, 1000, true}),
                   violetTwo = Under(2, {405, 5, 1000, false});
        mixed.Apparatus = violet;
        mixed.Record.Arrangements = {{violetTwo, 1100}, {violet, 900}};
        QCOMPARE(run::RunPictureLine(mixed, caption),
                 QString::fromUtf16(
                     u"２重スリット 1100 個 → 単スリット 900 個　405 nm　0.05 mm　10.00 m"));
        QCOMPARE(run::ConditionsFileName(mixed), QStringLiteral("-405nm-50um-1000cm"));
        // Shown or printed at its size in the window, also where the window's
        // pixels are finer than the layout's.
        QImage panels(200, 100, QImage::Format_RGB32);
        panels.setDevicePixelRatio(2);
        const QImage picture = run::RunPicture(mixed, panels, 1.0, caption, {"Arial", 12});
        QCOMPARE(picture.dotsPerMeterX(), 2 * qRound(96 / 0.0254));
    }

    // The central band of two slits spans a quarter of a spacing either side,
    // 6.25 bins: bins 44 to 56 count, 43 and 57 do not. Far from the slits the
    // light is cos^2(k y), whose integral is y / 2 + sin(2 k y) / (4 k).
    void brightFringesCountTheBinsOfTheirBands() {
        const model::Apparatus apparatus = model::DefaultApparatus(2);
        run::FinishedRun finished{apparatus, Finished(1000, 0)};
        finished.Record.Arrangements = {{apparatus, 1000}};
        for (const int bin : {0, 6, 7, 43, 44, 56, 57})
            finished.Record.BinCounts[std::size_t(bin)] = 1;
        const std::vector<run::FringeCount> fringes = run::CountBrightFringes(finished);
        QCOMPARE(fringes.size(), std::size_t(5));
        QVERIFY(fringes[0].AtEdge && fringes[0].Y < 0 && !fringes[2].AtEdge);
        QCOMPARE(fringes[0].Counted, 2); // bins 0 to 6 from the top edge
        QCOMPARE(fringes[2].Counted, 2);
        const double k =
            std::numbers::pi * apparatus.SlitSize / (apparatus.WaveLen * apparatus.ScreenDist);
        const double y = 6.5 * model::BinWidth(apparatus);
        const double centre = 1000 * (y + std::sin(2 * k * y) / (2 * k)) / apparatus.YMax;
        QVERIFY2(std::abs(fringes[2].Predicted - centre) < 0.01,
                 qPrintable(QString::number(fringes[2].Predicted)));
        QVERIFY(std::abs(fringes[0].Predicted * 2 - fringes[1].Predicted) < 1); // half a band

        const QString end = run::RunEndSentence(finished);
        QVERIFY2(end.contains(QStringLiteral("1000 個のうち 4 個")), qPrintable(end));
    }

    // What the panels say of a run names the slits, the count and the
    // fringes' heights in millimetres, the top edge included.
    void narrationNamesTheRun_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fragments");
        const model::Apparatus two = model::DefaultApparatus(2);
        const model::Apparatus one = model::DefaultApparatus(1);
        run::FinishedRun three{model::DefaultApparatus(3), Finished(2000, 20)};
        three.Record.Arrangements = {{model::DefaultApparatus(3), 2000}};
        run::FinishedRun mixed{one, Finished(2000, 20)};
        mixed.Record.Arrangements = {{two, 1100}, {one, 900}};
        QTest::newRow("screen during a run")
            << run::ScreenDescription(two, {{two, 499}}, 499, 1000)
            << QStringList{"２重スリット", "1000 個のうち 499 個",
                           "0、±6.3 mm と上下の端 ±12.7 mm の 5 本", "暗い縞は ±3.2、±9.5 mm"};
        QTest::newRow("screen at the end")
            << run::ScreenDescription(one, {}, 100, 100)
            << QStringList{"単スリット", "100 個がすべて", "0 mm の 1 本", "弱い縞は ±9.1 mm",
                           "暗い縞は ±6.3 mm と上下の端 ±12.7 mm"};
        QTest::newRow("histogram at the end")
            << run::HistogramDescription(three)
            << QStringList{"３重スリット、フォトン 2000 個",
                           "上端 12.7 mm で 80 個（理論値 175 個）",
                           "中央で 140 個（理論値 351 個）", "弱い縞は ±3.2、±9.5 mm"};
        // One slit's central band holds 0.778 of its light, and 0.25 of two slits'.
        QTest::newRow("slits changed in the run")
            << run::RunEndSentence(mixed)
            << QStringList{
                   "フォトン 2000 個（２重スリットで 1100 個、単スリットで 900 個）のうち 460 個",
                   "理論値 975 個"};
        QTest::newRow("start") << run::RunStartSentence(two, 1000)
                               << QStringList{"２重スリット", "1000 個"};
        QTest::newRow("one slit's readout")
            << run::ApparatusLines(model::DefaultApparatus(1)).join(u'/')
            << QStringList{"距離 5.00 m/", "幅 0.50 mm/", "（He-Ne レーザー) 0.633 μm/",
                           "長さ 2.53 cm"};
        QTest::newRow("a watched readout at 532 nm, 0.5 m")
            << run::ApparatusLines(Under(2, {532, 50, 50, true})).join(u'/')
            << QStringList{"距離 0.50 m/", "/光の波長 0.532 μm/",
                           "cm/どのスリットを通ったかを観測中"};
    }

    void narrationNamesTheRun() {
        QFETCH(QString, text);
        QFETCH(QStringList, fragments);
        for (const QString& fragment : fragments)
            QVERIFY2(text.contains(fragment), qPrintable(text + QStringLiteral(" / ") + fragment));
    }

    // Quarters are told as they are passed, and only where a quarter lasts
    // a second: 500 photons take four.
    void quartersOfARun() {
        QCOMPARE(run::QuartersArrived(249, 1000), 0);
        QCOMPARE(run::QuartersArrived(250, 1000), 1);
        QCOMPARE(run::QuartersArrived(999, 1000), 3);
        QCOMPARE(run::QuartersArrived(1000, 1000), 4);
        QVERIFY(!run::TellsQuarters(499));
        QVERIFY(run::TellsQuarters(500));
    }
};

QTEST_MAIN(HistogramTest)
#include "tst_histogram.moc"
