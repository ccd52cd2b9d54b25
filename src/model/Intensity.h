// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"

namespace fenwa::model {

// pi and 2 pi at full double precision, from the standard library: the
// phases of the intensity are computed with them.
extern const double Pi;
extern const double TwoPi;

// Relative light intensity at height y [m] on the screen for the apparatus's
// current slit count: 1 where every path from the slits is equal, 0 where the
// waves cancel. Dimensionless, between 0 and 1; 0 everywhere for a slit count
// other than 1, 2 or 3. Where the photons are seen passing one of n slits,
// the light is flat at 1 / n. Reads the apparatus at every call and changes
// nothing.
double Intensity(const Apparatus& apparatus, double y);

} // namespace fenwa::model
