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

// Lets every other window the program opens (dialogs, messages, notices,
// context menus) take the zoom too: its font scaled as the forms' are, and
// with it its size, when it is first shown and at each change of zoom.
// Once is enough; more calls change nothing.
void ZoomEveryOtherWindow();

} // namespace fenwa::display
