// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ChiSquare.h"
#include "model/StandardRandom.h"

#include <QTest>

#include <cmath>
#include <vector>

using fenwa::model::StandardRandom;

namespace {

std::vector<float> Draw(StandardRandom& random, int count) {
    std::vector<float> values(static_cast<std::size_t>(count));
    for (float& value : values)
        value = random.RandomNext();
    return values;
}

std::vector<float> SequenceFrom(float seed, int count) {
    StandardRandom random;
    random.Randomize(seed);
    return Draw(random, count);
}

} // namespace

class TestStandardRandom : public QObject {
    Q_OBJECT

private slots:
    void differentTimesOfDayDiffer_data();
    void differentTimesOfDayDiffer();
    void sameSeedRepeats();
    void valuesAreWholeStepsBelowOne();
    void uniformOverTheUnitInterval();
};

void TestStandardRandom::differentTimesOfDayDiffer_data() {
    QTest::addColumn<float>("first");
    QTest::addColumn<float>("second");
    QTest::newRow("one second apart") << 36000.0f << 36001.0f;
    QTest::newRow("neighbouring floats before midnight")
        << 86399.99f << std::nextafter(86399.99f, 0.0f);
    QTest::newRow("midnight and the next float") << 0.0f << 0x1p-149f;
    QTest::newRow("same fraction, different hour") << 3600.5f << 7200.5f;
}

void TestStandardRandom::differentTimesOfDayDiffer() {
    QFETCH(float, first);
    QFETCH(float, second);

    const std::vector<float> a = SequenceFrom(first, 100);
    const std::vector<float> b = SequenceFrom(second, 100);

    int equal = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        equal += a[i] == b[i] ? 1 : 0;
    QVERIFY2(equal <= 1, qPrintable(QStringLiteral("%1 of 100 draws equal").arg(equal)));
}

void TestStandardRandom::sameSeedRepeats() {
    StandardRandom random;
    random.Randomize(45296.5f);
    const std::vector<float> first = Draw(random, 1000);

    // Randomize restarts the sequence, whatever was drawn before.
    random.Randomize(45296.5f);
    QVERIFY(Draw(random, 1000) == first);
    QVERIFY(SequenceFrom(45296.5f, 1000) == first);
}

void TestStandardRandom::valuesAreWholeStepsBelowOne() {
    StandardRandom random;
    random.Randomize(1.0f);
    float lowest = 1;
    float highest = 0;
    for (int i = 0; i < 1000000; ++i) {
        const float value = random.RandomNext();
        // Multiples of 2^-24: the step the photon sampler's single-precision
        // comparison relies on, and never a value rounded up to 1.
        const float steps = value * 0x1p24f;
        QVERIFY2(value >= 0.0f && value < 1.0f && steps == std::floor(steps),
                 qPrintable(QString::number(double(value), 'g', 9)));
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    QVERIFY(lowest < 1e-5f);
    QVERIFY(highest > 1 - 1e-5f);
}

void TestStandardRandom::uniformOverTheUnitInterval() {
    StandardRandom random;
    random.Randomize(12345.0f);
    constexpr int draws = 1000000;
    constexpr int bins = 1000;
    std::vector<double> counts(bins);
    for (int i = 0; i < draws; ++i)
        counts[static_cast<std::size_t>(random.RandomNext() * bins)] += 1;

    const fenwa::test::ChiSquare chi =
        fenwa::test::PearsonChiSquare(counts, std::vector<double>(bins, double{draws} / bins));

    QVERIFY2(chi.statistic < fenwa::test::CriticalValue(chi.degrees),
             qPrintable(
                 QString::asprintf("chi-square %.1f with %d degrees", chi.statistic, chi.degrees)));
}

QTEST_GUILESS_MAIN(TestStandardRandom)
#include "tst_random.moc"
