// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"

#include <cstdint>
#include <vector>

namespace fenwa::model {

// The integral of Intensity over the heights from to to [m], within the
// observed screen: relative intensity times metres.
double IntegratedIntensity(const Apparatus& apparatus, double from, double to);

// How many of photons photons the intensity predicts in each histogram bin,
// 0 to Bins: the light on the part of the bin that lies on the observed
// screen, as a share of all the light on it. The two end bins lie half off
// the screen. The predictions add up to photons.
std::vector<double> ExpectedCounts(const Apparatus& apparatus, std::int32_t photons);

} // namespace fenwa::model
