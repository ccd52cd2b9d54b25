// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/HScrollBar.h"
#include "display/controls/KeyCodes.h"
#include "display/controls/Label.h"
#include "display/controls/TextBox.h"
#include "display/desktop/Environment.h"
#include "display/dspCommon.h"
#include "display/numbers/NumberText.h"
#include "ui/main/frmFenwa.h"

namespace fenwa::ui {

// Digits and backspace pass; Enter starts a run without a sound; every other
// key is swallowed with a beep.
void frmFenwa::txtN_KeyPress(std::int16_t& keyAscii) {
    if (keyAscii >= '0' && keyAscii <= '9') return;
    if (keyAscii == display::KeyAscii::Back) return;
    if (keyAscii == display::KeyAscii::Return) {
        keyAscii = 0;
        Pic_Click();
        return;
    }
    keyAscii = 0;
    environment_.Beep();
}

void frmFenwa::hsbN_Scroll() { hsbN_Change(); }

void frmFenwa::hsbN_Change() {
    txtN->setText(dspCommon::NumToStr(hsbN->Value()));
    txtN->SetSelStart(int(txtN->text().size()));
}

void frmFenwa::hsbN_KeyPress(std::int16_t& keyAscii) {
    if (keyAscii == display::KeyAscii::Return) Pic_Click();
}

// A preset sets the count at once and starts a run when none is going.
void frmFenwa::lblPhotonN_Click(std::int16_t index) {
    PhotonCount = display::ToInt32(lblPhotonN[std::size_t(index)]->Caption()).value_or(PhotonCount);
    txtN->setText(QString::number(PhotonCount));
    lblMSG_Click();
}

void frmFenwa::lblMSG_Click() {
    if (!Running) Pic_Click();
}

} // namespace fenwa::ui
