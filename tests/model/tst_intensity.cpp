// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "model/Apparatus.h"
#include "model/Conditions.h"
#include "model/ExpectedCounts.h"
#include "model/Fringes.h"
#include "model/Intensity.h"

#include <QTest>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <numeric>

using fenwa::model::Apparatus;
using fenwa::model::Conditions;
using fenwa::model::DefaultApparatus;
using fenwa::model::Intensity;
using fenwa::model::WithConditions;

namespace {

// |sum of unit waves from point slits at the given positions|^2 / n^2, with
// the path differences taken by plain subtraction in extended precision: an
// independent route to the same physics.
double SumOfWaves(const Apparatus& a, std::initializer_list<long double> slits, double y) {
    const long double L = a.ScreenDist;
    const long double first = std::sqrt(std::pow(y - *slits.begin(), 2) + L * L);
    long double re = 0;
    long double im = 0;
    for (const long double s : slits) {
        const long double path = std::sqrt(std::pow(y - s, 2) + L * L);
        const long double phase = 2 * std::numbers::pi_v<long double> * (path - first) / a.WaveLen;
        re += std::cos(phase);
        im += std::sin(phase);
    }
    const auto n = static_cast<long double>(slits.size());
    return static_cast<double>((re * re + im * im) / (n * n));
}

// The sum of the waves from the apparatus's own two or three slits.
double SumOfWaves(const Apparatus& a, double y) {
    const long double d = a.SlitSize;
    return a.SlitCount == 2 ? SumOfWaves(a, {-d / 2, d / 2}, y) : SumOfWaves(a, {-d, 0, d}, y);
}

// The slits of the book with other conditions.
Apparatus Under(int slits, Conditions conditions) {
    return WithConditions(DefaultApparatus(std::int16_t(slits)), conditions);
}

} // namespace

Q_DECLARE_METATYPE(Apparatus)

class TestIntensity : public QObject {
    Q_OBJECT

private slots:
    void valuesOfTheDefaultApparatus_data();
    void valuesOfTheDefaultApparatus();
    void evenAndAProbability_data();
    void evenAndAProbability();
    void agreesWithTheSumOfWaves_data();
    void agreesWithTheSumOfWaves();
    void otherSlitCountsGiveNoLight_data();
    void otherSlitCountsGiveNoLight();
    void averageOverTheScreen_data();
    void averageOverTheScreen();
    void fringesOfTheDefaultApparatus_data();
    void fringesOfTheDefaultApparatus();
    void conditionsInWholeSteps();
};

void TestIntensity::valuesOfTheDefaultApparatus_data() {
    QTest::addColumn<int>("slits");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");

    const double yMax = DefaultApparatus(1).YMax;
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double pi = std::numbers::pi;
    QTest::newRow("one slit, centre is exactly 1") << 1 << 0.0 << 1.0 << 0.0;
    QTest::newRow("one slit, negative zero") << 1 << -0.0 << 1.0 << 0.0;
    // Nonzero y whose phase underflows to 0 must not become 0/0.
    QTest::newRow("one slit, phase underflows") << 1 << tiny << 1.0 << 0.0;
    QTest::newRow("one slit, quarter: 4/pi^2") << 1 << 0.25 * yMax << 4 / (pi * pi) << 1e-12;
    QTest::newRow("one slit, first zero") << 1 << 0.5 * yMax << 0.0 << 1e-12;
    QTest::newRow("one slit, second zero at the edge") << 1 << yMax << 0.0 << 1e-12;
    QTest::newRow("two slits, centre is exactly 1") << 2 << 0.0 << 1.0 << 0.0;
    QTest::newRow("two slits, first dark fringe") << 2 << 0.25 * yMax << 0.0 << 1e-9;
    QTest::newRow("two slits, first bright fringe") << 2 << 0.5 * yMax << 1.0 << 1e-9;
    QTest::newRow("two slits, second bright fringe at the edge") << 2 << yMax << 1.0 << 1e-9;
}

void TestIntensity::valuesOfTheDefaultApparatus() {
    QFETCH(int, slits);
    QFETCH(double, y);
    QFETCH(double, expected);
    QFETCH(double, tolerance);

    const double actual = Intensity(DefaultApparatus(slits), y);

    QCOMPARE(fenwa::model::TwoPi, 6.283185307179586); // pi at full precision, never 0
    QVERIFY2(std::abs(actual - expected) <= tolerance,
             qPrintable(QString::asprintf("I = %.17g, expected %.17g", actual, expected)));
}

void TestIntensity::evenAndAProbability_data() {
    QTest::addColumn<int>("slits");
    QTest::newRow("one slit") << 1;
    QTest::newRow("two slits") << 2;
    QTest::newRow("three slits") << 3;
}

void TestIntensity::evenAndAProbability() {
    QFETCH(int, slits);
    const Apparatus apparatus = DefaultApparatus(slits);

    // The formulas mirror term by term, so the match is exact, not approximate;
    // the photon sampler treats the intensity as a probability.
    for (int k = 0; k <= 50000; ++k) {
        const double y = apparatus.YMax * k / 50000 * 1.0000001;
        const double intensity = Intensity(apparatus, y);
        QVERIFY2(Intensity(apparatus, -y) == intensity && intensity >= 0.0 && intensity <= 1.0,
                 qPrintable(QString::asprintf("I(%g) = %.17g, I(-y) = %.17g", y, intensity,
                                              Intensity(apparatus, -y))));
    }
}

