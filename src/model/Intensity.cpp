// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "model/Intensity.h"

#include <cmath>
#include <numbers>

namespace fenwa::model {

constexpr double Pi = std::numbers::pi;
constexpr double TwoPi = Pi + Pi;

namespace {

// Far-field diffraction from one slit of width d.
double OneSlit(const Apparatus& a, double y) {
    // beta [rad] = pi y d / (lambda L).
    const double beta = ((Pi * y) * a.SlitSize) / (a.WaveLen * a.ScreenDist);
    // The limit of (sin beta / beta)^2 at zero; testing beta rather than y also
    // covers heights so small that beta underflows.
    if (beta == 0.0) return 1.0;
    return std::pow(std::sin(beta) / beta, 2);
}

// Two point sources at -d/2 and +d/2, exact path lengths.
double TwoSlits(const Apparatus& a, double y) {
    const double d = a.SlitSize;
    const double L = a.ScreenDist;
    // Paths [m] from the slit at -d/2 (rPlus) and at +d/2 (rMinus).
    const double rPlus = std::sqrt(std::pow(d / 2 + y, 2) + std::pow(L, 2));
    const double rMinus = std::sqrt(std::pow(y - d / 2, 2) + std::pow(L, 2));
    // rPlus - rMinus [m], rewritten so that two lengths of about L are added,
    // not subtracted, and no digits cancel.
    const double delta = (2 * y * d) / (rMinus + rPlus);
    return std::pow(std::cos(Pi * delta / a.WaveLen), 2);
}

// Three point sources at -d, 0 and +d, exact path lengths.
double ThreeSlits(const Apparatus& a, double y) {
    const double d = a.SlitSize;
    const double L = a.ScreenDist;
    // Paths [m] from the slits at -d (A), 0 and +d (B).
    const double rA = std::sqrt(std::pow(y + d, 2) + std::pow(L, 2));
    const double r0 = std::sqrt(std::pow(y, 2) + std::pow(L, 2));
    const double rB = std::sqrt(std::pow(y - d, 2) + std::pow(L, 2));
    // Path differences [m] rA - r0, r0 - rB and rA - rB, each as a quotient so
    // that no digits cancel.
    const double delta1 = ((2 * y + d) * d) / (r0 + rA);
    const double delta2 = ((2 * y - d) * d) / (rB + r0);
    const double delta3 = (4 * y * d) / (rB + rA);
    const double c1 = std::cos(delta1 * TwoPi / a.WaveLen);
    const double c2 = std::cos(delta2 * TwoPi / a.WaveLen);
    const double c3 = std::cos(delta3 * TwoPi / a.WaveLen);
    // |sum of three unit waves|^2 / 9.
    return (2 * (c3 + (c1 + c2)) + 3) / 9;
}

} // namespace

double Intensity(const Apparatus& apparatus, double y) {
    // Seen passing one slit, each photon comes through that slit alone, so
    // the slits' intensities add instead of their waves: n point slits of
    // unit intensity each, over n^2 as above, give 1 / n everywhere.
    const bool seen = WhichSlitSeen(apparatus);
    switch (apparatus.SlitCount) {
    case 1: return OneSlit(apparatus, y);
    case 2: return seen ? 1.0 / 2 : TwoSlits(apparatus, y);
    case 3: return seen ? 1.0 / 3 : ThreeSlits(apparatus, y);
    default: return 0.0;
    }
}

} // namespace fenwa::model
