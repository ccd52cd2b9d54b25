// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QLineEdit>
#include <cstdint>
#include <functional>

namespace fenwa::display {

// A one-line text box with a KeyPress event: the handler receives the code
// of each typed character (Enter 13, Backspace 8, printable characters) and
// may change it, or set it to 0 to swallow the key.
//
// Text that arrives another way (pasted from the keyboard, the context menu
// or the middle button, dropped, or committed by an input method) meets the
// box's validator instead: refused text is not taken at all, and the box
// says so with inputRejected.
class TextBox : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)

public:
    using KeyPressHandler = std::function<void(std::int16_t& keyAscii)>;

    explicit TextBox(QWidget* parent = nullptr);

    void SetKeyPress(KeyPressHandler handler) { keyPress_ = std::move(handler); }
    // Takes in only the ASCII digits, by any way text arrives.
    void SetDigitsOnly();
    // Where the caret stands, in characters from the start.
    int SelStart() const { return cursorPosition(); }
    void SetSelStart(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyPressHandler keyPress_;
};

} // namespace fenwa::display
