#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace fenwa::display {

namespace {

// One ring of the frame, one logical pixel wide: the top and left in one
// colour, the bottom and right in the other, which also takes the two corners
// where they meet. Filled rather than stroked, so that on a high-density screen
// the ring covers its whole band of device pixels and leaves none undrawn.
void FillRing(QPainter& painter, const QRect& ring, const QColor& topLeft,
              const QColor& bottomRight) {
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width() - 1, 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height() - 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), bottomRight);
    painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), bottomRight);
}

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent),
      surface_(*this, QMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.SetScaleMode(Surface::Pixels);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A sunken frame of two rings, BorderWidth pixels in all.
    const QPalette& colours = palette();
    FillRing(painter, rect(), colours.color(QPalette::Dark), colours.color(QPalette::Light));
    FillRing(painter, rect().adjusted(1, 1, -1, -1), colours.color(QPalette::Shadow),
             colours.color(QPalette::Midlight));
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
