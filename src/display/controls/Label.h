// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/numbers/BgrColor.h"

#include <QLabel>

namespace fenwa::display {

// A label as the window tables describe it: an opaque background of its own
// colour, an optional single-line border, and a Click event. A label that
// sizes itself to its caption keeps its top-left corner and fits its caption
// on one line whenever the caption changes.
class Label : public QLabel {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit Label(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    BgrColor BackColor() const;
    void SetBackColor(BgrColor colour);
    BgrColor ForeColor() const;
    void SetForeColor(BgrColor colour);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    void SetBorder(bool on);
    // A label used as a button takes the focus by Tab and clicks on Enter or
    // Space, so that what it does is in reach of the keyboard; assistive
    // technology sees a link that it can press.
    void SetKeyboardClick(bool on);
    // Moves the label; x in the pixels of its window's design.
    void SetLeft(int x);
    // Takes the frame's widths and the caption's size afresh at the zoom.
    void ApplyZoom();

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FitCaption();

    bool autoSize_ = false;
    bool border_ = false;
    bool pressed_ = false;
};

} // namespace fenwa::display
