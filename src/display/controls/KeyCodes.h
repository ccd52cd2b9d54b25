// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

class QKeyEvent;

namespace fenwa::display {

// The character codes that KeyPress handlers compare.
namespace KeyAscii {
inline constexpr std::int16_t Back = 8;
inline constexpr std::int16_t Return = 13;
inline constexpr std::int16_t Escape = 27;
} // namespace KeyAscii

// The key codes that KeyDown handlers compare; Backspace, Enter and Esc, the
// digits and the letters have their characters' codes.
namespace KeyCode {
inline constexpr int Back = KeyAscii::Back;
inline constexpr int Tab = 9;
inline constexpr int Return = KeyAscii::Return;
inline constexpr int Escape = KeyAscii::Escape;
inline constexpr int Space = 32;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
} // namespace KeyCode

// The key code of a key, or 0 for keys outside the set above.
int KeyCodeOf(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4, added together.
int ShiftStateOf(const QKeyEvent& event);

} // namespace fenwa::display
