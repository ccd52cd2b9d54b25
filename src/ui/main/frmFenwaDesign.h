// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/forms/ControlTable.h"

#include <array>

// The main window as designed: its size, caption, font and table of controls.
namespace fenwa::ui {

// The main window's controls, as its table makes them.
struct frmFenwaControls {
    display::Label* GetSrc = nullptr;
    display::Label* lblA = nullptr;
    display::PictureBox* Pic = nullptr;
    display::PictureBox* Histo = nullptr;
    display::CommandButton* cmdHelp = nullptr;
    display::Label* Label1 = nullptr;
    display::TextBox* txtN = nullptr;
    display::HScrollBar* hsbN = nullptr;
    std::array<display::Label*, 3> lblPhotonN{};
    std::array<display::CommandButton*, 4> cmdSlitNo{}; // indices 1 to 3
    display::CommandButton* cmdEnd = nullptr;
    display::Label* lblMSG = nullptr;
    display::Label* Label2 = nullptr;
};

namespace frmFenwaDesign {

inline constexpr int ClientWidth = 11910; // twips
inline constexpr int ClientHeight = 8520;
inline constexpr std::size_t Count = 17;
QString Caption();
display::FontSpec WindowFont();
// The table, each row making its control into its member of controls.
std::array<display::ControlSpec, Count> Controls(frmFenwaControls& controls);

} // namespace frmFenwaDesign

} // namespace fenwa::ui
