#include "display/Environment.h"
#include "display/dspCommon.h"
#include "frmFenwa.h"
#include "run/PhotonRun.h"
#include "ui/help/frmFenwaHelp.h"

#include <QPointer>
#include <memory>
#include <string_view>

namespace fenwa::ui {

namespace {

// The download site, fixed when the program is built.
constexpr std::string_view DownloadBase = FENWA_DOWNLOAD_BASE;
static_assert(DownloadBase.ends_with('/'), "the download address ends in /");

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

void frmFenwa::GetSrc_Click() {
    dspCommon::OpenUrl(environment_,
                       QString::fromUtf8(DownloadBase.data(), qsizetype(DownloadBase.size())) +
                           QStringLiteral("Ondrik5src.zip"));
}

void frmFenwa::cmdEnd_Click() { environment_.End(); }

} // namespace fenwa::ui
