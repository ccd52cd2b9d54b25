// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/CommandButton.h"

#include "display/surface/Bevel.h"
#include "display/surface/FocusFrame.h"
#include "display/zoom/Zoom.h"

#include <QKeyEvent>
#include <QPainter>

namespace fenwa::display {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    // Enter on a focused button presses it, as desktop users expect.
    setAutoDefault(true);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

void CommandButton::SetBackColor(BgrColor colour) {
    backColor_ = colour;
    update();
}

template <class Handler> void CommandButton::AsLoneButton(Handler handler) {
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    handler();
    setAutoExclusive(exclusive);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)
        AsLoneButton([&] { QPushButton::keyPressEvent(event); });
    else
        QPushButton::keyPressEvent(event);
}

// A set's focused button would take the other buttons out of the Tab order.
void CommandButton::focusInEvent(QFocusEvent* event) {
    AsLoneButton([&] { QPushButton::focusInEvent(event); });
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = isDown();
    const QColor face = ToQColor(backColor_);
    // The bevel of a desktop button: lit from the top left when raised, from
    // the bottom right when pressed.
    const QPalette& colours = palette();
    const QColor light = colours.color(QPalette::Light), shadow = colours.color(QPalette::Shadow);
    const QColor button = colours.color(QPalette::Button), dark = colours.color(QPalette::Dark);
    const int ring = LineWidth();
    DrawBevel(painter, rect(),
              sunken ? BevelColours{shadow, light, dark, button}
                     : BevelColours{light, shadow, button, dark},
              ring);
    painter.fillRect(rect().adjusted(2 * ring, 2 * ring, -2 * ring, -2 * ring), face);

    const int shift = sunken ? ring : 0;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic,
                     text());

    if (hasFocus()) {
        const int inset = ToScreen(4);
        DrawFocusFrame(painter, *this, rect().adjusted(inset, inset, -inset, -inset));
    }
}

} // namespace fenwa::display
