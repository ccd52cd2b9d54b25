#include "CommandButton.h"

#include "FocusFrame.h"

#include <QPainter>
#include <qdrawutil.h>

namespace fenwa::display {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    // Enter on a focused button presses it, as desktop users expect.
    setAutoDefault(true);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

void CommandButton::SetBackColor(OleColor colour) {
    backColor_ = colour;
    update();
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = isDown();
    const QBrush face(ToQColor(backColor_));
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);

    const int shift = sunken ? 1 : 0;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic,
                     text());

    if (hasFocus()) DrawFocusFrame(painter, *this, rect().adjusted(4, 4, -4, -4), face.color());
}

} // namespace fenwa::display
