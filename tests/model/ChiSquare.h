// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

namespace fenwa::test {

struct ChiSquare {
    double statistic = 0; // Pearson's sum of (observed - expected)^2 / expected
    int degrees = 0;      // groups after pooling, less one
};

// Pearson's chi-square of counts against expectations bin by bin. Neighbouring
// bins are pooled until each group expects at least five counts, where the
// chi-square distribution is a fair approximation; what is left at the end
// joins the last group.
inline ChiSquare PearsonChiSquare(const std::vector<double>& observed,
                                  const std::vector<double>& expected) {
    std::vector<double> groupObserved;
    std::vector<double> groupExpected;
    double o = 0;
    double e = 0;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        o += observed[i];
        e += expected[i];
        if (e >= 5) {
            groupObserved.push_back(o);
            groupExpected.push_back(e);
            o = e = 0;
        }
    }
    if (!groupExpected.empty()) {
        groupObserved.back() += o;
        groupExpected.back() += e;
    }
    ChiSquare result;
    for (std::size_t i = 0; i < groupExpected.size(); ++i) {
        const double diff = groupObserved[i] - groupExpected[i];
        result.statistic += diff * diff / groupExpected[i];
    }
    result.degrees = static_cast<int>(groupExpected.size()) - 1;
    return result;
}

// The value a chi-square with the given degrees of freedom exceeds with a
// probability of about one in a million (Wilson and Hilferty's cube-root
// approximation, z = 4.75). A correct sampler stays below it for any seed
// but the rarest; a wrong distribution over 10^5 samples lands far above it.
inline double CriticalValue(int degrees) {
    const double k = degrees;
    const double s = 2 / (9 * k);
    return k * std::pow(1 - s + 4.75 * std::sqrt(s), 3);
}

} // namespace fenwa::test
