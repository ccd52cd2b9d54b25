// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

namespace fenwa::display {

// Sets the program's zoom (display/zoom/Zoom.h) and lays every window out
// again at it: its size, its controls' places, fonts and frames. Each surface
// is then drawn afresh by its Paint handler at once, as after a change of
// screen density.
void SetZoomFactor(double factor);

} // namespace fenwa::display
