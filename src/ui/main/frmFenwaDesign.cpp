#include "frmFenwaDesign.h"

#include <array>

namespace fenwa::ui::frmFenwaDesign {

using display::ControlKind;
using display::ControlSpec;
using display::FontSpec;
namespace Style = display::LabelStyle;
namespace Fonts = display::FontNames;

QString Caption() { return QStringLiteral("　２重スリットによる光の回折"); }

FontSpec WindowFont() { return {Fonts::Meiryo, 12.0}; }

std::span<const ControlSpec> Controls() {
    const FontSpec meiryo11{Fonts::Meiryo, 11.25};
    const FontSpec windowFont{};
    // Left, top, width and height in twips; the tab index sets the focus order.
    // The panels, the count box and the scroll bar show no caption of their
    // own, so their last column names them for assistive technology.
    // clang-format off
    static const std::array<ControlSpec, 17> table{{
        {"GetSrc", -1, ControlKind::Label, 9015, 150, 2490, 735, 16,
         QStringLiteral("C++ のソースファイル       ダウンロードをどうぞ"), meiryo11,
         Style::Bordered | Style::WordWrap | Style::Button},
        {"lblA", -1, ControlKind::Label, 330, 300, 930, 420, 10, QString(),
         {Fonts::Meiryo, 14.25}, Style::AutoSize},
        {"Pic", -1, ControlKind::PictureBox, 6120, 960, 2865, 6000, 1, QString(),
         {Fonts::Meiryo, 9.75}, Style::Plain, {}, QStringLiteral("スクリーン（フォトンの到達点）")},
        {"Histo", -1, ControlKind::PictureBox, 9000, 960, 2790, 6000, 2, QString(),
         {Fonts::CourierNew, 12.0, true}, Style::Plain, {},
         QStringLiteral("ヒストグラムと理論曲線")},
        {"cmdHelp", -1, ControlKind::CommandButton, 240, 4560, 3180, 615, 6,
         QStringLiteral("フォトン数 指定方法の説明"), meiryo11},
        {"Label1", -1, ControlKind::Label, 3360, 5520, 1575, 345, 11,
         QStringLiteral("フォトンの個数"), meiryo11, Style::AutoSize},
        {"txtN", -1, ControlKind::TextBox, 3600, 6000, 975, 420, 0, QStringLiteral("100"),
         {Fonts::Arial, 14.25}, Style::Plain, {}, QStringLiteral("フォトンの個数")},
        {"hsbN", -1, ControlKind::HScrollBar, 1920, 6600, 4020, 300, 4, QString(), windowFont,
         Style::Plain, {}, QStringLiteral("フォトンの個数のスクロールバー")},
        {"lblPhotonN", 0, ControlKind::Label, 2040, 7080, 510, 420, 12, QStringLiteral("100"),
         windowFont, Style::Bordered | Style::AutoSize},
        {"lblPhotonN", 1, ControlKind::Label, 2760, 7080, 660, 420, 13, QStringLiteral("2000"),
         windowFont, Style::Bordered | Style::AutoSize},
        {"lblPhotonN", 2, ControlKind::Label, 5280, 7080, 810, 420, 14, QStringLiteral("10000"),
         windowFont, Style::Bordered | Style::AutoSize},
        {"cmdSlitNo", 2, ControlKind::CommandButton, 6480, 7200, 1575, 480, 8,
         QStringLiteral("２重スリット"), meiryo11},
        {"cmdSlitNo", 3, ControlKind::CommandButton, 8280, 7200, 1500, 480, 9,
         QStringLiteral("３重スリット"), meiryo11},
        {"cmdSlitNo", 1, ControlKind::CommandButton, 9960, 7200, 1425, 480, 7,
         QStringLiteral("単スリット"), meiryo11},
        {"cmdEnd", -1, ControlKind::CommandButton, 165, 7710, 735, 405, 5, QStringLiteral("終了"),
         windowFont},
        {"lblMSG", -1, ControlKind::Label, 1200, 7800, 645, 225, 3, QString(), meiryo11,
         Style::AutoSize, display::RGB(0, 0, 192)},
        {"Label2", -1, ControlKind::Label, 10440, 8040, 1335, 375, 15, QStringLiteral("p. 13～15"),
         meiryo11, Style::Centred},
    }};
    // clang-format on
    return table;
}

} // namespace fenwa::ui::frmFenwaDesign
