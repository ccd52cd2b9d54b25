// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/KeyCodes.h"

#include <QKeyEvent>

namespace fenwa::display {

int KeyCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
    case Qt::Key_Left: return KeyCode::Left;
    case Qt::Key_Up: return KeyCode::Up;
    case Qt::Key_Right: return KeyCode::Right;
    case Qt::Key_Down: return KeyCode::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyCode::Return;
    case Qt::Key_Escape: return KeyCode::Escape;
    case Qt::Key_Backspace: return KeyCode::Back;
    case Qt::Key_Tab: return KeyCode::Tab;
    case Qt::Key_Space: return KeyCode::Space;
    case Qt::Key_Delete: return KeyCode::Delete;
    case Qt::Key_Home: return KeyCode::Home;
    case Qt::Key_End: return KeyCode::End;
    default: break;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key; // Qt's codes for these equal the window system's
    return 0;
}

int ShiftStateOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace fenwa::display
