// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/surface/Surface.h"
#include "model/Apparatus.h"

namespace fenwa::ui {

// The four lines that state the apparatus: slit-to-screen distance, slit
// width or spacing, wavelength, and the height of the observed stretch of
// screen, each a label at the left and a value with its unit in a column;
// and a fifth while the photons are seen passing their slits.
// Clears the surface and switches it to pixels first. Positions scale with
// the surface, taking 800 x 600 pixels as the unit size; the first row and
// the label column stay put. Draws nothing, and clears nothing, while the
// slit count is still 0.
void PrintReadout(display::Surface& surface, const model::Apparatus& apparatus);

} // namespace fenwa::ui
