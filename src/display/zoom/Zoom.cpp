// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/zoom/Zoom.h"

#include "display/numbers/Rounding.h"

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <utility>

namespace fenwa::display {

namespace {

double factor_ = 1.0;

// A rectangle converted edge by edge, so that rectangles that meet still meet.
template <class Convert> QRect ByEdges(const QRect& rect, Convert convert) {
    const int left = convert(rect.left());
    const int top = convert(rect.top());
    return QRect(left, top, convert(rect.left() + rect.width()) - left,
                 convert(rect.top() + rect.height()) - top);
}

} // namespace

double ZoomFactor() { return factor_; }

double ExchangeZoomFactor(double factor) { return std::exchange(factor_, std::max(1.0, factor)); }

int ToScreen(double designPixels, double factor) { return RoundToInt32(designPixels * factor); }

QRect ToScreen(const QRect& design, double factor) {
    return ByEdges(design, [factor](int edge) { return ToScreen(edge, factor); });
}

QSize ToScreen(const QSize& design, double factor) {
    return QSize(ToScreen(design.width(), factor), ToScreen(design.height(), factor));
}

int ToDesign(int screenPixels, double factor) { return RoundToInt32(screenPixels / factor); }

QRect ToDesign(const QRect& screen, double factor) {
    return ByEdges(screen, [factor](int edge) { return ToDesign(edge, factor); });
}

QSize ToDesign(const QSize& screen, double factor) {
    return QSize(ToDesign(screen.width(), factor), ToDesign(screen.height(), factor));
}

int LineWidth(double ratio) {
    // Halves round up: a dot at 150 % is two pixels wide, not one.
    return std::max(1, int(std::floor(factor_ * ratio + 0.5)));
}

QFont ZoomedPlatformFont(const QWidget& widget) {
    QFont font = QApplication::font(&widget);
    if (font.pixelSize() > 0)
        font.setPixelSize(ToScreen(font.pixelSize()));
    else
        font.setPointSizeF(font.pointSizeF() * factor_);
    return font;
}

} // namespace fenwa::display
