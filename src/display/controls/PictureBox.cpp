// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/PictureBox.h"

#include "display/surface/Bevel.h"
#include "display/zoom/Zoom.h"

#include <QMouseEvent>
#include <QPainter>

namespace fenwa::display {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent),
      surface_(*this, QMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.SetScaleMode(Surface::Pixels);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A sunken frame of two rings, one pixel of the design each.
    const QPalette& colours = palette();
    DrawBevel(painter, rect(),
              {colours.color(QPalette::Dark), colours.color(QPalette::Light),
               colours.color(QPalette::Shadow), colours.color(QPalette::Midlight)},
              LineWidth());
    surface_.Blit(painter);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit Click();
}

} // namespace fenwa::display
