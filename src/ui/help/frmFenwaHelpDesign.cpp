// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/help/frmFenwaHelpDesign.h"

#include <array>

namespace fenwa::ui::frmFenwaHelpDesign {

using display::ControlSpec;
using display::FontSpec;
namespace Style = display::LabelStyle;
namespace Fonts = display::FontNames;

QString Caption() { return QStringLiteral("フォトン個数を指定するには"); }

FontSpec WindowFont() { return {Fonts::Meiryo, 11.25}; }

std::array<ControlSpec, Count> Controls(frmFenwaHelpControls& c) {
    const FontSpec windowFont{};
    const FontSpec marker{Fonts::Arial, 12.0};
    constexpr display::BgrColor darkBlue = display::RGB(0, 0, 192);
    // Left, top, width and height in twips; the tab index sets the focus order.
    // The letters A, B and C stand under the parts of the scroll bar that the
    // instructions name: the arrow buttons, the track and the thumb at 5000.
    // The practice box and bar have no caption, so their last column names
    // them for assistive technology.
    // clang-format off
    return {{
        {&c.lblHead, "lblHead", -1, 795, 285, 3795, 360, 2,
         QStringLiteral("フォトンの個数を指定するには ･･･"), {Fonts::Meiryo, 12.0}, Style::AutoSize},
        {&c.txtN, "txtN", -1, 1890, 4335, 975, 420, 0, QString(),
         {Fonts::Arial, 14.25}, Style::Plain, {}, QStringLiteral("練習用のテキストボックス")},
        {&c.lblTextBoxNote, "Label1", -1, 3075, 4440, 4350, 345, 3,
         QStringLiteral("← これを，テキストボックスと言います。"), windowFont, Style::AutoSize,
         darkBlue},
        {&c.hsbN, "hsbN", -1, 1470, 4860, 1785, 315, 1, QString(), windowFont,
         Style::Plain, {}, QStringLiteral("練習用の水平スクロールバー")},
        {&c.lblScrollBarNote, "Label2", -1, 3435, 4905, 4575, 345, 4,
         QStringLiteral("← これを，水平スクロールバーと言います。"), windowFont, Style::AutoSize,
         darkBlue},
        {&c.lblRightTrack, "Label5", -1, 2700, 5190, 165, 270, 7, QStringLiteral("B"), marker,
         Style::AutoSize},
        {&c.lblLeftTrack, "Label3", -1, 1950, 5205, 165, 270, 5, QStringLiteral("B"), marker,
         Style::AutoSize},
        {&c.lblLeftArrow, "Label7", -1, 1515, 5235, 165, 270, 9, QStringLiteral("A"), marker,
         Style::AutoSize},
        {&c.lblRightArrow, "Label4", -1, 3060, 5235, 165, 270, 6, QStringLiteral("A"), marker,
         Style::AutoSize},
        {&c.lblThumb, "Label6", -1, 2325, 5250, 180, 270, 8, QStringLiteral("C"), marker,
         Style::AutoSize},
    }};
    // clang-format on
}

} // namespace fenwa::ui::frmFenwaHelpDesign
