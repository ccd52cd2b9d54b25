// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/numbers/BgrColor.h"
#include "run/RunRecord.h"

namespace fenwa::display {
class Surface;
}

namespace fenwa::run {

// Every photon is a white dot.
inline constexpr display::BgrColor DotColour = 0xFFFFFF;

// Redraws the dots of the last run. The background has already been
// laid by the surface; only photons that have arrived are drawn.
void DrawDots(const RunRecord& record, display::Surface& screen);

} // namespace fenwa::run
