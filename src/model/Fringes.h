// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"

#include <vector>

namespace fenwa::model {

// A fringe of the pattern on the observed screen: a peak or a dark line of
// Intensity.
struct Fringe {
    double Y = 0.0;      // height [m], the top of the screen negative
    double Level = 0.0;  // the intensity there
    bool AtEdge = false; // on the top or bottom edge, for the pattern goes on beyond it
};

// The fringes of an apparatus within -YMax to +YMax, each list from the top
// down. Bright fringes reach at least half the highest peak; the other peaks
// (the side lobes of one slit, the small peaks between those of three) are
// faint. The slits stand symmetric about the axis, so every fringe off the
// centre has its mirror image.
struct FringeMap {
    std::vector<Fringe> Bright;
    std::vector<Fringe> Faint;
    std::vector<Fringe> Dark;
};
FringeMap FindFringes(const Apparatus& apparatus);

// The heights about a peak where the intensity is at least half the peak's
// [m], within the observed screen: what the eye sees as the bright band.
struct Span {
    double From = 0.0;
    double To = 0.0;
};
Span HalfMaximumSpan(const Apparatus& apparatus, const Fringe& peak);

} // namespace fenwa::model
