// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/surface/Surface.h"

#include <QString>

// Printing short texts on a window or picture box so that the caller can go
// on along the same line. Each procedure prints at (x, y) in the surface's
// scale units without ending the line, and hands back in x the pen position
// just right of the text: the next piece on the line starts there, and a gap
// is whatever the caller adds to x. The surface's font name and size are as
// they were on entry when a procedure returns; its pen is left after the text.
namespace fenwa::dspCommon {

// In the surface's own font.
void PrintAt(display::Surface& surface, float& x, float y, const QString& text);
// In the named font; the surface's font name is put back afterwards.
void PrintInFont(display::Surface& surface, const QString& fontName, float& x, float y,
                 const QString& text);
// In "Courier New" at 1.2 times the surface's size: minus signs and unit letters.
void PrintMono(display::Surface& surface, float& x, float y, const QString& text);
// In "Symbol", each Latin letter shown as the Greek letter that font puts in
// its place ("m" shows mu), whatever font stands in for "Symbol".
void PrintSymbol(display::Surface& surface, float& x, float y, const QString& text);
// In "ＭＳ ゴシック": the lowered full-width commas.
void PrintGothic(display::Surface& surface, float& x, float y, const QString& text);
// Labels and values. On a surface in "メイリオ" a leading "-" is set in
// Courier and every "，" in Gothic, lowered by 0.15 of the height of "A";
// on any other surface the text is printed as it stands.
void PrintText(display::Surface& surface, float& x, float y, const QString& text);

} // namespace fenwa::dspCommon
