#include "TextBox.h"

#include "Environment.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>

namespace fenwa::display {

namespace {

// The character code a key delivers, or -1 for keys that deliver none
// (arrows, Home, Delete, the editing shortcuts).
int CharacterCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    if (event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut) ||
        event.matches(QKeySequence::SelectAll) || event.matches(QKeySequence::Undo) ||
        event.matches(QKeySequence::Redo))
        return -1;
    const QString text = event.text();
    if (text.isEmpty()) return -1;
    return text.at(0).unicode();
}

// The standard menu's Paste: Qt names it in newer versions; before, only its
// caption, in Qt's own translation, tells it apart.
bool IsPaste(const QAction& action) {
    return action.objectName() == QLatin1String("edit-paste") ||
           action.text().startsWith(QLineEdit::tr("&Paste"));
}

} // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::SetSelStart(int position) {
    setCursorPosition(std::clamp(position, 0, int(text().size())));
}

void TextBox::KeepCaretInText() {
    // An unfinished input-method composition lets the arrow keys carry the
    // caret past the end of the text, where an insertion would pad the text
    // with blanks.
    if (cursorPosition() > text().size()) setCursorPosition(int(text().size()));
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    KeepCaretInText();
    if (event->matches(QKeySequence::Paste)) {
        PasteFiltered();
        event->accept();
        return;
    }
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

bool TextBox::InsertFiltered(const QString& text) {
    for (const QChar character : text) {
        // A line break would be an Enter in the middle of a paste.
        if (character.category() == QChar::Other_Control) {
            Env().Beep();
            return false;
        }
        const auto code = static_cast<std::int16_t>(character.unicode());
        auto keyAscii = code;
        if (keyPress_) keyPress_(keyAscii);
        if (keyAscii != code) return false;
    }
    KeepCaretInText();
    insert(text);
    return true;
}

void TextBox::PasteFiltered() {
    if (isReadOnly()) return;
    InsertFiltered(QGuiApplication::clipboard()->text());
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // Let the composition end without its text, then offer the text as typed.
    QInputMethodEvent withoutCommit(QString(), {});
    withoutCommit.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&withoutCommit);
    InsertFiltered(commit);
    event->accept();
}

void TextBox::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText() || isReadOnly()) {
        event->ignore();
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    InsertFiltered(event->mimeData()->text());
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setFocus(Qt::MouseFocusReason);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    // A middle click pastes the desktop's selection (X11, Wayland): filtered,
    // like every other way in.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            InsertFiltered(QGuiApplication::clipboard()->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        if (IsPaste(*action)) {
            action->disconnect();
            connect(action, &QAction::triggered, this, &TextBox::PasteFiltered);
        }
    }
    menu->popup(event->globalPos());
}

} // namespace fenwa::display
