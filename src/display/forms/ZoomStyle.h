// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QProxyStyle>

namespace fenwa::display {

// The platform's style with the program's zoom applied to what the style
// draws itself: in the forms, the frame of a text box, the box of a check box
// and the parts of a scroll bar (arrow buttons, arrows, thumb); in every other
// window, all its margins, spacings and icons, and a combo box's arrow. At a zoom of 1 it is the
// platform's style exactly.
class ZoomStyle : public QProxyStyle {
    Q_OBJECT

public:
    // The one instance the controls of every window share.
    static ZoomStyle* Instance();

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl part, const QWidget* widget) const override;

private:
    ZoomStyle();
};

} // namespace fenwa::display
