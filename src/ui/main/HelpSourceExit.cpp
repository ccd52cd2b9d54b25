// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/main/HelpSourceExit.h"
#include "display/desktop/Environment.h"
#include "display/dspCommon.h"
#include "run/PhotonRun.h"
#include "ui/help/frmFenwaHelp.h"
#include "ui/main/frmFenwa.h"

#include <QPointer>
#include <memory>
#include <string_view>

namespace fenwa::ui {

namespace {

// The download site, fixed when the program is built; none by default.
constexpr std::string_view DownloadBase = FENWA_DOWNLOAD_BASE;
static_assert(DownloadBase.empty() || DownloadBase.ends_with('/'),
              "the download address ends in /");

const QString ArchiveName = QStringLiteral("Ondrik5src.zip");

// The help window opens this fraction of the main window's size away from the
// screen's top-left corner.
constexpr double HelpPlacement = 0.01;

} // namespace

void frmFenwa::cmdHelp_Click() {
    // A window of its own for every press: closing it discards what was
    // entered, so the next press starts afresh.
    auto help = std::make_unique<frmFenwaHelp>(environment_);
    help->Form_Load();
    help->Move(HelpPlacement * Width(), HelpPlacement * Height());
    // A run stands still while the help window has the program.
    const QPointer<run::PhotonRun> run = run_;
    run->Hold();
    help->ShowModal(*this);
    if (run) run->Resume();
}

void OpenSourceArchive(display::Environment& environment, std::string_view downloadBase) {
    if (downloadBase.empty())
        dspCommon::OpenDataFile(environment, ArchiveName);
    else
        dspCommon::OpenUrl(environment,
                           QString::fromUtf8(downloadBase.data(), qsizetype(downloadBase.size())) +
                               ArchiveName);
}

void frmFenwa::GetSrc_Click() { OpenSourceArchive(environment_, DownloadBase); }

void frmFenwa::cmdEnd_Click() { environment_.End(); }

} // namespace fenwa::ui
