// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/surface/FocusFrame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace fenwa::display {

void DrawFocusFrame(QPainter& painter, const QWidget& control, const QRect& rect,
                    const QColor& face, bool always) {
    QStyleOptionFocusRect focus;
    focus.initFrom(&control);
    if (always) focus.state |= QStyle::State_KeyboardFocusChange;
    focus.rect = rect;
    focus.backgroundColor = face;
    control.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &control);
}

} // namespace fenwa::display
