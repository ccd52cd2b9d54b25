// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/surface/Surface.h"

#include <QAccessible>
#include <QWidget>

namespace fenwa::display {

// A sunken panel that hosts a drawing surface and reports Click. It takes
// the focus by Tab and shows it with a frame inside its border; there the
// Menu key or Shift+F10 opens its context menu, and where it clicks from the
// keyboard, Enter or Space clicks it.
class PictureBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE SetBackColor)

public:
    // The frame's width in pixels of the design: two rings.
    static constexpr int BorderWidth = 2;

    explicit PictureBox(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    BgrColor BackColor() const { return surface_.BackColor(); }
    void SetBackColor(BgrColor colour) { surface_.SetBackColor(colour); }

    bool KeyboardClick() const { return keyboardClick_; }
    void SetKeyboardClick(bool on) { keyboardClick_ = on; }
    // What the panel is to assistive technology: a picture unless told otherwise.
    QAccessible::Role AccessibleRole() const { return role_; }
    void SetAccessibleRole(QAccessible::Role role) { role_ = role; }
    // Asks for the context menu as the Menu key does, at the panel's centre.
    void OpenMenuFromKeyboard();
    // True while a request from the keyboard (this one, or the platform's
    // own for the Menu key) is being answered, so that the menu can start on
    // its first item, as menus opened from the keyboard do.
    bool MenuAskedByKeyboard() const { return menuAskedByKeyboard_; }

signals:
    void Click();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Surface surface_;
    bool pressed_ = false;
    bool keyboardClick_ = false;
    bool menuAskedByKeyboard_ = false;
    QAccessible::Role role_ = QAccessible::Graphic;
};

} // namespace fenwa::display
