#pragma once

#include <cstdint>

namespace fenwa::model {

// The simulated experiment: a plate with one, two or three slits lit by a
// laser, and a detection screen behind it. Lengths are in metres.
struct Apparatus {
    std::int16_t SlitCount = 0; // 1, 2 or 3 once the main window has loaded
    double ScreenDist = 0.0;    // L, slit plate to screen [m]
    double WaveLen = 0.0;       // lambda, wavelength of the light [m]
    double SlitSize = 0.0;      // d, slit width (one slit) or spacing (two, three) [m]
    double YMax = 0.0;          // half-height of the observed stretch of screen [m]
    double Pi = 0.0;            // pi as the display module computed it
    double TwoPi = 0.0;         // 2 pi, derived from Pi
};

// The fixed apparatus of the lesson: 5 m to the screen, a helium-neon laser
// (633 nm), slits 0.5 mm wide or apart. pi comes from the caller so that every
// phase uses the one value the program computed at start-up.
void SetDefaults(Apparatus& apparatus, double pi);

} // namespace fenwa::model
