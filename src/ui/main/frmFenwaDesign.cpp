// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/main/frmFenwaDesign.h"

#include <array>

namespace fenwa::ui::frmFenwaDesign {

using display::ControlSpec;
using display::FontSpec;
namespace Style = display::LabelStyle;
namespace Fonts = display::FontNames;

QString Caption() { return QStringLiteral("　２重スリットによる光の回折"); }

FontSpec WindowFont() { return {Fonts::Meiryo, 12.0}; }

std::array<ControlSpec, Count> Controls(frmFenwaControls& c) {
    const FontSpec meiryo11{Fonts::Meiryo, 11.25};
    const FontSpec windowFont{};
    // Left, top, width and height in twips; the tab index sets the focus order.
    // The panels, the count box and the scroll bar show no caption of their
    // own, so their last column names them for assistive technology.
    // clang-format off
    return {{
        {&c.GetSrc, "GetSrc", -1, 9015, 150, 2490, 735, 16,
         QStringLiteral("C++ のソースファイル       ダウンロードをどうぞ"), meiryo11,
         Style::Bordered | Style::WordWrap | Style::Button},
        {&c.lblA, "lblA", -1, 330, 300, 930, 420, 10, QString(),
         {Fonts::Meiryo, 14.25}, Style::AutoSize},
        {&c.Pic, "Pic", -1, 6120, 960, 2865, 6000, 1, QString(),
         {Fonts::Meiryo, 9.75}, Style::Plain, {}, QStringLiteral("スクリーン（フォトンの到達点）")},
        {&c.Histo, "Histo", -1, 9000, 960, 2790, 6000, 2, QString(),
         {Fonts::CourierNew, 12.0, true}, Style::Plain, {},
         QStringLiteral("ヒストグラムと理論曲線")},
        {&c.cmdHelp, "cmdHelp", -1, 240, 4560, 3180, 615, 6,
         QStringLiteral("フォトン数 指定方法の説明"), meiryo11},
        {&c.Label1, "Label1", -1, 3360, 5520, 1575, 345, 11,
         QStringLiteral("フォトンの個数"), meiryo11, Style::AutoSize},
        {&c.txtN, "txtN", -1, 3600, 6000, 975, 420, 0, QStringLiteral("100"),
         {Fonts::Arial, 14.25}, Style::Plain, {}, QStringLiteral("フォトンの個数")},
        {&c.hsbN, "hsbN", -1, 1920, 6600, 4020, 300, 4, QString(), windowFont,
         Style::Plain, {}, QStringLiteral("フォトンの個数のスクロールバー")},
        {&c.lblPhotonN[0], "lblPhotonN", 0, 2040, 7080, 510, 420, 12, QStringLiteral("100"),
         windowFont, Style::Bordered | Style::AutoSize},
        {&c.lblPhotonN[1], "lblPhotonN", 1, 2760, 7080, 660, 420, 13, QStringLiteral("2000"),
         windowFont, Style::Bordered | Style::AutoSize},
        {&c.lblPhotonN[2], "lblPhotonN", 2, 5280, 7080, 810, 420, 14, QStringLiteral("10000"),
         windowFont, Style::Bordered | Style::AutoSize},
        {&c.cmdSlitNo[2], "cmdSlitNo", 2, 6480, 7200, 1575, 480, 8,
         QStringLiteral("２重スリット"), meiryo11},
        {&c.cmdSlitNo[3], "cmdSlitNo", 3, 8280, 7200, 1500, 480, 9,
         QStringLiteral("３重スリット"), meiryo11},
        {&c.cmdSlitNo[1], "cmdSlitNo", 1, 9960, 7200, 1425, 480, 7,
         QStringLiteral("単スリット"), meiryo11},
        {&c.cmdEnd, "cmdEnd", -1, 165, 7710, 735, 405, 5, QStringLiteral("終了"),
         windowFont},
        {&c.lblMSG, "lblMSG", -1, 1200, 7800, 645, 225, 3, QString(), meiryo11,
         Style::AutoSize, display::RGB(0, 0, 192)},
        {&c.Label2, "Label2", -1, 10440, 8040, 1335, 375, 15, QStringLiteral("p. 13～15"),
         meiryo11, Style::Centred},
    }};
    // clang-format on
}

} // namespace fenwa::ui::frmFenwaDesign
