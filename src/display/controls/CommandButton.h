// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/numbers/BgrColor.h"

#include <QPushButton>

namespace fenwa::display {

// A push button that paints its face in its own BackColor, so that the
// window's grey and the marking of the selected slit show on every style.
// One of a set of exclusive buttons (checkable and auto-exclusive) shows its
// state in its colour alone, and takes the keyboard as any button does: Tab
// reaches every button of the set, and the arrow keys move the focus instead
// of choosing the neighbour.
class CommandButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    explicit CommandButton(QWidget* parent = nullptr);

    BgrColor BackColor() const { return backColor_; }
    void SetBackColor(BgrColor colour);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // Runs a handler of the push button as for a button outside any set.
    template <class Handler> void AsLoneButton(Handler handler);

    BgrColor backColor_ = 0xF0F0F0;
};

} // namespace fenwa::display
