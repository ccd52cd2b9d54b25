// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/numbers/BgrColor.h"
#include "model/Apparatus.h"
#include "run/RunRecord.h"

#include <QPoint>
#include <QPointF>
#include <vector>

namespace fenwa::display {
class Surface;
}

namespace fenwa::run {

// The histogram of the last run's heights beside the theoretical intensity,
// drawn sideways: height runs down as on the screen panel, intensity runs
// right, 1 reaching five sixths of the width. Draws nothing until a run has
// ended.
void DrawHistogram(const RunRecord& record, const model::Apparatus& apparatus,
                   display::Surface& histogram, display::BgrColor screenBackColor);

// The theoretical curve in panel pixels, hs pixels per unit of intensity and
// vs pixels per metre of height, from the top edge down.
std::vector<QPoint> CurvePoints(const model::Apparatus& apparatus, double hs, double vs);

// The same curve through `between` points for each of its steps, unrounded:
// the line a zoomed panel draws at its device's resolution.
std::vector<QPointF> SmoothCurvePoints(const model::Apparatus& apparatus, double hs, double vs,
                                       int between);

// The factor that turns a bin's count into an estimate of the relative
// intensity in that bin, for a run of photons photons.
double NormalisationFactor(const model::Apparatus& apparatus, std::int32_t photons);

} // namespace fenwa::run
