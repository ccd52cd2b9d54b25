// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

class QPainter;
class QRect;
class QWidget;

namespace fenwa::display {

// Draws the focus ring just inside rect on a control that has the keyboard
// focus: a solid black line a pixel of the design wide, all round, which
// stands out at 3:1 or more from every face it is drawn on (the grey and the
// blue-white of the buttons, the labels, the panels, the scroll bar's track)
// at every zoom. It shows once the keyboard has moved the focus in the
// window, as desktops do; always shows it after a click too.
void DrawFocusFrame(QPainter& painter, const QWidget& control, const QRect& rect,
                    bool always = false);

} // namespace fenwa::display
