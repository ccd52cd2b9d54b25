// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/dspCommon.h"
#include "display/numbers/BgrColor.h"
#include "display/numbers/NumberText.h"
#include "display/numbers/Rounding.h"
#include "display/zoom/Twips.h"

#include <QtTest>
#include <limits>

using fenwa::display::RoundToInt32;

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void roundsHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("0.5 goes down to 0") << 0.5 << 0;
        QTest::newRow("1.5 goes up to 2") << 1.5 << 2;
        QTest::newRow("2.5 goes down to 2") << 2.5 << 2;
        QTest::newRow("-2.5 goes up to -2") << -2.5 << -2;
        QTest::newRow("-0.5 is 0") << -0.5 << 0;
        QTest::newRow("-1.5 is -2") << -1.5 << -2;
        QTest::newRow("just below a half rounds down") << 2.4999999999999996 << 2;
        QTest::newRow("just above a half rounds up") << 2.5000000000000004 << 3;
        QTest::newRow("no truncation of 0.9") << 0.9 << 1;
        QTest::newRow("no truncation of -0.9") << -0.9 << -1;
        QTest::newRow("large even half") << 1e9 + 0.5 << 1000000000;
        QTest::newRow("far above saturates") << 1e300 << std::numeric_limits<int>::max();
        QTest::newRow("far below saturates") << -1e300 << std::numeric_limits<int>::min();
        QTest::newRow("NaN gives 0") << std::numeric_limits<double>::quiet_NaN() << 0;
    }
    void roundsHalvesToEven() {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(RoundToInt32(value), expected);
    }

    void numbersAsText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("str");
        QTest::addColumn<QString>("numToStr");
        QTest::newRow("a count") << 100.0 << " 100"
                                 << "100";
        QTest::newRow("the largest count") << 10000.0 << " 10000"
                                           << "10000";
        QTest::newRow("zero") << 0.0 << " 0"
                              << "0";
        QTest::newRow("negative") << -2000.0 << "-2000"
                                  << "-2000";
        QTest::newRow("a fraction drops its leading zero") << 0.5 << " .5"
                                                           << ".5";
        QTest::newRow("a negative fraction") << -0.25 << "-.25"
                                             << "-.25";
        QTest::newRow("mixed") << 12.75 << " 12.75"
                               << "12.75";
    }
    void numbersAsText() {
        QFETCH(double, value);
        QFETCH(QString, str);
        QFETCH(QString, numToStr);
        QCOMPARE(fenwa::display::Str(value), str);
        QCOMPARE(fenwa::dspCommon::NumToStr(value), numToStr);
    }

    void countTextBecomesANumberOrNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1 for nothing
        QTest::newRow("plain") << "2000" << 2000;
        QTest::newRow("leading zeros") << "0500" << 500;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("largest 32-bit") << "2147483647" << 2147483647;
        QTest::newRow("one beyond") << "2147483648" << -1;
        QTest::newRow("far beyond") << "99999999999999999999" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("minus") << "-5" << -1;
        QTest::newRow("blank") << " 5" << -1;
        QTest::newRow("full-width digit") << QString::fromUtf16(u"\uFF15") << -1;
    }
    void countTextBecomesANumberOrNothing() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const auto value = fenwa::display::ToInt32(text);
        QCOMPARE(value.value_or(-1), expected);
    }

    void coloursAreStoredBlueGreenRed() {
        QCOMPARE(fenwa::display::RGB(96, 96, 128), 0x806060u);
        QCOMPARE(fenwa::display::RGB(220, 220, 255), 0xFFDCDCu);
        QCOMPARE(fenwa::display::ToQColor(0xC00000), QColor(0, 0, 192));
        QCOMPARE(fenwa::display::FromQColor(QColor(248, 248, 248)), 0xF8F8F8u);
    }

    void twipsBecomePixelsAtFifteenToOne() {
        QCOMPARE(fenwa::display::TwipsRect(6120, 960, 2865, 6000), QRect(408, 64, 191, 400));
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
