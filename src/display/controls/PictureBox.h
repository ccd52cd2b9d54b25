// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/surface/Surface.h"

#include <QWidget>

namespace fenwa::display {

// A sunken panel that hosts a drawing surface and reports Click.
class PictureBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE SetBackColor)

public:
    // The frame's width in pixels of the design: two rings.
    static constexpr int BorderWidth = 2;

    explicit PictureBox(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    BgrColor BackColor() const { return surface_.BackColor(); }
    void SetBackColor(BgrColor colour) { surface_.SetBackColor(colour); }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Surface surface_;
    bool pressed_ = false;
};

} // namespace fenwa::display
