// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/PictureBox.h"

#include "display/controls/AccessibleFaces.h"
#include "display/surface/Bevel.h"
#include "display/surface/FocusFrame.h"
#include "display/zoom/Zoom.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace fenwa::display {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent),
      surface_(*this, QMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.SetScaleMode(Surface::Pixels);
    InstallAccessibleFaces();
    RenewAccessibleFace(*this);
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
    // Only the keyboard brings the focus here, so the ring shows whenever it
    // is, just inside the border.
    const int border = BorderWidth * LineWidth();
    DrawFocusFrame(painter, *this, rect().adjusted(border, border, -border, -border), true);
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

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        OpenMenuFromKeyboard();
        return;
    }
    if (keyboardClick_ && modifiers == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        emit Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool PictureBox::event(QEvent* event) {
    if (event->type() != QEvent::ContextMenu) return QWidget::event(event);
    menuAskedByKeyboard_ =
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    const bool handled = QWidget::event(event);
    menuAskedByKeyboard_ = false;
    return handled;
}

void PictureBox::OpenMenuFromKeyboard() {
    const QPoint centre = rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, mapToGlobal(centre));
    QCoreApplication::sendEvent(this, &menu);
}

} // namespace fenwa::display
