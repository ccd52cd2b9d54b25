#pragma once

#include <QLineEdit>
#include <cstdint>
#include <functional>

namespace fenwa::display {

// A one-line text box with a KeyPress event: the handler receives each
// character's code and may change it, or set it to 0 to swallow the key.
// Text that arrives another way (paste from the keyboard, the context menu or
// the middle button, drag and drop, an input method) meets the same handler,
// character by character, and is taken whole or not at all.
class TextBox : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)

public:
    using KeyPressHandler = std::function<void(std::int16_t& keyAscii)>;

    explicit TextBox(QWidget* parent = nullptr);

    void SetKeyPress(KeyPressHandler handler) { keyPress_ = std::move(handler); }
    // Where the caret stands, in characters from the start.
    int SelStart() const { return cursorPosition(); }
    void SetSelStart(int position);

    // Inserts text at the caret if every character passes the KeyPress
    // handler unchanged; otherwise inserts nothing. True if inserted.
    bool InsertFiltered(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void PasteFiltered();
    void KeepCaretInText();

    KeyPressHandler keyPress_;
};

} // namespace fenwa::display
