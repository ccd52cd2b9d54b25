// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "model/Fringes.h"

#include "model/Intensity.h"

#include <algorithm>
#include <cmath>

namespace fenwa::model {

namespace {

// Samples over half the screen: the closest fringes (the zeros of three
// slits) lie a sixth of YMax apart, some three hundred samples.
constexpr int Samples = 2000;
// Golden-section steps that narrow a sample's interval of 2 YMax / Samples
// down to well below a nanometre.
constexpr int Refinements = 40;

// The height within [from, to] where the intensity is highest (or lowest).
double Refine(const Apparatus& apparatus, double from, double to, bool peak) {
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    const auto better = [&](double a, double b) {
        const double ia = Intensity(apparatus, a), ib = Intensity(apparatus, b);
        return peak ? ia > ib : ia < ib;
    };
    for (int i = 0; i < Refinements; ++i) {
        const double a = to - ratio * (to - from), b = from + ratio * (to - from);
        if (better(a, b))
            to = b;
        else
            from = a;
    }
    return (from + to) / 2;
}

void AddMirrored(std::vector<Fringe>& fringes, const Fringe& fringe) {
    fringes.push_back(fringe);
    if (fringe.Y > 0) fringes.push_back({-fringe.Y, fringe.Level, fringe.AtEdge});
}

} // namespace

FringeMap FindFringes(const Apparatus& apparatus) {
    const double yMax = apparatus.YMax;
    const double h = yMax / Samples;
    std::vector<double> level(Samples + 1);
    for (int i = 0; i <= Samples; ++i)
        level[std::size_t(i)] = Intensity(apparatus, i * h);

    // Peaks and dark lines on 0 to YMax; the centre, by symmetry, is one of
    // them, and so is an edge that the intensity rises or falls towards.
    std::vector<Fringe> peaks, dark;
    const auto add = [&](double y, bool peak, bool atEdge) {
        (peak ? peaks : dark).push_back({y, Intensity(apparatus, y), atEdge});
    };
    const auto at = [&](int i) { return level[std::size_t(i)]; };
    if (at(0) != at(1)) add(0.0, at(0) > at(1), false);
    for (int i = 1; i < Samples; ++i) {
        if (at(i - 1) < at(i) && at(i) >= at(i + 1))
            add(Refine(apparatus, (i - 1) * h, (i + 1) * h, true), true, false);
        else if (at(i - 1) > at(i) && at(i) <= at(i + 1))
            add(Refine(apparatus, (i - 1) * h, (i + 1) * h, false), false, false);
    }
    if (at(Samples) != at(Samples - 1)) add(yMax, at(Samples) > at(Samples - 1), true);

    FringeMap map;
    double highest = 0.0;
    for (const Fringe& peak : peaks)
        highest = std::max(highest, peak.Level);
    for (const Fringe& peak : peaks)
        AddMirrored(peak.Level >= highest / 2 ? map.Bright : map.Faint, peak);
    for (const Fringe& line : dark)
        AddMirrored(map.Dark, line);
    for (auto* list : {&map.Bright, &map.Faint, &map.Dark})
        std::ranges::sort(*list, {}, &Fringe::Y);
    return map;
}

Span HalfMaximumSpan(const Apparatus& apparatus, const Fringe& peak) {
    const double yMax = apparatus.YMax;
    const double half = peak.Level / 2;
    const double h = yMax / Samples;
    // Out from the peak in steps of a sample to the first height below half,
    // then halving the last step.
    const auto reach = [&](double direction) {
        double inside = peak.Y;
        for (;;) {
            const double next = std::clamp(inside + direction * h, -yMax, yMax);
            if (next == inside) return inside;
            if (Intensity(apparatus, next) < half) {
                double outside = next;
                for (int i = 0; i < Refinements; ++i) {
                    const double middle = (inside + outside) / 2;
                    (Intensity(apparatus, middle) < half ? outside : inside) = middle;
                }
                return (inside + outside) / 2;
            }
            inside = next;
        }
    };
    return {reach(-1), reach(+1)};
}

} // namespace fenwa::model
