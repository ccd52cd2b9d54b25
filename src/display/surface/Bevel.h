// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace fenwa::display {

// The colours of a frame of two rings, as a sunken panel or a button has:
// each ring's top and left in one colour, its bottom and right in another.
struct BevelColours {
    QColor outerTopLeft, outerBottomRight;
    QColor innerTopLeft, innerBottomRight;
};

// Draws the two rings just inside rect, each width pixels wide. The bottom and
// right take the two corners where the colours meet. Filled rather than
// stroked, so that on a high-density screen the rings cover their bands of
// device pixels whole and leave none undrawn.
void DrawBevel(QPainter& painter, const QRect& rect, const BevelColours& colours, int width);

} // namespace fenwa::display
