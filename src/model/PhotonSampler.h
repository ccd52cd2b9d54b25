// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"
#include "model/RandomSource.h"

namespace fenwa::model {

// Arrival height [m] of one photon, -YMax <= y < YMax, distributed in
// proportion to Intensity. Rejection sampling: each try draws a uniform
// candidate height and then an acceptance chance, two RandomNext values in
// that order, and tries again until one is accepted. There is no cap on the
// tries, so the slit count must be 1, 2 or 3.
double SamplePhotonY(const Apparatus& apparatus, RandomSource& random);

} // namespace fenwa::model