void TestIntensity::agreesWithTheSumOfWaves_data() {
    QTest::addColumn<Apparatus>("apparatus");
    QTest::newRow("two slits") << DefaultApparatus(2);
    // The outer paths are longer than the middle one by about d^2 / 2L, so
    // even the centre of three falls short of 1: 0.98639.
    QTest::newRow("three slits") << DefaultApparatus(3);
    QTest::newRow("two slits, 532 nm") << Under(2, {532, 50, 500, false});
    QTest::newRow("three slits, 405 nm, 2 mm, 0.5 m") << Under(3, {405, 200, 50, false});
    QTest::newRow("two slits, 780 nm, 0.05 mm, 10 m") << Under(2, {780, 5, 1000, false});
}

// The intensity at 2001 heights, and the counts expected in every bin against
// a midpoint sum of the waves on 4096 points a bin: among the rows, fringes a
// third of a bin apart and a pattern that fills the screen.
void TestIntensity::agreesWithTheSumOfWaves() {
    QFETCH(Apparatus, apparatus);

    for (int k = -1000; k <= 1000; ++k) {
        const double y = apparatus.YMax * k / 1000;
        const double expected = SumOfWaves(apparatus, y);
        const double actual = Intensity(apparatus, y);
        QVERIFY2(std::abs(actual - expected) <= 1e-7,
                 qPrintable(QString::asprintf("y = %g: I = %.12g, sum of waves %.12g", y, actual,
                                              expected)));
    }

    // Bin k is centred on k YMax / 50 - YMax; the end bins lie half off the screen.
    const double bin = 2 * apparatus.YMax / 100, edge = apparatus.YMax;
    std::vector<double> light(101);
    for (std::size_t k = 0; k <= 100; ++k) {
        const double from = std::max(-edge, (double(k) - 0.5) * bin - edge);
        const double to = std::min(edge, (double(k) + 0.5) * bin - edge);
        for (int i = 0; i < 4096; ++i)
            light[k] += SumOfWaves(apparatus, from + (i + 0.5) * (to - from) / 4096) * (to - from);
    }
    const double total = std::accumulate(light.begin(), light.end(), 0.0);
    const std::vector<double> counts = fenwa::model::ExpectedCounts(apparatus, 2000);
    for (std::size_t k = 0; k <= 100; ++k)
        QVERIFY2(std::abs(counts[k] - 2000 * light[k] / total) < 1e-3,
                 qPrintable(QString::asprintf("bin %zu: %.6f, expected %.6f", k, counts[k],
                                              2000 * light[k] / total)));
    QVERIFY(std::abs(std::accumulate(counts.begin(), counts.end(), 0.0) - 2000) < 1e-9);
}

void TestIntensity::otherSlitCountsGiveNoLight_data() {
    QTest::addColumn<int>("slits");
    QTest::newRow("no slits") << 0;
    QTest::newRow("minus one") << -1;
    QTest::newRow("four") << 4;
    QTest::newRow("largest 16-bit") << int{INT16_MAX};
    QTest::newRow("smallest 16-bit") << int{INT16_MIN};
}

void TestIntensity::otherSlitCountsGiveNoLight() {
    QFETCH(int, slits);
    const Apparatus apparatus = DefaultApparatus(slits);

    for (const double f : {-1.0, -0.25, 0.0, 0.5, 1.0})
        QCOMPARE(Intensity(apparatus, f * apparatus.YMax), 0.0);
}

void TestIntensity::averageOverTheScreen_data() {
    QTest::addColumn<int>("slits");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    // One slit: the central and first side lobes hold 0.95 lambda L / d of
    // the integral; the observed stretch is 4 lambda L / d high.
    QTest::newRow("one slit") << 1 << 0.2375 << 1e-4;
    QTest::newRow("two slits") << 2 << 0.5 << 1e-5;
    QTest::newRow("three slits") << 3 << 1.0 / 3 << 1e-5;
}

void TestIntensity::averageOverTheScreen() {
    QFETCH(int, slits);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    const Apparatus apparatus = DefaultApparatus(slits);

    // Simpson's rule over [-YMax, YMax].
    constexpr int intervals = 20000;
    const double h = 2 * apparatus.YMax / intervals;
    double sum = 0;
    for (int i = 0; i <= intervals; ++i) {
        const double weight = (i == 0 || i == intervals) ? 1 : (i % 2 == 1 ? 4 : 2);
        sum += weight * Intensity(apparatus, -apparatus.YMax + i * h);
    }
    const double average = sum * h / 3 / (2 * apparatus.YMax);

    QVERIFY2(std::abs(average - expected) <= tolerance,
             qPrintable(QString::asprintf("average %.9f, expected %.9f", average, expected)));
    // The integration behind the predicted counts, on far fewer intervals.
    const double integrated =
        fenwa::model::IntegratedIntensity(apparatus, -apparatus.YMax, apparatus.YMax);
    QVERIFY(std::abs(integrated / (2 * apparatus.YMax) - average) < 1e-9);
}

