#include "KeyCodes.h"

#include <QKeyEvent>

namespace fenwa::display {

int KeyCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Space: return 32;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Home: return 36;
    case Qt::Key_End: return 35;
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
