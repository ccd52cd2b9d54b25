// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/forms/Form.h"
#include "model/Apparatus.h"
#include "model/RandomSource.h"
#include "ui/main/frmFenwaDesign.h"

#include <QStandardPaths>
#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QMenu;

class QAction;
class QMenu;

namespace fenwa::display {
class Environment;
}

namespace fenwa::run {
class PhotonRun;
}

namespace fenwa::ui {

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

    // Appends the zoom commands, with their shortcuts, to a menu, after a
    // separator if it holds anything: larger, smaller, the actual size, and
    // the largest size the screen holds.
    void AddZoomActions(QMenu& menu) const;

    // Read-only views of the state, for whoever needs to look in.
    const model::Apparatus& apparatus() const { return apparatus_; }
    std::int32_t photonCount() const { return PhotonCount; }
    bool running() const { return Running; }
    run::PhotonRun& photonRun() { return *run_; }

    // The panels' context menu, and its items, whose shortcuts work anywhere
    // in the window. Greyed out until a run has ended, and during a run.
    QMenu* PanelMenu = nullptr;
    QAction* mnuCopyPicture = nullptr;
    QAction* mnuSavePicture = nullptr;
    QAction* mnuSaveCounts = nullptr;

    // Asks where to save, proposing a path, with a dialog title and a file
    // filter; answers the path, or nothing for Cancel. Qt's save dialog,
    // unless a test puts its own.
    using AskSavePath = std::function<QString(const QString& title, const QString& proposedPath,
                                              const QString& filter)>;
    void SetAskSavePath(AskSavePath ask) { askSavePath_ = std::move(ask); }

private:
    // The apparatus readout.
    void Form_Paint();
    // Slit selection.
    void cmdSlitNo_Click(std::int16_t index);
    // Help, source download and exit.
    void cmdHelp_Click();
    void GetSrc_Click();
    void cmdEnd_Click();
    // The photon run and its panels.
    void Pic_Click();
    void Pic_Paint();
    void Histo_Paint();
    void RunFinished();
    // The run's picture and counts, out of the window.
    void BuildPanelMenu();
    void ShowResultsState();
    void mnuCopyPicture_Click();
    void mnuSavePicture_Click();
    void mnuSaveCounts_Click();
    QImage RunPicture() const;
    void SaveResult(QString& lastFolder, QStandardPaths::StandardLocation kind, const char* suffix,
                    const QString& title, const QString& filter, const QByteArray& bytes);
    // Photon count entry.
    void txtN_KeyPress(std::int16_t& keyAscii);
    void hsbN_Scroll();
    void hsbN_Change();
    void hsbN_KeyPress(std::int16_t& keyAscii);
    void lblPhotonN_Click(std::int16_t index);
    void lblMSG_Click();
    // The program's zoom.
    void CreateZoomActions();
    void RestoreZoom();
    void ZoomIn();
    void ZoomOut();
    void ZoomActualSize();
    void ZoomToFit();
    bool Fits(int percent);
    int LargestFit();
    void ShowZoom(int percent);
    void ChooseZoom(int percent);
    void changeEvent(QEvent* event) override;

    model::RandomSource& random_;
    display::Environment& environment_;
    model::Apparatus apparatus_; // SlitCount and the fixed apparatus
    std::int32_t PhotonCount = 0;
    bool Running = false;
    run::PhotonRun* run_; // the dots, the bins and the pacing of the last run
    QString savedPrompt_; // lblMSG's caption while a run has it cleared
    QString TitleHead;
    QString TitleTail;
    AskSavePath askSavePath_;
    QString pictureFolder_;                 // where a picture was last saved, this session
    QString countsFolder_;                  // where counts were last saved, this session
    std::array<QAction*, 4> zoomActions_{}; // larger, smaller, actual size, fit
    bool framed_ = false; // the window's frame has been measured against the screen
};

} // namespace fenwa::ui
