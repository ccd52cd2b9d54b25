// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ScriptedRandom.h"
#include "model/Apparatus.h"
#include "model/Intensity.h"
#include "model/PhotonSampler.h"

#include <QTest>

#include <cmath>
#include <cstdint>

using fenwa::model::Apparatus;
using fenwa::model::DefaultApparatus;
using fenwa::model::SamplePhotonY;
using fenwa::test::ScriptedRandom;

namespace {

constexpr float LargestBelowOne = 1.0f - 0x1p-24f;
constexpr float SmallestAboveZero = 0x1p-24f;

// A draw r1 near the one-slit centre where the intensity lies strictly between
// the largest float below 1 and 1, but rounds down to that float: only a
// single-precision comparison rejects r2 = LargestBelowOne there.
float DrawWhereChanceRoundsDownBelowOne() {
    const Apparatus apparatus = DefaultApparatus(1);
    for (float r1 = 0.5f; r1 < 0.6f; r1 = std::nextafter(r1, 1.0f)) {
        const double y = (static_cast<double>(r1) + r1 - 1) * apparatus.YMax;
        const double intensity = fenwa::model::Intensity(apparatus, y);
        if (intensity > LargestBelowOne && static_cast<float>(intensity) == LargestBelowOne)
            return r1;
    }
    return -1.0f;
}

// Replays a script and switches the apparatus to one slit after the first
// try, so that a try with no light at all can be followed by one that ends.
class SwitchingRandom : public ScriptedRandom {
public:
    SwitchingRandom(QList<float> values, Apparatus& apparatus)
        : ScriptedRandom(std::move(values)), apparatus_(apparatus) {}
    float RandomNext() override {
        const float value = ScriptedRandom::RandomNext();
        if (Draws() == 2) apparatus_.SlitCount = 1;
        return value;
    }

private:
    Apparatus& apparatus_;
};

} // namespace

class TestSampler : public QObject {
    Q_OBJECT

private slots:
    void tries_data();
    void tries();
    void noLightIsNeverAccepted();
};

void TestSampler::tries_data() {
    QTest::addColumn<int>("slits");
    QTest::addColumn<QList<float>>("script");
    QTest::addColumn<double>("yOverYMax");
    QTest::addColumn<int>("draws");

    // Every row that rejects its first try ends on the one-slit centre, or
    // the two-slit centre, where the intensity is exactly 1.
    QTest::newRow("r1 = 0 lands on -YMax exactly") << 2 << QList<float>{0.0f, 0.0f} << -1.0 << 2;
    QTest::newRow("largest r1 stays below +YMax")
        << 2 << QList<float>{LargestBelowOne, 0.0f} << 1.0 - 0x1p-23 << 2;
    QTest::newRow("intensity exactly 1 accepts the largest r2")
        << 1 << QList<float>{0.5f, LargestBelowOne} << 0.0 << 2;
    // Two slits at -YMax: 1 - 4e-10, which rounds to 1 in single precision.
    QTest::newRow("chance rounding up to 1 accepts the largest r2")
        << 2 << QList<float>{0.0f, LargestBelowOne} << -1.0 << 2;
    const float nearCentre = DrawWhereChanceRoundsDownBelowOne();
    QVERIFY(nearCentre > 0.5f);
    QTest::newRow("chance rounding down to r2 rejects it")
        << 1 << QList<float>{nearCentre, LargestBelowOne, 0.5f, 0.0f} << 0.0 << 4;
    QTest::newRow("chance rounding down accepts the float below it")
        << 1 << QList<float>{nearCentre, std::nextafter(LargestBelowOne, 0.0f)}
        << 2.0 * nearCentre - 1 << 2;
    // One slit at YMax / 2: about 1e-32, positive in single precision.
    QTest::newRow("tiny chance accepts r2 = 0") << 1 << QList<float>{0.75f, 0.0f} << 0.5 << 2;
    QTest::newRow("tiny chance rejects the smallest positive r2")
        << 1 << QList<float>{0.75f, SmallestAboveZero, 0.5f, 0.0f} << 0.0 << 4;
    // Two slits at YMax / 4 is a dark fringe. Were r2 drawn before r1, the
    // first try would land on the centre and be accepted.
    QTest::newRow("two draws per try, r1 before r2")
        << 2 << QList<float>{0.625f, 0.5f, 0.5f, 0.75f} << 0.0 << 4;
}

void TestSampler::tries() {
    QFETCH(int, slits);
    QFETCH(QList<float>, script);
    QFETCH(double, yOverYMax);
    QFETCH(int, draws);
    const Apparatus apparatus = DefaultApparatus(slits);
    ScriptedRandom random(script);

    const double y = SamplePhotonY(apparatus, random);

    QCOMPARE(y, yOverYMax * apparatus.YMax);
    QVERIFY(y >= -apparatus.YMax && y < apparatus.YMax);
    QCOMPARE(random.Draws(), static_cast<std::size_t>(draws));
}

void TestSampler::noLightIsNeverAccepted() {
    Apparatus apparatus = DefaultApparatus(0);
    SwitchingRandom random({0.25f, 0.0f, 0.5f, 0.0f}, apparatus);

    const double y = SamplePhotonY(apparatus, random);

    QCOMPARE(y, 0.0);
    QCOMPARE(random.Draws(), std::size_t{4});
}

QTEST_GUILESS_MAIN(TestSampler)
#include "tst_sampler.moc"
