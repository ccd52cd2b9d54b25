// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/help/frmFenwaHelp.h"

#include "display/controls/HScrollBar.h"
#include "display/controls/Label.h"
#include "display/controls/TextBox.h"
#include "display/desktop/Environment.h"
#include "display/zoom/Twips.h"
#include "model/PhotonCount.h"
#include "ui/help/HelpIcon.h"

#include <QVariant>

namespace fenwa::ui {

namespace {

// Every label's background after load, a shade apart from the window's own.
constexpr display::BgrColor LabelBackColor = 13168880; // 0xC8F0F0

} // namespace

frmFenwaHelp::frmFenwaHelp(display::Environment& environment) : environment_(environment) {
    SetCaption(frmFenwaHelpDesign::Caption());
    SetClientSize(frmFenwaHelpDesign::ClientWidth, frmFenwaHelpDesign::ClientHeight,
                  Border::Sizable);
    SetBackColor(frmFenwaHelpDesign::BackColor);
    setWindowIcon(HelpIcon());
    // The painted lines, for those who cannot see them.
    setAccessibleDescription(Instructions());
    BuildControls(*this, frmFenwaHelpDesign::WindowFont(), frmFenwaHelpDesign::Controls(*this));

    // The control with tab index 0 holds the focus when the window opens.
    txtN->setFocus(Qt::TabFocusReason);
    // The window has no button to close it; Esc closes it from the keyboard.
    CloseOnEscape();
    SetKeyPreview(true);
    SetKeyDown([this](int& keyCode, int shift) { Form_KeyDown(keyCode, shift); });
    surface().SetPaintHandler([this] { Form_Paint(); });
    txtN->SetKeyPress([this](std::int16_t& keyAscii) { txtN_KeyPress(keyAscii); });
    txtN->SetDigitsOnly();
    // Pasted, dropped or composed text that is not all digits.
    connect(txtN, &display::TextBox::inputRejected, this, [this] { environment_.Beep(); });
    connect(hsbN, &display::HScrollBar::Scroll, this, &frmFenwaHelp::hsbN_Scroll);
    connect(hsbN, &display::HScrollBar::Change, this, &frmFenwaHelp::hsbN_Change);
}

void frmFenwaHelp::Form_Load() {
    for (QWidget* control : Controls())
        if (display::KindOf(control) == display::ControlKind::Label)
            control->setProperty("BackColor", QVariant::fromValue(LabelBackColor));
    lblHead->SetLeft(display::RoundToInt32(display::TwipsToPixels(0.25 * Width())));
    hsbN->SetMin(model::FewestPhotons);
    hsbN->SetMax(model::MostPhotons);
    hsbN->SetSmallChange(10);
    hsbN->SetLargeChange(100);
    surface().Scale(ScaleX1, ScaleY1, ScaleX2, ScaleY2);
    HelpCount = 5000;
    hsbN->SetValue(HelpCount);
    txtN->setText(QString::number(HelpCount));
    txtN->SetSelStart(int(txtN->text().size()));
}

} // namespace fenwa::ui
