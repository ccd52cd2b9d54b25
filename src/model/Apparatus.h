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
    // Whether a detector at the slits tells which one each photon comes
    // through; it tells nothing where there is one slit.
    bool SlitObserved = false;

    friend bool operator==(const Apparatus&, const Apparatus&) = default;
};

// The book's apparatus, with which every lesson starts: 5 m to the screen, a
// helium-neon laser (633 nm), slits 0.5 mm wide or apart, with the given
// number of slits. Its observed stretch of screen stays whatever else changes.
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

// Whether each photon is seen passing one slit: the waves from the slits
// then no longer interfere.
constexpr bool WhichSlitSeen(const Apparatus& apparatus) {
    return apparatus.SlitObserved && apparatus.SlitCount > 1;
}

// Whether the apparatus is the book's, whatever its slit count: what the
// book draws stays exactly as it is.
constexpr bool IsBookApparatus(const Apparatus& apparatus) {
    Apparatus book = DefaultApparatus(apparatus.SlitCount);
    book.SlitObserved = apparatus.SlitObserved;
    return apparatus == book && !WhichSlitSeen(apparatus);
}

} // namespace fenwa::model
