// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QScrollBar>
#include <cstdint>
#include <functional>

namespace fenwa::display {

// A horizontal scroll bar with the two events the windows tell apart: Scroll
// while the thumb is being dragged, Change after every other change of the
// value (arrow, track, key, code) and once more when a drag ends. KeyPress
// reports character keys such as Enter before the bar handles them.
class HScrollBar : public QScrollBar {
    Q_OBJECT

public:
    using KeyPressHandler = std::function<void(std::int16_t& keyAscii)>;

    explicit HScrollBar(QWidget* parent = nullptr);

    int Min() const { return minimum(); }
    void SetMin(int value) { setMinimum(value); }
    int Max() const { return maximum(); }
    void SetMax(int value) { setMaximum(value); }
    int SmallChange() const { return singleStep(); }
    void SetSmallChange(int value) { setSingleStep(value); }
    int LargeChange() const { return pageStep(); }
    void SetLargeChange(int value) { setPageStep(value); }
    int Value() const { return value(); }
    void SetValue(int value) { setValue(value); }

    void SetKeyPress(KeyPressHandler handler) { keyPress_ = std::move(handler); }

signals:
    void Scroll();
    void Change();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    KeyPressHandler keyPress_;
    int valueAtPress_ = 0;
};

} // namespace fenwa::display
