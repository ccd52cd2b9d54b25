// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/numbers/Format.h"

#include <QtTest>
#include <limits>

using fenwa::display::Format;

class FormatTest : public QObject {
    Q_OBJECT

private slots:
    void patterns_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, double value, const char* pattern, const char* expected) {
            QTest::newRow(name) << value << QString::fromLatin1(pattern)
                                << QString::fromLatin1(expected);
        };

        row("distance 5", 5.0, "##.00 ", "5.00 ");
        row("no integer digit under #", 0.5, "##.00 ", ".50 ");
        row("wider integer part in full", 123.4, "##.00 ", "123.40 ");
        row("zero under #", 0.0, "##.00 ", ".00 ");
        row("slit 0.5 mm", 0.0005 * 1000, "#0.00 ", "0.50 ");
        row("twelve", 12.0, "#0.00 ", "12.00 ");
        row("zero under 0", 0.0, "#0.00 ", "0.00 ");
        row("wavelength 633 nm", 6.33e-7 * 1000000, "0.###", "0.633");
        row("trailing decimals dropped", 0.6, "0.###", "0.6");
        row("point stays alone", 1.0, "0.###", "1.");
        row("zero keeps its point", 0.0, "0.###", "0.");
        row("observed height", 2 * 0.01266 * 100, "##.## ", "2.53 ");
        row("2.532", 2.532, "##.## ", "2.53 ");
        row("2.5", 2.5, "##.## ", "2.5 ");
        row("2", 2.0, "##.## ", "2. ");
        row("0.25", 0.25, "##.## ", ".25 ");

        // Rounding as the decimal reads, halves away from zero, although the
        // nearest doubles of 2.675 and 1.005 lie just below the half.
        row("half read as decimal", 2.675, "##.00 ", "2.68 ");
        row("1.005 rounds up", 1.005, "#0.00 ", "1.01 ");
        row("exact binary half", 0.125, "#0.00 ", "0.13 ");
        row("half of the last # place", 0.0625, "0.###", "0.063");
        row("just below a half", 2.6749999999, "##.00 ", "2.67 ");
        row("just below, all dropped", 0.0049999, "##.## ", ". ");
        row("carry through the point", 9.995, "##.00 ", "10.00 ");
        row("carry into a new digit", 99.9996, "0.###", "100.");
        row("round to no decimals", 0.9995, "##.## ", "1. ");

        row("negative", -2.5, "##.00 ", "-2.50 ");
        row("negative below one", -0.5, "##.00 ", "-.50 ");
        row("negative half away from zero", -2.675, "#0.00 ", "-2.68 ");
        row("negative rounding to zero has no sign", -0.001, "#0.00 ", "0.00 ");
        row("negative zero has no sign", -0.0, "#0.00 ", "0.00 ");

        row("very large", 1e20, "##.00 ", "100000000000000000000.00 ");
        row("very small", 1e-300, "0.###", "0.");
        row("no point in the pattern", 2.5, "#0", "3");
    }
    void patterns() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(Format(value, pattern), expected);
    }

    void notANumberKeepsTheTail_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << QStringLiteral("NaN ");
        QTest::newRow("inf") << std::numeric_limits<double>::infinity() << QStringLiteral("Inf ");
        QTest::newRow("-inf") << -std::numeric_limits<double>::infinity()
                              << QStringLiteral("-Inf ");
    }
    void notANumberKeepsTheTail() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(Format(value, QStringLiteral("##.00 ")), expected);
    }
};

QTEST_GUILESS_MAIN(FormatTest)
#include "tst_format.moc"
