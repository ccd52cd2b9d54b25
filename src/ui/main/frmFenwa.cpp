// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/main/frmFenwa.h"

#include "display/controls/CommandButton.h"
#include "display/controls/HScrollBar.h"
#include "display/controls/Label.h"
#include "display/controls/PictureBox.h"
#include "display/controls/TextBox.h"
#include "display/desktop/Environment.h"
#include "display/dspCommon.h"
#include "model/PhotonCount.h"
#include "run/PhotonRun.h"
#include "ui/main/RefusalSign.h"
#include "ui/main/ZoomPolicy.h"
#include "ui/results/ResultsExport.h"
#include "ui/speech/Narrator.h"

namespace fenwa::ui {

frmFenwa::frmFenwa(model::RandomSource& random, display::Environment& environment)
    : random_(random), environment_(environment) {
    SetCaption(frmFenwaDesign::Caption());
    SetClientSize(frmFenwaDesign::ClientWidth, frmFenwaDesign::ClientHeight, Border::FixedSingle);
    BuildControls(*this, frmFenwaDesign::WindowFont(), frmFenwaDesign::Controls(*this));

    GetSrc->setCursor(Qt::PointingHandCursor);
    SetCancelButton(cmdEnd);
    surface().SetPaintHandler([this] { Form_Paint(); });
    for (int i = 1; i <= 3; ++i) {
        // One choice of three: assistive technology hears which is checked.
        cmdSlitNo[i]->setCheckable(true);
        cmdSlitNo[i]->setAutoExclusive(true);
        connect(cmdSlitNo[i], &display::CommandButton::Click, this,
                [this, i] { cmdSlitNo_Click(static_cast<std::int16_t>(i)); });
    }
    connect(cmdHelp, &display::CommandButton::Click, this, &frmFenwa::cmdHelp_Click);
    connect(GetSrc, &display::Label::Click, this, &frmFenwa::GetSrc_Click);
    connect(cmdEnd, &display::CommandButton::Click, this, &frmFenwa::cmdEnd_Click);

    run_ = new run::PhotonRun(apparatus_, random_, environment_, Pic->surface(), Histo->surface(),
                              this);
    results_ = new ResultsExport(
        *this, *Pic, *Histo, *run_,
        [this](int slits) {
            return slits >= 1 && slits <= 3 ? cmdSlitNo[std::size_t(slits)]->text() : QString();
        },
        frmFenwaDesign::WindowFont());
    // In the panels' menu too, where a teacher at the projector looks for them.
    zoom_ = new ZoomPolicy(*this, environment_);
    zoom_->AddActions(*results_->PanelMenu);
    sign_ = new RefusalSign(*lblMSG, this);
    connect(zoom_, &ZoomPolicy::Refused, sign_, &RefusalSign::Show);
    AddConditionsItem();
    connect(Pic, &display::PictureBox::Click, this, &frmFenwa::Pic_Click);
    Pic->SetKeyboardClick(true); // Enter or Space on the screen starts a run, as a click does
    Histo->SetAccessibleRole(QAccessible::Chart);
    Pic->surface().SetPaintHandler([this] { Pic_Paint(); });
    Histo->surface().SetPaintHandler([this] { Histo_Paint(); });
    connect(run_, &run::PhotonRun::Finished, this, &frmFenwa::RunFinished);
    // A closed window is drawn on no more.
    connect(this, &Form::Closed, run_, &run::PhotonRun::Stop);
    // It hears of a run after the window has put the focus back.
    narrator_ = new Narrator(*this, *Pic, *Histo, *run_, apparatus_);
    connect(zoom_, &ZoomPolicy::Refused, narrator_, &Narrator::Refused);

    txtN->SetKeyPress([this](std::int16_t& key) { txtN_KeyPress(key); });
    txtN->SetDigitsOnly();
    // Pasted, dropped or composed text that is not all digits.
    connect(txtN, &display::TextBox::inputRejected, this, [this] { environment_.Beep(); });
    hsbN->SetKeyPress([this](std::int16_t& key) { hsbN_KeyPress(key); });
    connect(hsbN, &display::HScrollBar::Scroll, this, &frmFenwa::hsbN_Scroll);
    connect(hsbN, &display::HScrollBar::Change, this, &frmFenwa::hsbN_Change);
    for (int i = 0; i < 3; ++i)
        connect(lblPhotonN[i], &display::Label::Click, this,
                [this, i] { lblPhotonN_Click(static_cast<std::int16_t>(i)); });
    connect(lblMSG, &display::Label::Click, this, &frmFenwa::lblMSG_Click);
}

void frmFenwa::Form_Load() {
    dspCommon::InitDisplay(*this);
    GetSrc->SetBackColor(0xF8F8F8);
    surface().Cls();
    random_.Randomize(environment_.Timer());
    apparatus_.SlitCount = 2;
    hsbN->SetMin(model::FewestPhotons);
    hsbN->SetMax(model::MostPhotons);
    hsbN->SetSmallChange(10);
    hsbN->SetLargeChange(100);
    Running = false;
    SetTitle();
    apparatus_ = model::DefaultApparatus(apparatus_.SlitCount);
    PhotonCount = model::FewestPhotons; // where the scroll bar rests
    lblMSG->SetCaption(QStringLiteral("フォトンの個数を指定して，ここをクリックしてください。"));
    txtN->setText(dspCommon::NumToStr(PhotonCount));
    txtN->SetSelStart(int(txtN->text().size()));
    txtN->setFocus(Qt::OtherFocusReason);
    narrator_->ApparatusChanged();
    zoom_->Restore();
    show();
}

} // namespace fenwa::ui
