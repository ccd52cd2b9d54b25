#pragma once

#include "OleColor.h"

#include <QString>

namespace fenwa::display {
class Form;
}

// The display module shared by the windows: the window theme, the shared
// colours, pi, and numbers as text.
namespace fenwa::dspCommon {

using display::OleColor;

// Zero until InitDisplay has run; never changed afterwards.
extern OleColor FormBackColor; // light grey of windows and most controls
extern OleColor White;         // the histogram panel during a run
extern OleColor GreyBlue;      // the screen panel during a run
extern double Pi;              // 4 atan(1), full double precision

// Themes a window: its background and every control's, except text boxes and
// scroll bars, which keep their own. Sets the shared colours and Pi first.
void InitDisplay(display::Form& window);
void InitColors();

// A number as plain text with no blanks around it: 100 gives "100".
QString NumToStr(double value);

// Opens the address in a new window of the desktop's browser. Where no browser
// can be opened, a notice gives the address instead and the program goes on.
void OpenUrl(const QString& address);
// Opens one of the program's data files the same way, by its file:// address.
// Where the file is missing, a notice names the path looked for.
void OpenDataFile(const QString& name);

} // namespace fenwa::dspCommon
