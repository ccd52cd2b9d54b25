// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace fenwa::model {

// The simulated experiment: a plate with one, two or three slits lit by a
// laser, and a detection screen behind it. Lengths are in metres. A default
// Apparatus is all zero, as the main window's is until it has loaded.
struct Apparatus {
    std::int16_t SlitCount = 0; // 1, 2 or 3 once the main window has loaded
    double ScreenDist = 0.0;    // L, slit plate to screen [m]
    double WaveLen = 0.0;       // lambda, wavelength of the light [m]
    double SlitSize = 0.0;      // d, slit width (one slit) or spacing (two, three) [m]
    double YMax = 0.0;          // half-height of the observed stretch of screen [m]

    friend bool operator==(const Apparatus&, const Apparatus&) = default;
};

// The fixed apparatus of the lesson: 5 m to the screen, a helium-neon laser
// (633 nm), slits 0.5 mm wide or apart, with the given number of slits.
constexpr Apparatus DefaultApparatus(std::int16_t slitCount = 2) {
    Apparatus apparatus;
    apparatus.SlitCount = slitCount;
    apparatus.ScreenDist = 5.0;
    apparatus.WaveLen = 6.33e-7;
    apparatus.SlitSize = 0.0005;
    // 2 lambda L / d: two single-slit zeros, or two fringe spacings, each
    // side of the centre.
    apparatus.YMax = 2 * apparatus.WaveLen * apparatus.ScreenDist / apparatus.SlitSize;
    return apparatus;
}

} // namespace fenwa::model
