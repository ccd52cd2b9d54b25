// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/HScrollBar.h"
#include "display/controls/Label.h"
#include "display/controls/TextBox.h"
#include "display/desktop/Environment.h"
#include "display/numbers/NumberText.h"
#include "model/PhotonCount.h"
#include "run/PhotonRun.h"
#include "ui/main/RefusalSign.h"
#include "ui/main/frmFenwa.h"
#include "ui/results/ResultsExport.h"
#include "ui/speech/Narrator.h"

#include <QAction>

namespace fenwa::ui {

using model::FewestPhotons;
using model::MostPhotons;

// Every way of starting a run ends here: a click on the screen panel, the
// prompt, a preset, or Enter in the count box or on the scroll bar.
void frmFenwa::Pic_Click() {
    if (Running) return;
    // Digits too many for 32 bits are a count above the limit like any other.
    const std::optional<std::int32_t> count = display::ToInt32Saturated(txtN->text());
    if (count && *count > MostPhotons) {
        PhotonCount = *count;
        environment_.Beep();
        sign_->Show(Refusals::CountRange);
        txtN->setText(QString::number(MostPhotons));
        txtN->setFocus(Qt::OtherFocusReason);
        narrator_->CountRefused(true);
        return;
    }
    if (!count || *count < FewestPhotons) {
        // Nothing the run could use: the box keeps its text, selected, so the
        // next keystroke replaces it.
        environment_.Beep();
        sign_->Show(Refusals::CountRange);
        txtN->setFocus(Qt::OtherFocusReason);
        txtN->selectAll();
        narrator_->CountRefused(false);
        return;
    }
    const std::int32_t n = *count;
    PhotonCount = n;
    Running = true;
    results_->ShowState(Running);
    mnuConditions->setEnabled(!Running);
    hsbN->SetValue(static_cast<std::int16_t>(n));
    sign_->Clear();
    savedPrompt_ = lblMSG->Caption();
    lblMSG->SetCaption(QString());
    run_->Start(n);
}

void frmFenwa::RunFinished() {
    sign_->Clear();
    lblMSG->SetCaption(savedPrompt_);
    txtN->setFocus(Qt::OtherFocusReason);
    Running = false;
    results_->ShowState(Running);
    mnuConditions->setEnabled(!Running);
}

void frmFenwa::Pic_Paint() { run_->Pic_Paint(); }

void frmFenwa::Histo_Paint() { run_->Histo_Paint(); }

} // namespace fenwa::ui
