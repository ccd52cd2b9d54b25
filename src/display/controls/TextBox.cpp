// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/TextBox.h"

#include "display/controls/KeyCodes.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace fenwa::display {

namespace {

// The character code a key delivers, or -1 for keys that deliver none
// (arrows, Home, the editing shortcuts where they come without a character).
int CharacterCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyAscii::Return;
    case Qt::Key_Backspace: return KeyAscii::Back;
    case Qt::Key_Escape: return KeyAscii::Escape;
    default: break;
    }
    const QString text = event.text();
    if (text.isEmpty()) return -1;
    return text.at(0).unicode();
}

// A key that edits rather than types. On X11 these carry control characters
// (Delete 0x7F, Ctrl+V 0x16, Ctrl+D 0x04); elsewhere Ctrl+V may carry a plain
// "v". Either way the box carries them out and the KeyPress filter never
// sees them as typed characters.
bool EditsText(const QKeyEvent& event, int code) {
    for (const auto key : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                           QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
        if (event.matches(key)) return true;
    return code == 0x7F || (code < 0x20 && code != KeyAscii::Back && code != KeyAscii::Return);
}

// Ctrl+Y redoes, as on the desktops where the program's users come from; the
// desktop's own Redo (Ctrl+Shift+Z) works as well.
bool IsCtrlY(const QKeyEvent& event) {
    return event.key() == Qt::Key_Y && event.modifiers() == Qt::ControlModifier;
}

} // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::SetDigitsOnly() {
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

void TextBox::SetSelStart(int position) {
    setCursorPosition(std::clamp(position, 0, int(text().size())));
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    // An unfinished input-method composition lets the arrow keys carry the
    // caret past the end of the text, where an insertion would pad the text
    // with blanks.
    if (cursorPosition() > text().size()) setCursorPosition(int(text().size()));
    if (IsCtrlY(*event)) {
        redo();
        event->accept();
        return;
    }
    const int code = CharacterCode(*event);
    if (code < 0 || !keyPress_) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (EditsText(*event, code)) {
        // The box knows the desktop's editing keys (Delete, Ctrl+K, Ctrl+E
        // ...); a control character it has no use for is typed after all.
        QLineEdit::keyPressEvent(event);
        if (event->isAccepted()) return;
    }
    auto keyAscii = static_cast<std::int16_t>(code);
    keyPress_(keyAscii);
    if (keyAscii == 0) {
        event->accept();
    } else if (keyAscii == static_cast<std::int16_t>(code)) {
        QLineEdit::keyPressEvent(event);
    } else {
        insert(QString(QChar(static_cast<char16_t>(keyAscii))));
        event->accept();
    }
}

} // namespace fenwa::display
