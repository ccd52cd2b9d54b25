#pragma once

#include "display/ControlTable.h"

#include <span>

// The help window as designed: its size, caption, colour, font and table of
// controls.
namespace fenwa::ui::frmFenwaHelpDesign {

inline constexpr int ClientWidth = 8220; // twips
inline constexpr int ClientHeight = 5595;
inline constexpr display::OleColor BackColor = 0xC0F0F0; // pale yellow
QString Caption();
display::FontSpec WindowFont();
std::span<const display::ControlSpec> Controls();

} // namespace fenwa::ui::frmFenwaHelpDesign
