#pragma once

#include "display/ControlTable.h"

#include <span>

// The main window as designed: its size, caption, font and table of controls.
namespace fenwa::ui::frmFenwaDesign {

inline constexpr int ClientWidth = 11910; // twips
inline constexpr int ClientHeight = 8520;
QString Caption();
display::FontSpec WindowFont();
std::span<const display::ControlSpec> Controls();

} // namespace fenwa::ui::frmFenwaDesign