// Heights in fringe spacings, lambda L / d, half of YMax; the exact paths
// move them by a few parts in a million of that, except the dark lines of
// three slits: the outer slits' paths differ by d^2 / L besides, and those
// lines move by a hundredth of a third and stay a little lit.
void TestIntensity::fringesOfTheDefaultApparatus_data() {
    QTest::addColumn<int>("slits");
    QTest::addColumn<QList<double>>("bright");
    QTest::addColumn<QList<double>>("faint");
    QTest::addColumn<QList<double>>("dark");
    QTest::addColumn<double>("darkTolerance");
    // The side lobe of one slit peaks where tan(beta) = beta: 4.4934 / pi.
    QTest::newRow("one slit") << 1 << QList<double>{0} << QList<double>{-1.4303, 1.4303}
                              << QList<double>{-2, -1, 1, 2} << 1e-4;
    QTest::newRow("two slits") << 2 << QList<double>{-2, -1, 0, 1, 2} << QList<double>{}
                               << QList<double>{-1.5, -0.5, 0.5, 1.5} << 1e-4;
    QTest::newRow("three slits") << 3 << QList<double>{-2, -1, 0, 1, 2}
                                 << QList<double>{-1.5, -0.5, 0.5, 1.5}
                                 << QList<double>{-5 / 3.0, -4 / 3.0, -2 / 3.0, -1 / 3.0,
                                                  1 / 3.0,  2 / 3.0,  4 / 3.0,  5 / 3.0}
                                 << 5e-3;
}

void TestIntensity::fringesOfTheDefaultApparatus() {
    QFETCH(int, slits);
    QFETCH(QList<double>, bright);
    QFETCH(QList<double>, faint);
    QFETCH(QList<double>, dark);
    QFETCH(double, darkTolerance);
    const Apparatus apparatus = DefaultApparatus(std::int16_t(slits));
    const double spacing = apparatus.YMax / 2;
    const fenwa::model::FringeMap map = fenwa::model::FindFringes(apparatus);
    const auto check = [&](const std::vector<fenwa::model::Fringe>& found,
                           const QList<double>& expected, double tolerance, const char* kind) {
        QCOMPARE(qsizetype(found.size()), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const fenwa::model::Fringe& fringe = found[std::size_t(i)];
            QVERIFY2(std::abs(fringe.Y / spacing - expected[i]) < tolerance,
                     qPrintable(QString::asprintf("%s %lld at %.6f", kind, i, fringe.Y / spacing)));
            QCOMPARE(fringe.AtEdge, std::abs(expected[i]) == 2);
        }
    };
    check(map.Bright, bright, 1e-4, "bright");
    check(map.Faint, faint, 1e-4, "faint");
    check(map.Dark, dark, darkTolerance, "dark");
    for (const auto& fringe : map.Bright)
        QVERIFY(fringe.Level > 0.98);
    for (const auto& fringe : map.Faint)
        QVERIFY(fringe.Level < 0.5);
    // Each dark line is darker than a micrometre either side of it.
    for (const auto& fringe : map.Dark) {
        QVERIFY(fringe.Level < 0.01);
        for (const double side : {-1e-6, 1e-6})
            if (std::abs(fringe.Y + side) <= apparatus.YMax)
                QVERIFY(Intensity(apparatus, fringe.Y + side) > fringe.Level);
    }

    // The bright bands of two slits: cos^2 falls to half a quarter of a
    // spacing from the peak, and the top one ends at the edge.
    if (slits == 2) {
        const auto centre = fenwa::model::HalfMaximumSpan(apparatus, map.Bright[2]);
        QVERIFY(std::abs(centre.To / spacing - 0.25) < 1e-4 && centre.From == -centre.To);
        const auto top = fenwa::model::HalfMaximumSpan(apparatus, map.Bright[0]);
        QVERIFY(top.From == -apparatus.YMax && std::abs(top.To / spacing + 1.75) < 1e-4);
    }
}

// Every step of each range comes back from metres as itself; the book's give
// the book's lengths to the bit. One slit leaves nothing to see.
void TestIntensity::conditionsInWholeSteps() {
    using namespace fenwa::model;
    const Apparatus book = DefaultApparatus(1);
    QCOMPARE(WithConditions(book, ConditionsOf(book)), book);
    for (int step = 0; step <= FarthestScreen - NearestScreen; ++step) {
        const Conditions conditions{std::min(ShortestWaveLenNm + step, LongestWaveLenNm),
                                    std::min(SmallestSlitSize + step, LargestSlitSize),
                                    NearestScreen + step, false};
        QVERIFY(ConditionsOf(WithConditions(book, conditions)) == conditions);
    }
    const Apparatus seen = WithConditions(book, {633, 50, 500, true});
    QCOMPARE(Intensity(seen, 0.3 * book.YMax), Intensity(book, 0.3 * book.YMax));
}

QTEST_GUILESS_MAIN(TestIntensity)
#include "tst_intensity.moc"
