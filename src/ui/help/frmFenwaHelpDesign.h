// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/forms/ControlTable.h"

#include <array>

// The help window as designed: its size, caption, colour, font and table of
// controls.
namespace fenwa::ui {

// The help window's controls, as its table makes them.
struct frmFenwaHelpControls {
    display::Label* lblHead = nullptr;
    display::TextBox* txtN = nullptr;
    display::Label* Label1 = nullptr;
    display::HScrollBar* hsbN = nullptr;
    display::Label* Label2 = nullptr;
    display::Label* Label5 = nullptr;
    display::Label* Label3 = nullptr;
    display::Label* Label7 = nullptr;
    display::Label* Label4 = nullptr;
    display::Label* Label6 = nullptr;
};

namespace frmFenwaHelpDesign {

inline constexpr int ClientWidth = 8220; // twips
inline constexpr int ClientHeight = 5595;
inline constexpr display::BgrColor BackColor = 0xC0F0F0; // pale yellow
inline constexpr std::size_t Count = 10;
QString Caption();
display::FontSpec WindowFont();
// The table, each row making its control into its member of controls.
std::array<display::ControlSpec, Count> Controls(frmFenwaHelpControls& controls);

} // namespace frmFenwaHelpDesign

} // namespace fenwa::ui
