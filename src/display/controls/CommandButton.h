// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/numbers/BgrColor.h"

#include <QPushButton>

namespace fenwa::display {

// A push button that paints its face in its own BackColor, so that the
// window's grey and the marking of the selected slit show on every style.
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

private:
    BgrColor backColor_ = 0xF0F0F0;
};

} // namespace fenwa::display
