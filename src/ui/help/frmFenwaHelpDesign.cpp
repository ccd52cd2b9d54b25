#include "frmFenwaHelpDesign.h"

#include <array>

namespace fenwa::ui::frmFenwaHelpDesign {

using display::ControlKind;
using display::ControlSpec;
using display::FontSpec;
namespace Style = display::LabelStyle;
namespace Fonts = display::FontNames;

QString Caption() { return QStringLiteral("フォトン個数を指定するには"); }

FontSpec WindowFont() { return {Fonts::Meiryo, 11.25}; }

std::span<const ControlSpec> Controls() {
    const FontSpec windowFont{};
    const FontSpec marker{Fonts::Arial, 12.0};
    constexpr display::OleColor darkBlue = display::RGB(0, 0, 192);
    // Left, top, width and height in twips; the tab index sets the focus order.
    // The letters A, B and C stand under the parts of the scroll bar that the
    // instructions name: the arrow buttons, the track and the thumb at 5000.
    // The practice box and bar have no caption, so their last column names
    // them for assistive technology.
    // clang-format off
    static const std::array<ControlSpec, 10> table{{
        {"lblHead", -1, ControlKind::Label, 795, 285, 3795, 360, 2,
         QStringLiteral("フォトンの個数を指定するには ･･･"), {Fonts::Meiryo, 12.0}, Style::AutoSize},
        {"txtN", -1, ControlKind::TextBox, 1890, 4335, 975, 420, 0, QString(),
         {Fonts::Arial, 14.25}, Style::Plain, {}, QStringLiteral("練習用のテキストボックス")},
        {"Label1", -1, ControlKind::Label, 3075, 4440, 4350, 345, 3,
         QStringLiteral("← これを，テキストボックスと言います。"), windowFont, Style::AutoSize,
         darkBlue},
        {"hsbN", -1, ControlKind::HScrollBar, 1470, 4860, 1785, 315, 1, QString(), windowFont,
         Style::Plain, {}, QStringLiteral("練習用の水平スクロールバー")},
        {"Label2", -1, ControlKind::Label, 3435, 4905, 4575, 345, 4,
         QStringLiteral("← これを，水平スクロールバーと言います。"), windowFont, Style::AutoSize,
         darkBlue},
        {"Label5", -1, ControlKind::Label, 2700, 5190, 165, 270, 7, QStringLiteral("B"), marker,
         Style::AutoSize},
        {"Label3", -1, ControlKind::Label, 1950, 5205, 165, 270, 5, QStringLiteral("B"), marker,
         Style::AutoSize},
        {"Label7", -1, ControlKind::Label, 1515, 5235, 165, 270, 9, QStringLiteral("A"), marker,
         Style::AutoSize},
        {"Label4", -1, ControlKind::Label, 3060, 5235, 165, 270, 6, QStringLiteral("A"), marker,
         Style::AutoSize},
        {"Label6", -1, ControlKind::Label, 2325, 5250, 180, 270, 8, QStringLiteral("C"), marker,
         Style::AutoSize},
    }};
    // clang-format on
    return table;
}

} // namespace fenwa::ui::frmFenwaHelpDesign
