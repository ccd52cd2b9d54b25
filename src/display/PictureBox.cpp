#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace fenwa::display {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent),
      surface_(*this, QMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.SetScaleMode(Surface::Pixels);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
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
