// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/surface/FocusFrame.h"

#include "display/zoom/Zoom.h"

#include <QPainter>
#include <QWidget>

namespace fenwa::display {

void DrawFocusFrame(QPainter& painter, const QWidget& control, const QRect& rect, bool always) {
    if (!control.hasFocus()) return;
    if (!always && !control.window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    const int width = LineWidth();
    const QColor ring(Qt::black);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), ring);
    painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), ring);
    painter.fillRect(QRect(rect.left(), rect.top(), width, rect.height()), ring);
    painter.fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), ring);
}

} // namespace fenwa::display
