// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/HScrollBar.h"

#include "display/controls/KeyCodes.h"
#include "display/surface/FocusFrame.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace fenwa::display {

HScrollBar::HScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        if (isSliderDown())
            emit Scroll();
        else
            emit Change();
    });
    connect(this, &QAbstractSlider::sliderPressed, this, [this] { valueAtPress_ = value(); });
    connect(this, &QAbstractSlider::sliderReleased, this, [this] {
        if (value() != valueAtPress_) emit Change();
    });
}

void HScrollBar::keyPressEvent(QKeyEvent* event) {
    if (keyPress_ && !event->text().isEmpty()) {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        auto keyAscii =
            enter ? KeyAscii::Return : static_cast<std::int16_t>(event->text().at(0).unicode());
        keyPress_(keyAscii);
        if (keyAscii == 0 || enter) {
            event->accept();
            return;
        }
    }
    // Right steps up and Left steps down, whatever the style's inverted controls say.
    switch (event->key()) {
    case Qt::Key_Right: triggerAction(SliderSingleStepAdd); break;
    case Qt::Key_Left: triggerAction(SliderSingleStepSub); break;
    default: QScrollBar::keyPressEvent(event); return;
    }
    event->accept();
}

void HScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    // The style shows no focus on a scroll bar, yet Enter and the arrow keys
    // go to it: it shows the buttons' focus frame around its track, also
    // after a click, for it has no caret to tell it either.
    QStyleOptionSlider bar;
    initStyleOption(&bar);
    const QRect track =
        style()->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarGroove, this);
    QPainter painter(this);
    DrawFocusFrame(painter, *this, track.adjusted(1, 1, -1, -1), true);
}

} // namespace fenwa::display
