#include "TextBox.h"

#include "KeyCodes.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace fenwa::display {

namespace {

// The character code a key delivers, or -1 for keys that deliver none
// (arrows, Home, Delete, the editing shortcuts).
int CharacterCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyAscii::Return;
    case Qt::Key_Backspace: return KeyAscii::Back;
    case Qt::Key_Escape: return KeyAscii::Escape;
    default: break;
    }
    if (event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut) ||
        event.matches(QKeySequence::Paste) || event.matches(QKeySequence::SelectAll) ||
        event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo))
        return -1;
    const QString text = event.text();
    if (text.isEmpty()) return -1;
    return text.at(0).unicode();
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
    const int code = CharacterCode(*event);
    if (code < 0 || !keyPress_) {
        QLineEdit::keyPressEvent(event);
        return;
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
