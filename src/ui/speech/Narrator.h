// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"

#include <QObject>

namespace fenwa::display {
class Announcer;
class Form;
class PictureBox;
} // namespace fenwa::display

namespace fenwa::run {
class PhotonRun;
}

namespace fenwa::ui {

// Tells a screen reader what the main window shows and what the experiment
// does, in the words of run/Narration: the panels' descriptions, rebuilt at
// a run's start, at each quarter and at its end and when the slits change;
// the apparatus readout as the window's description; and, through an
// announcer, a run's start, its quarters (where a quarter lasts long enough
// to be heard) and its end, and a refused count.
class Narrator : public QObject {
    Q_OBJECT

public:
    // All must outlive the narrator; the window is its parent.
    Narrator(display::Form& window, display::PictureBox& screen, display::PictureBox& histogram,
             run::PhotonRun& run, const model::Apparatus& apparatus);

    // Once the window has loaded, and after every change of the slits.
    void ApparatusChanged();
    // A count out of range was refused; loweredToMost: it became the most.
    void CountRefused(bool loweredToMost);
    // Something else was refused, for the reason given.
    void Refused(const QString& why);

private:
    void RunStarted();
    void RunProgressed();
    void RunFinished();
    void DescribePanels();

    display::Form& window_;
    display::PictureBox& screen_;
    display::PictureBox& histogram_;
    run::PhotonRun& run_;
    const model::Apparatus& apparatus_;
    display::Announcer* announcer_;
    int quartersTold_ = 0; // of the run going now
};

} // namespace fenwa::ui
