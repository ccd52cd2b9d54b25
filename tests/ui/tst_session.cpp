// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

// A whole session as a user has it, with the real clock and the real way out:
// start, a run with each slit count, the help window opened in the middle of
// a run and closed, and Esc in the middle of a last run. It runs inside QApplication::exec()
// as the program does, so that a memory checker sees start-up and the end as
// they are (scripts/memcheck.sh), and it runs again where fonts are missing.
// Exits with 0 when every step did its part.

#include "display/controls/CommandButton.h"
#include "display/controls/Label.h"
#include "display/controls/TextBox.h"
#include "display/desktop/PlatformTexts.h"
#include "display/desktop/SystemEnvironment.h"
#include "display/text/Fonts.h"
#include "model/StandardRandom.h"
#include "run/PhotonRun.h"
#include "ui/help/frmFenwaHelp.h"
#include "ui/main/frmFenwa.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <numeric>

using namespace fenwa;

namespace {

int failures = 0;

void Expect(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "session: %s\n", what);
    ++failures;
}

void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

// Waits on the real clock, generously, for a checked build is slow.
template <class Condition> bool WaitFor(Condition done) {
    const QDeadlineTimer deadline(120'000);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(10);
    return done();
}

// The user practises in the help window for a moment and closes it; the run
// meanwhile stands still.
void PractiseInHelp(ui::frmFenwa& window) {
    auto* help = qobject_cast<ui::frmFenwaHelp*>(QApplication::activeModalWidget());
    Expect(help, "the help window did not open");
    if (!help) {
        if (QWidget* other = QApplication::activeModalWidget()) other->close();
        return;
    }
    const std::int32_t held = window.photonRun().Record().Stored;
    auto* box = help->txtN;
    QTest::keyClicks(box, "12x");
    QTest::keyClick(box, Qt::Key_Right);
    help->resize(300, 200);
    QTest::qWait(300);
    Expect(window.photonRun().Record().Stored == held, "the run went on behind the help window");
    help->close();
}

// The apparatus readout has left ink on the window, in whatever font there is.
bool ReadoutShows(ui::frmFenwa& window) {
    window.grab(); // the first paint prints the readout
    const QImage& image = window.surface().Image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) return true;
    return false;
}

void Script(ui::frmFenwa& window) {
    Expect(ReadoutShows(window), "the readout shows nothing");
    for (const int slits : {1, 3, 2}) {
        Click(window.cmdSlitNo[std::size_t(slits)]);
        Click(window.lblPhotonN[0]); // 100 photons, at once
        Expect(window.running(), "no run started");
        if (slits == 2) {
            WaitFor([&] { return window.photonRun().Record().Stored >= 30; });
            QTimer::singleShot(50, &window, [&window] { PractiseInHelp(window); });
            Click(window.cmdHelp);
        }
        Expect(WaitFor([&] { return !window.running(); }), "a run did not end");
        const run::RunRecord& record = window.photonRun().Record();
        Expect(record.Stored == 100 && record.HistoReady, "a run ended short");
        Expect(std::accumulate(record.BinCounts.begin(), record.BinCounts.end(), 0) == 100,
               "the bins do not add up");
    }
    // Esc in the middle of a run ends the program at once.
    Expect(QTest::qWaitForWindowActive(&window), "the window did not take the keyboard back");
    Click(window.lblPhotonN[1]);
    WaitFor([&] { return window.photonRun().Record().Stored >= 20; });
    QTest::keyClick(window.txtN, Qt::Key_Escape);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Settings of the session's own, never the user's.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    display::InstallFontSubstitutions();
    display::InstallPlatformTexts();
    display::SystemEnvironment environment;
    model::StandardRandom random;
    ui::frmFenwa window(random, environment);
    window.Form_Load();
    QTimer::singleShot(0, &window, [&window] { Script(window); });
    QTimer::singleShot(600'000, &window, [] {
        Expect(false, "the session did not end");
        QCoreApplication::exit(1);
    });
    const int status = QApplication::exec();
    Expect(status == 0, "the program did not end normally");
    Expect(!window.isVisible() && !window.photonRun().Active(), "Esc left the window or the run");
    return failures == 0 ? 0 : 1;
}
