// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

class QPainter;
class QRect;
class QColor;
class QWidget;

namespace fenwa::display {

// Draws the style's focus frame around rect on a control that has the
// keyboard focus, on a face of the given colour. The controls that paint
// themselves, or whose style shows no focus (the scroll bar), use it. Styles
// show it once the keyboard has moved the focus; always shows it after a
// click too.
void DrawFocusFrame(QPainter& painter, const QWidget& control, const QRect& rect,
                    const QColor& face, bool always = false);

} // namespace fenwa::display
