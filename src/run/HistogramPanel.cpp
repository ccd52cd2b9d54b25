// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "run/HistogramPanel.h"

#include "display/numbers/Rounding.h"
#include "display/surface/Surface.h"
#include "display/zoom/Zoom.h"
#include "model/Bins.h"
#include "model/ExpectedCounts.h"
#include "model/Intensity.h"

#include <cmath>

namespace fenwa::run {

using display::RoundToInt32;

namespace {
constexpr display::BgrColor CurveColour = 0x00FF00; // green
constexpr display::BgrColor BarColour = 0xFFFF00;   // cyan
} // namespace

double NormalisationFactor(const model::Apparatus& apparatus, std::int32_t photons) {
    const double yMax = apparatus.YMax;
    // Any other apparatus: the mean intensity over the range, as integrated
    // for it. For one slit that is the share of its light within the range,
    // 0.95 only at the book's; for two and three it strays from 1 / SlitCount
    // as the fringes fit the range or not.
    if (!model::IsBookApparatus(apparatus))
        return model::IntegratedIntensity(apparatus, -yMax, yMax) / (yMax + yMax) *
               (double(model::Bins) / photons);
    if (apparatus.SlitCount == 1) {
        // 0.95 of the single-slit pattern's light falls within the observed
        // range: the share of 0.95 * lambda * L / d over 2 YMax.
        return ((apparatus.WaveLen * apparatus.ScreenDist) * 0.95) *
               (double(model::Bins) / photons) / ((yMax + yMax) * apparatus.SlitSize);
    }
    // Two and three slits average 1 / SlitCount over the range.
    return double(model::Bins) / static_cast<std::int32_t>(apparatus.SlitCount * photons);
}

std::vector<QPoint> CurvePoints(const model::Apparatus& apparatus, double hs, double vs) {
    // Repeated addition leaves y just above YMax after 100 steps, so the curve
    // has 100 points, from the top edge to one step above the bottom.
    const double yMax = apparatus.YMax;
    const double step = yMax / 50;
    std::vector<QPoint> points;
    for (double y = -yMax; y <= yMax; y = step + y)
        points.emplace_back(RoundToInt32(model::Intensity(apparatus, y) * hs),
                            RoundToInt32((y + yMax) * vs));
    return points;
}

std::vector<QPointF> SmoothCurvePoints(const model::Apparatus& apparatus, double hs, double vs,
                                       int between) {
    const double yMax = apparatus.YMax;
    const double step = yMax / 50;
    const auto at = [&](double y) {
        return QPointF(model::Intensity(apparatus, y) * hs, (y + yMax) * vs);
    };
    // The heights of CurvePoints, and the points between each and the next.
    std::vector<double> heights;
    for (double y = -yMax; y <= yMax; y = step + y)
        heights.push_back(y);
    std::vector<QPointF> points;
    for (std::size_t k = 0; k + 1 < heights.size(); ++k)
        for (int j = 0; j < between; ++j)
            points.push_back(at(heights[k] + (heights[k + 1] - heights[k]) * j / between));
    if (!heights.empty()) points.push_back(at(heights.back()));
    return points;
}

void DrawHistogram(const RunRecord& record, const model::Apparatus& apparatus,
                   display::Surface& histogram, display::BgrColor screenBackColor) {
    if (!record.HistoReady) return;
    const double yMax = apparatus.YMax;
    const double binWidth = model::BinWidth(apparatus);
    histogram.SetBackColor(screenBackColor);
    histogram.Cls();
    const double hs = static_cast<float>(histogram.ScaleWidth()) / 1.2; // pixels per unit intensity
    const double vs =
        static_cast<float>(histogram.ScaleHeight()) / (yMax + yMax); // pixels per metre

    // The curve: one point in the panel's own colour, then a polyline.
    const std::vector<QPoint> curve = CurvePoints(apparatus, hs, vs);
    if (curve.empty()) return;
    histogram.PSet(curve.front().x(), curve.front().y());
    if (const double zoom = display::ZoomFactor(); zoom > 1) {
        // Zoomed, the straight pieces between the points would show: the
        // line goes through as many more points as the zoom enlarges them.
        histogram.Polyline(SmoothCurvePoints(apparatus, hs, vs, int(std::ceil(zoom))), CurveColour);
    } else {
        for (auto point = curve.begin() + 1; point != curve.end(); ++point)
            histogram.LineTo(point->x(), point->y(), CurveColour);
    }

    // The bars, outlined so that the curve stays readable through them.
    const double g = NormalisationFactor(apparatus, record.Count);
    // The last bin, which takes only the heights within half a bin of the
    // bottom edge, has no bar.
    for (int h = 0; h < model::Bins; ++h) {
        const std::int32_t top = RoundToInt32(h * binWidth * vs);
        const std::int32_t length = RoundToInt32(record.BinCounts[h] * g * hs);
        const std::int32_t height = RoundToInt32((h + 1) * binWidth * vs - top);
        histogram.Box(0, top, length, height, BarColour);
    }
}

} // namespace fenwa::run
