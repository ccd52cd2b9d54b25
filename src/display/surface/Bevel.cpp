// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/surface/Bevel.h"

#include <QPainter>

namespace fenwa::display {

namespace {

void FillRing(QPainter& painter, const QRect& ring, const QColor& topLeft,
              const QColor& bottomRight, int width) {
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width() - width, width), topLeft);
    painter.fillRect(QRect(ring.left(), ring.top(), width, ring.height() - width), topLeft);
    painter.fillRect(QRect(ring.left(), ring.bottom() - width + 1, ring.width(), width),
                     bottomRight);
    painter.fillRect(QRect(ring.right() - width + 1, ring.top(), width, ring.height()),
                     bottomRight);
}

} // namespace

void DrawBevel(QPainter& painter, const QRect& rect, const BevelColours& colours, int width) {
    FillRing(painter, rect, colours.outerTopLeft, colours.outerBottomRight, width);
    FillRing(painter, rect.adjusted(width, width, -width, -width), colours.innerTopLeft,
             colours.innerBottomRight, width);
}

} // namespace fenwa::display
