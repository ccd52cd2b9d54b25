#include "display/Environment.h"
#include "display/dspCommon.h"
#include "frmFenwa.h"
#include "ui/help/frmFenwaHelp.h"

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
    auto help = std::make_unique<frmFenwaHelp>();
    help->Form_Load();
    help->Move(HelpPlacement * Width(), HelpPlacement * Height());
    help->ShowModal();
}

void frmFenwa::GetSrc_Click() {
    dspCommon::OpenUrl(QString::fromUtf8(DownloadBase.data(), qsizetype(DownloadBase.size())) +
                       QStringLiteral("Ondrik5src.zip"));
}

void frmFenwa::cmdEnd_Click() { display::Env().End(); }

} // namespace fenwa::ui
