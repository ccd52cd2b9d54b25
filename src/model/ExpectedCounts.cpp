// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "model/ExpectedCounts.h"

#include "model/Bins.h"
#include "model/Intensity.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace fenwa::model {

namespace {

// Simpson's rule on intervals no longer than a 400th of a fringe, where the
// rule is good to about nine digits, the zeros of one slit included, and no
// longer than a bin / 16. The book's fringes are 25 bins apart, so there
// the two bounds are one.
constexpr double IntervalsPerFringe = 400;
constexpr double IntervalsPerBin = 16;

double LongestInterval(const Apparatus& apparatus) {
    const double bin = BinWidth(apparatus);
    // Fringes, and the zeros of one slit, lie lambda L / d apart.
    const double fringe = apparatus.WaveLen * apparatus.ScreenDist / apparatus.SlitSize;
    return bin / std::max(IntervalsPerBin, std::floor(IntervalsPerFringe * bin / fringe));
}

} // namespace

double IntegratedIntensity(const Apparatus& apparatus, double from, double to) {
    const double longest = LongestInterval(apparatus);
    if (!(to > from) || !(longest > 0)) return 0.0;
    // An even number of intervals, as Simpson's rule needs.
    const int intervals = 2 * std::max(1, int(std::ceil((to - from) / (2 * longest))));
    const double h = (to - from) / intervals;
    double sum = Intensity(apparatus, from) + Intensity(apparatus, to);
    for (int i = 1; i < intervals; ++i)
        sum += (i % 2 == 1 ? 4 : 2) * Intensity(apparatus, from + i * h);
    return sum * h / 3;
}

std::vector<double> ExpectedCounts(const Apparatus& apparatus, std::int32_t photons) {
    const double yMax = apparatus.YMax;
    const double width = BinWidth(apparatus);
    std::vector<double> light(Bins + 1);
    for (int k = 0; k <= Bins; ++k) {
        // Bin k holds the heights within half a bin of its centre.
        const double centre = k * width - yMax;
        light[std::size_t(k)] = IntegratedIntensity(apparatus, std::max(centre - width / 2, -yMax),
                                                    std::min(centre + width / 2, yMax));
    }
    // The bins tile the screen, so their sum is the light on all of it.
    const double total = std::accumulate(light.begin(), light.end(), 0.0);
    for (double& bin : light)
        bin = total > 0 ? bin / total * photons : 0.0;
    return light;
}

} // namespace fenwa::model
