// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/speech/Narrator.h"

#include "display/controls/Announcer.h"
#include "display/controls/PictureBox.h"
#include "display/forms/Form.h"
#include "run/Narration.h"
#include "run/PhotonRun.h"

namespace fenwa::ui {

namespace {

// Sets a description only when it changes: each change is an event that a
// screen reader may read out.
void Describe(QWidget& widget, const QString& description) {
    if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

} // namespace

Narrator::Narrator(display::Form& window, display::PictureBox& screen,
                   display::PictureBox& histogram, run::PhotonRun& run,
                   const model::Apparatus& apparatus)
    : QObject(&window), window_(window), screen_(screen), histogram_(histogram), run_(run),
      apparatus_(apparatus), announcer_(new display::Announcer(&window)) {
    connect(&run_, &run::PhotonRun::Started, this, &Narrator::RunStarted);
    connect(&run_, &run::PhotonRun::Progressed, this, &Narrator::RunProgressed);
    connect(&run_, &run::PhotonRun::Finished, this, &Narrator::RunFinished);
    DescribePanels();
}

void Narrator::ApparatusChanged() {
    Describe(window_, run::ApparatusLines(apparatus_).join(u'\n'));
    DescribePanels();
}

void Narrator::CountRefused(bool loweredToMost) {
    announcer_->Announce(run::CountRefusedSentence(loweredToMost));
}

void Narrator::Refused(const QString& why) { announcer_->Announce(why); }

void Narrator::RunStarted() {
    quartersTold_ = 0;
    DescribePanels();
    announcer_->Announce(run::RunStartSentence(apparatus_, run_.Record().Count));
}

// At most one sentence a quarter, the last quarter passed, should a look at
// the clock bring more than one.
void Narrator::RunProgressed() {
    const run::RunRecord& record = run_.Record();
    const int quarters = run::QuartersArrived(record.Stored, record.Count);
    if (quarters <= quartersTold_ || quarters >= 4) return;
    quartersTold_ = quarters;
    DescribePanels();
    if (run::TellsQuarters(record.Count))
        announcer_->Announce(run::RunProgressSentence(quarters, record.Stored));
}

void Narrator::RunFinished() {
    DescribePanels();
    announcer_->Announce(run::RunEndSentence(*run_.LastFinished()));
}

// A run going is told with the slits of the moment; a run that has ended, as
// it ended. Both tell what was drawn under each arrangement.
void Narrator::DescribePanels() {
    const run::RunRecord& record = run_.Record();
    if (run_.Active()) {
        Describe(screen_, run::ScreenDescription(apparatus_, record.Arrangements, record.Stored,
                                                 record.Count));
        Describe(histogram_, run::HistogramDuringRun(record.Stored, record.Count));
    } else if (const auto& last = run_.LastFinished()) {
        const run::RunRecord& ended = last->Record;
        Describe(screen_, run::ScreenDescription(last->Apparatus, ended.Arrangements, ended.Count,
                                                 ended.Count));
        Describe(histogram_, run::HistogramDescription(*last));
    } else {
        Describe(screen_, run::ScreenBeforeRun());
        Describe(histogram_, run::HistogramBeforeRun());
    }
}

} // namespace fenwa::ui
