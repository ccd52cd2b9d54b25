#include "CommandButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
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

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = face.color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace fenwa::display
