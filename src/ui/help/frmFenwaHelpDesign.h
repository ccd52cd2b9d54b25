// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/forms/ControlTable.h"

#include <array>

// The help window as designed: its size, caption, colour, font and table of
// controls.
namespace fenwa::ui {

// The help window's controls, as its table makes them. The labels that the
// table names Label1 to Label7 are named here after what they point at.
struct frmFenwaHelpControls {
    display::Label* lblHead = nullptr;
    display::TextBox* txtN = nullptr;
    display::Label* lblTextBoxNote = nullptr;
    display::HScrollBar* hsbN = nullptr;
    display::Label* lblScrollBarNote = nullptr;
    display::Label* lblRightTrack = nullptr;
    display::Label* lblLeftTrack = nullptr;
    display::Label* lblLeftArrow = nullptr;
    display::Label* lblRightArrow = nullptr;
    display::Label* lblThumb = nullptr;
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
