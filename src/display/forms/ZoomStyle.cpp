// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/forms/ZoomStyle.h"

#include "display/forms/Form.h"

#include "display/text/TextDpi.h"
#include "display/zoom/Zoom.h"

#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QWidget>

namespace fenwa::display {

ZoomStyle::ZoomStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(qApp); // goes with the application, after every window
}

namespace {

// A widget of a window that is none of the program's forms.
bool InOtherWindow(const QWidget* widget) {
    return widget && !qobject_cast<const Form*>(widget->window());
}

// The widget's font measured at the zoom's dots per inch, which is what the
// styles size their arrows by.
QFontMetrics ZoomedMetrics(const QWidget& widget) {
    const QImage device =
        AtDpi(QImage(1, 1, QImage::Format_RGB32), widget.logicalDpiY() * ZoomFactor());
    return QFontMetrics(widget.font(), &device);
}

} // namespace

ZoomStyle* ZoomStyle::Instance() {
    static ZoomStyle* style = new ZoomStyle;
    return style;
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    const double zoom = ZoomFactor();
    if (zoom == 1.0) return QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
    case PM_DefaultFrameWidth:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
        // Measured without the option, which may already carry the zoom (see
        // drawComplexControl), then zoomed once.
        return ToScreen(QProxyStyle::pixelMetric(metric, nullptr, widget), zoom);
    default: break;
    }
    // What Qt lays out by itself in the program's other windows (dialogs,
    // messages, menus): their margins, spacings and icons grow with their text.
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    return base > 0 && InOtherWindow(widget) ? ToScreen(base, zoom) : base;
}

QSize ZoomStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                  const QSize& contents, const QWidget* widget) const {
    const QSize base = QProxyStyle::sizeFromContents(type, option, contents, widget);
    const double zoom = ZoomFactor();
    // A menu's item takes fixed room around its text, for the check and the
    // arrow, which grows likewise.
    if (zoom == 1.0 || type != CT_MenuItem || !InOtherWindow(widget)) return base;
    return contents + (base - contents) * zoom;
}

QRect ZoomStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl part, const QWidget* widget) const {
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (ZoomFactor() == 1.0 || control != CC_ComboBox || !combo || !InOtherWindow(widget))
        return QProxyStyle::subControlRect(control, option, part, widget);
    // A combo box's arrow button is as wide as its arrow is drawn, and the
    // text stops short of the line in front of it, which the style's rounding
    // at some zooms would put under the text.
    QStyleOptionComboBox zoomed(*combo);
    zoomed.fontMetrics = ZoomedMetrics(*widget);
    QRect rect = QProxyStyle::subControlRect(control, &zoomed, part, widget);
    if (part != SC_ComboBoxEditField) return rect;
    const QRect arrow = QProxyStyle::subControlRect(control, &zoomed, SC_ComboBoxArrow, widget);
    if (arrow.center().x() > rect.center().x())
        rect.setRight(std::min(rect.right(), arrow.left() - 1));
    else
        rect.setLeft(std::max(rect.left(), arrow.right() + 1));
    return rect;
}

void ZoomStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
    const double zoom = ZoomFactor();
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    const bool zoomArrows = zoom != 1.0 && widget &&
                            ((control == CC_ScrollBar && slider) ||
                             (control == CC_ComboBox && combo && InOtherWindow(widget)));
    if (!zoomArrows) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The styles size the arrows of a scroll bar or a combo box by the dots
    // per inch of the font they are given: an inch of zoom times as many dots
    // draws them at the zoom, in step with the buttons around them.
    const QFontMetrics zoomedMetrics = ZoomedMetrics(*widget);
    if (slider) {
        QStyleOptionSlider zoomed(*slider);
        zoomed.fontMetrics = zoomedMetrics;
        QProxyStyle::drawComplexControl(control, &zoomed, painter, widget);
    } else {
        QStyleOptionComboBox zoomed(*combo);
        zoomed.fontMetrics = zoomedMetrics;
        QProxyStyle::drawComplexControl(control, &zoomed, painter, widget);
    }
}

} // namespace fenwa::display
