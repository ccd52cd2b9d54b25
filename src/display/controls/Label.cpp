// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/Label.h"

#include "display/controls/AccessibleFaces.h"
#include "display/surface/FocusFrame.h"
#include "display/zoom/Zoom.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace fenwa::display {

Label::Label(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setIndent(0);
    InstallAccessibleFaces();
}

void Label::SetCaption(const QString& caption) {
    setText(caption);
    FitCaption();
}

BgrColor Label::BackColor() const { return FromQColor(palette().color(QPalette::Window)); }

void Label::SetBackColor(BgrColor colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(colour));
    setPalette(colours);
}

BgrColor Label::ForeColor() const { return FromQColor(palette().color(QPalette::WindowText)); }

void Label::SetForeColor(BgrColor colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ToQColor(colour));
    setPalette(colours);
}

void Label::SetAutoSize(bool on) {
    autoSize_ = on;
    FitCaption();
}

void Label::SetBorder(bool on) {
    border_ = on;
    setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(LineWidth());
    setMargin(on ? ToScreen(2) : 0); // keeps the caption off the border
    FitCaption();
}

void Label::SetLeft(int x) { move(ToScreen(x), y()); }

void Label::ApplyZoom() { SetBorder(border_); }

void Label::SetKeyboardClick(bool on) {
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
    RenewAccessibleFace(*this); // a link, or a plain label again
}

void Label::FitCaption() {
    if (!autoSize_) return;
    const QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
    const int frame = 2 * (frameWidth() + margin());
    resize(text.width() + frame, text.height() + frame);
}

void Label::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) FitCaption();
}

void Label::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit Click();
}

void Label::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (focusPolicy() != Qt::NoFocus && event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        emit Click();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    DrawFocusFrame(painter, *this, contentsRect());
}

} // namespace fenwa::display
