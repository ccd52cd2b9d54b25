// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/forms/Form.h"
#include "ui/help/frmFenwaHelpDesign.h"

#include <cstdint>

class QResizeEvent;

namespace fenwa::display {
class Environment;
}

namespace fenwa::ui {

// The photon-count help window: eight lines of instructions and a text box
// and scroll bar of its own on which the user practises the three ways of
// entering a count. Nothing entered here reaches the main window. Its
// controls are members of their own names.
class frmFenwaHelp : public display::Form, public frmFenwaHelpControls {
    Q_OBJECT

public:
    // environment: the bell for refused keys; it must outlive the window.
    explicit frmFenwaHelp(display::Environment& environment);

    // Brings the window to its start state: pale labels, the heading moved,
    // the scroll bar set up, the user scale, and 5000 in the bar and the box.
    void Form_Load();

private:
    // The user scale of the instruction lines: these corners at the design size.
    static constexpr double ScaleX1 = -1, ScaleY1 = -3, ScaleX2 = 20, ScaleY2 = 13;

    // The instruction lines, and the same as text for assistive technology.
    void Form_Paint();
    static QString Instructions();
    void Form_Resize();
    void SetPos(float x, float y);
    void resizeEvent(QResizeEvent* event) override;
    // The practice controls.
    void Form_KeyDown(int& keyCode, int shift);
    void txtN_KeyPress(std::int16_t& keyAscii);
    void hsbN_Scroll();
    void hsbN_Change();

    display::Environment& environment_;
    std::int32_t HelpCount = 0;
};

} // namespace fenwa::ui
