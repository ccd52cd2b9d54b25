// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/forms/Form.h"
#include "model/Apparatus.h"
#include "model/RandomSource.h"
#include "ui/main/frmFenwaDesign.h"

#include <cstdint>

class QAction;

namespace fenwa::display {
class Environment;
}

namespace fenwa::run {
class PhotonRun;
}

namespace fenwa::ui {

class RefusalSign;
class Narrator;
class ResultsExport;
class ZoomPolicy;

// The main window: the screen and histogram panels, the photon count entry,
// the slit buttons, and the way out. It owns the state of the experiment for
// the life of the program. Its controls are members of their own names.
class frmFenwa : public display::Form, public frmFenwaControls {
    Q_OBJECT

public:
    // random: the source of every photon's chance; environment: the clock,
    // bell, browser and way out. Both must outlive the window.
    frmFenwa(model::RandomSource& random, display::Environment& environment);

    // Brings the window and the experiment to their start state and shows it.
    void Form_Load();
    // Writes the title for the current slit count and marks its button.
    void SetTitle();

    // Read-only views of the state, for whoever needs to look in.
    const model::Apparatus& apparatus() const { return apparatus_; }
    std::int32_t photonCount() const { return PhotonCount; }
    bool running() const { return Running; }
    run::PhotonRun& photonRun() { return *run_; }
    // What leaves the window of a finished run, and how the window zooms.
    ResultsExport& results() { return *results_; }
    ZoomPolicy& zoom() { return *zoom_; }
    // Where a refusal shows, in place of the prompt.
    RefusalSign& refusalSign() { return *sign_; }

    // Opens the experiment's conditions; greyed out during a run.
    QAction* mnuConditions = nullptr;

private:
    // The apparatus readout.
    void Form_Paint();
    // Slit selection.
    void cmdSlitNo_Click(std::int16_t index);
    // The experiment's conditions.
    void AddConditionsItem();
    void mnuConditions_Click();
    // Help, source download and exit.
    void cmdHelp_Click();
    void GetSrc_Click();
    void cmdEnd_Click();
    // The photon run and its panels.
    void Pic_Click();
    void Pic_Paint();
    void Histo_Paint();
    void RunFinished();
    // Photon count entry.
    void txtN_KeyPress(std::int16_t& keyAscii);
    void hsbN_Scroll();
    void hsbN_Change();
    void hsbN_KeyPress(std::int16_t& keyAscii);
    void lblPhotonN_Click(std::int16_t index);
    void lblMSG_Click();

    model::RandomSource& random_;
    display::Environment& environment_;
    model::Apparatus apparatus_; // the slits and the conditions of the next photons
    std::int32_t PhotonCount = 0;
    bool Running = false;
    run::PhotonRun* run_; // the dots, the bins and the pacing of the last run
    ResultsExport* results_;
    ZoomPolicy* zoom_;
    RefusalSign* sign_;
    Narrator* narrator_;
    QString savedPrompt_; // lblMSG's caption while a run has it cleared
    QString TitleHead;
    QString TitleTail;
};

} // namespace fenwa::ui
