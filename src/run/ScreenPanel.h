#pragma once

#include "run/RunRecord.h"

namespace fenwa::display {
class Surface;
}

namespace fenwa::run {

// Redraws the dots of the last run in white. The background has already been
// laid by the surface; only photons that have arrived are drawn.
void DrawDots(const RunRecord& record, display::Surface& screen);

} // namespace fenwa::run
