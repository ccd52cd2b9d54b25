// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/HScrollBar.h"
#include "display/controls/KeyCodes.h"
#include "display/controls/TextBox.h"
#include "display/desktop/Environment.h"
#include "display/dspCommon.h"
#include "display/numbers/NumberText.h"
#include "model/PhotonCount.h"
#include "ui/help/frmFenwaHelp.h"

namespace fenwa::ui {

namespace KeyCode = display::KeyCode;
using model::FewestPhotons;
using model::MostPhotons;

// The arrow keys step the box by 10 and stop short of 100 and 10000. The key
// goes on to the focused control, so on the scroll bar it also moves the bar.
void frmFenwaHelp::Form_KeyDown(int& keyCode, int /*shift*/) {
    if (keyCode != KeyCode::Right && keyCode != KeyCode::Left) return;
    // An empty box, or one too long for a number, has nothing to step from.
    const std::optional<std::int32_t> n = display::ToInt32(txtN->text());
    if (!n) return;
    const std::int64_t m = std::int64_t{*n} + (keyCode == KeyCode::Right ? 10 : -10);
    if (keyCode == KeyCode::Right ? m < MostPhotons : m > FewestPhotons)
        txtN->setText(QString::number(m));
}

void frmFenwaHelp::txtN_KeyPress(std::int16_t& keyAscii) {
    if ((keyAscii > '9' || keyAscii < '0') && keyAscii != display::KeyAscii::Back) {
        keyAscii = 0;
        environment_.Beep();
    }
}

void frmFenwaHelp::hsbN_Scroll() {
    txtN->setText(QString::number(hsbN->Value()));
    txtN->SetSelStart(int(txtN->text().size()));
}

void frmFenwaHelp::hsbN_Change() {
    const QString s = dspCommon::NumToStr(double(hsbN->Value()));
    txtN->setText(s);
    txtN->SetSelStart(int(s.size()));
}

} // namespace fenwa::ui
