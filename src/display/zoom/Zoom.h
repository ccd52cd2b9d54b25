// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace fenwa::display {

// The program's own zoom: how many screen pixels one pixel of the windows'
// design covers, on top of whatever the screen's own pixel ratio adds. The
// windows and the drawing code work in the design's units alone (twips, panel
// pixels); the conversions here, the fonts, the surfaces, the frames and the
// style apply the factor. It is 1 at start and never below 1.
double ZoomFactor();

// Sets the factor, never below 1, and returns the one it replaces. The
// windows learn of it from SetZoomFactor (forms/WindowZoom.h), which lays
// them out again; this alone changes only what the conversions give.
double ExchangeZoomFactor(double factor);

// Design pixels to screen pixels. A rectangle goes edge by edge, so that
// controls that meet in the design still meet on the screen.
int ToScreen(double designPixels, double factor = ZoomFactor());
QRect ToScreen(const QRect& design, double factor = ZoomFactor());
QSize ToScreen(const QSize& design, double factor = ZoomFactor());

// Screen pixels back to the design's. Exact for whatever ToScreen gave at the
// same factor: since the factor is at least 1, a screen position is less
// than half a design pixel away from the one it came from.
int ToDesign(int screenPixels, double factor = ZoomFactor());
QRect ToDesign(const QRect& screen, double factor = ZoomFactor());
QSize ToDesign(const QSize& screen, double factor = ZoomFactor());

// How many whole pixels one pixel of the design becomes, for a dot, a line or
// a ring of a frame: the same everywhere, so that every dot is a square of
// the same size and every line keeps one width. ratio: the device pixels of a
// screen pixel, where the count is wanted in device pixels.
int LineWidth(double ratio = 1.0);

// The platform's own font for a widget (a menu, say) at the zoom, for what
// Qt draws by itself in a window of the program.
QFont ZoomedPlatformFont(const QWidget& widget);

} // namespace fenwa::display
