// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ChiSquare.h"
#include "CountingRandom.h"
#include "model/Apparatus.h"
#include "model/Intensity.h"
#include "model/PhotonSampler.h"
#include "model/StandardRandom.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

using fenwa::model::Apparatus;
using fenwa::model::DefaultApparatus;
using fenwa::model::Intensity;

namespace {

constexpr int Photons = 200000;
constexpr int Cells = 100;        // of the chi-square test
constexpr float Seed = 43200.25f; // a quarter second after noon

struct Run {
    std::vector<double> counts = std::vector<double>(Cells);
    std::int64_t draws = 0;
};

// The distributions a histogram is held against: the true one, and the ones
// that plausible mistakes in the sampler or the intensity would produce.
enum Model {
    Exact,
    AsOneSlit,
    AsTwoSlits,
    AsThreeSlits,
    Unsquared,         // the amplitude taken for the intensity
    AcceptAboveChance, // the acceptance test the wrong way round
    PiForTwoPi,        // the three-slit phases at half their size
};

// Chance that a try at height y is accepted under the model.
double Chance(Model model, Apparatus a, double y) {
    double chance = 0;
    switch (model) {
    case Exact: chance = Intensity(a, y); break;
    case AsOneSlit:
    case AsTwoSlits:
    case AsThreeSlits:
        a.SlitCount = static_cast<std::int16_t>(model - AsOneSlit + 1);
        chance = Intensity(a, y);
        break;
    case Unsquared: {
        const double phase = fenwa::model::Pi * y * a.SlitSize / (a.WaveLen * a.ScreenDist);
        chance = a.SlitCount == 1 ? (phase == 0 ? 1 : std::sin(phase) / phase) : std::cos(phase);
        break;
    }
    case AcceptAboveChance: chance = 1 - Intensity(a, y); break;
    case PiForTwoPi: // the same phases as twice the wavelength
        a.WaveLen *= 2;
        chance = Intensity(a, y);
        break;
    }
    return std::clamp(chance, 0.0, 1.0);
}

// Photons expected in each bin of [-YMax, YMax) under the model, by Simpson's
// rule within each bin.
std::vector<double> Expected(Model model, const Apparatus& a) {
    constexpr int steps = 16;
    const double width = 2 * a.YMax / Cells;
    const double h = width / steps;
    std::vector<double> mass(Cells);
    double total = 0;
    for (int b = 0; b < Cells; ++b) {
        const double start = -a.YMax + b * width;
        double sum = 0;
        for (int i = 0; i <= steps; ++i) {
            const double weight = (i == 0 || i == steps) ? 1 : (i % 2 == 1 ? 4 : 2);
            sum += weight * Chance(model, a, start + i * h);
        }
        mass[b] = sum * h / 3;
        total += mass[b];
    }
    for (double& m : mass)
        m *= Photons / total;
    return mass;
}

} // namespace

class TestSamplerStatistics : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void histogramAgainstModel_data();
    void histogramAgainstModel();
    void meanTriesPerPhoton_data();
    void meanTriesPerPhoton();

private:
    std::array<Run, 4> runs_; // by slit count
};

void TestSamplerStatistics::initTestCase() {
    for (int slits = 1; slits <= 3; ++slits) {
        const Apparatus apparatus = DefaultApparatus(slits);
        fenwa::test::CountingRandom random;
        random.Randomize(Seed);
        Run& run = runs_[static_cast<std::size_t>(slits)];
        const double width = 2 * apparatus.YMax / Cells;
        for (int i = 0; i < Photons; ++i) {
            const double y = fenwa::model::SamplePhotonY(apparatus, random);
            QVERIFY(y >= -apparatus.YMax && y < apparatus.YMax);
            const auto bin = static_cast<int>(std::floor((y + apparatus.YMax) / width));
            run.counts[static_cast<std::size_t>(std::min(bin, Cells - 1))] += 1;
        }
        run.draws = random.Draws();
    }
}

void TestSamplerStatistics::histogramAgainstModel_data() {
    QTest::addColumn<int>("slits");
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("fits");

    QTest::newRow("one slit fits its intensity") << 1 << int{Exact} << true;
    QTest::newRow("one slit is not the two-slit pattern") << 1 << int{AsTwoSlits} << false;
    QTest::newRow("one slit is not the amplitude") << 1 << int{Unsquared} << false;
    QTest::newRow("one slit is not accepted above the chance")
        << 1 << int{AcceptAboveChance} << false;
    QTest::newRow("two slits fit their intensity") << 2 << int{Exact} << true;
    QTest::newRow("two slits are not the three-slit pattern") << 2 << int{AsThreeSlits} << false;
    QTest::newRow("two slits are not the one-slit pattern") << 2 << int{AsOneSlit} << false;
    QTest::newRow("two slits are not the amplitude") << 2 << int{Unsquared} << false;
    QTest::newRow("two slits are not accepted above the chance")
        << 2 << int{AcceptAboveChance} << false;
    QTest::newRow("three slits fit their intensity") << 3 << int{Exact} << true;
    QTest::newRow("three slits are not the two-slit pattern") << 3 << int{AsTwoSlits} << false;
    QTest::newRow("three slits are not phased with Pi") << 3 << int{PiForTwoPi} << false;
    QTest::newRow("three slits are not accepted above the chance")
        << 3 << int{AcceptAboveChance} << false;
}

// The rows that must not fit show that the threshold has the power to tell
// the true distribution from the ones that likely bugs would sample.
void TestSamplerStatistics::histogramAgainstModel() {
    QFETCH(int, slits);
    QFETCH(int, model);
    QFETCH(bool, fits);
    const Apparatus apparatus = DefaultApparatus(slits);

    const fenwa::test::ChiSquare chi = fenwa::test::PearsonChiSquare(
        runs_[static_cast<std::size_t>(slits)].counts, Expected(Model(model), apparatus));
    const double threshold = fenwa::test::CriticalValue(chi.degrees);

    const QString message = QString::asprintf("chi-square %.1f with %d degrees, threshold %.1f",
                                              chi.statistic, chi.degrees, threshold);
    QVERIFY2((chi.statistic < threshold) == fits, qPrintable(message));
}

void TestSamplerStatistics::meanTriesPerPhoton_data() {
    QTest::addColumn<int>("slits");
    QTest::addColumn<double>("expected");
    QTest::newRow("one slit, about 4.2") << 1 << 4.2108;
    QTest::newRow("two slits, 2") << 2 << 2.0;
    QTest::newRow("three slits, 3") << 3 << 3.0;
}

void TestSamplerStatistics::meanTriesPerPhoton() {
    QFETCH(int, slits);
    QFETCH(double, expected);

    const double tries = runs_[static_cast<std::size_t>(slits)].draws / 2.0 / Photons;

    // The tries per photon are geometric with success chance 1 / expected;
    // allow five standard errors of the mean.
    const double chance = 1 / expected;
    const double tolerance = 5 * std::sqrt((1 - chance) / (chance * chance) / Photons);
    QVERIFY2(std::abs(tries - expected) <= tolerance,
             qPrintable(QString::asprintf("%.4f tries per photon, expected %.4f +- %.4f", tries,
                                          expected, tolerance)));
}

QTEST_GUILESS_MAIN(TestSamplerStatistics)
#include "tst_samplerstats.moc"
