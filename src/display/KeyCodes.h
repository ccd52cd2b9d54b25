#pragma once

class QKeyEvent;

namespace fenwa::display {

// The key codes that KeyDown handlers compare: 37 Left, 38 Up, 39 Right,
// 40 Down, 13 Enter, 27 Esc, 8 Backspace, 48 to 57 digits, 65 to 90 letters.
// 0 for keys outside that set.
int KeyCodeOf(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4, added together.
int ShiftStateOf(const QKeyEvent& event);

} // namespace fenwa::display
