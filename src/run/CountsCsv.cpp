// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "run/CountsCsv.h"

#include "model/Bins.h"
#include "model/ExpectedCounts.h"

#include <QString>
#include <cmath>

namespace fenwa::run {

namespace {

// A number with a fixed count of decimals, never "-0.0000".
QString Fixed(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', decimals);
}

} // namespace

// The prediction for what was drawn: each arrangement's share of the run.
std::vector<double> PredictedCounts(const FinishedRun& run) {
    std::vector<double> expected(model::Bins + 1, 0.0);
    for (const ArrangementCount& arrangement : run.Record.Arrangements) {
        const std::vector<double> share =
            model::ExpectedCounts(arrangement.Apparatus, arrangement.Photons);
        for (std::size_t k = 0; k < expected.size(); ++k)
            expected[k] += share[k];
    }
    return expected;
}

QByteArray CountsCsv(const FinishedRun& run) {
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QChar(0xFEFF) + QStringLiteral("ビン,高さ（mm）,度数,理論値") + lineEnd;
    const std::vector<double> expected = PredictedCounts(run);
    const double binWidth = model::BinWidth(run.Apparatus);
    for (int k = 0; k <= model::Bins; ++k) {
        const double centre = k * binWidth - run.Apparatus.YMax; // [m]
        text += QStringLiteral("%1,%2,%3,%4")
                    .arg(k)
                    .arg(Fixed(centre * 1000, 4))
                    .arg(run.Record.BinCounts.at(std::size_t(k)))
                    .arg(Fixed(expected[std::size_t(k)], 2)) +
                lineEnd;
    }
    return text.toUtf8();
}

} // namespace fenwa::run
