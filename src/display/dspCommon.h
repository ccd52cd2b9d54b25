// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/numbers/BgrColor.h"

#include <QString>

namespace fenwa::display {
class Environment;
class Form;
} // namespace fenwa::display

// The display module shared by the windows: the window theme, the shared
// colours, and numbers as text.
namespace fenwa::dspCommon {

using display::BgrColor;

inline constexpr BgrColor FormBackColor = 0xF0F0F0;             // windows and most controls
inline constexpr BgrColor White = display::RGB(255, 255, 255);  // the histogram panel in a run
inline constexpr BgrColor GreyBlue = display::RGB(96, 96, 128); // the screen panel in a run

// Themes a window: its background and every control's, except text boxes and
// scroll bars, which keep their own.
void InitDisplay(display::Form& window);

// A number as plain text with no blanks around it: 100 gives "100".
QString NumToStr(double value);

// Opens the address in a new window of the desktop's browser. Where no browser
// can be opened, a notice gives the address instead and the program goes on.
void OpenUrl(display::Environment& environment, const QString& address);
// Opens one of the program's data files the same way, by its file:// address.
// Where the file is missing, a notice names the path looked for.
void OpenDataFile(display::Environment& environment, const QString& name);

} // namespace fenwa::dspCommon
