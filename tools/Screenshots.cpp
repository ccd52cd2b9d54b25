// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

// Makes the README's screenshots from the real windows: the main window after
// a two-slit and a one-slit run of 10000 photons, the help window, and the
// main window after another two-slit run, zoomed to 200 % as for a projector. The runs go on a
// clock of this tool's own, so a run takes a moment instead of 17 seconds,
// and the same start time seeds the same photons every time.
//
// Usage: fenwa_screenshots <directory>
// Writes two-slits.png, projector.png, one-slit.png and help-window.png there,
// at the screen's device pixel ratio.

#include "display/controls/CommandButton.h"
#include "display/controls/Label.h"
#include "display/desktop/Environment.h"
#include "display/text/Fonts.h"
#include "model/StandardRandom.h"
#include "run/PhotonRun.h"
#include "ui/main/frmFenwa.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

using namespace fenwa;

// A clock that moves only when the tool says so; no sound, no browser, a
// screen without bounds and nothing kept from one start to the next.
class StillEnvironment : public display::Environment {
public:
    double clock = 1000.0;

    float Timer() override { return 36000.0f; } // ten in the morning: a fixed seed
    double MonotonicSeconds() override { return clock; }
    void Beep() override {}
    void OpenUrl(const QString&, std::function<void()> failed) override { failed(); }
    void End() override {}
    DataFile FindDataFile(const QString& name) override { return {name, false}; }
    QRect AvailableArea(const QWidget&) override { return {0, 0, 100000, 100000}; }
    QString Remembered(const QString&) override { return {}; }
    void Remember(const QString&, const QString&) override {}
};

bool Save(QWidget& window, const QString& path) {
    QApplication::processEvents();
    if (window.grab().save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// Starts a run of 10000 photons with the preset label and lets it finish.
void RunTenThousand(ui::frmFenwa& window, StillEnvironment& environment) {
    QTest::mouseClick(window.lblPhotonN[2], Qt::LeftButton);
    while (window.running()) {
        environment.clock += 0.05;
        window.photonRun().Tick();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    display::InstallFontSubstitutions();
    StillEnvironment environment;
    model::StandardRandom random;
    ui::frmFenwa window(random, environment);
    window.Form_Load();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    RunTenThousand(window, environment);
    if (!Save(window, out.filePath(QStringLiteral("two-slits.png")))) return 1;

    QTest::mouseClick(window.cmdSlitNo[1], Qt::LeftButton);
    RunTenThousand(window, environment);
    if (!Save(window, out.filePath(QStringLiteral("one-slit.png")))) return 1;

    // The help window is modal: it is photographed and closed from inside its
    // own event loop.
    bool saved = false;
    QTimer::singleShot(0, [&] {
        QWidget* help = QApplication::activeModalWidget();
        if (!help) return;
        if (QTest::qWaitForWindowExposed(help))
            saved = Save(*help, out.filePath(QStringLiteral("help-window.png")));
        help->close();
    });
    QTest::mouseClick(window.cmdHelp, Qt::LeftButton);
    if (!saved) return 1;

    // Two slits again, four steps up (125 % to 200 %) as a teacher zooms for
    // a projector. The keys are the window's own shortcuts, which want it
    // active.
    QTest::mouseClick(window.cmdSlitNo[2], Qt::LeftButton);
    RunTenThousand(window, environment);
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) return 1;
    for (int step = 0; step < 4; ++step)
        QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
    return Save(window, out.filePath(QStringLiteral("projector.png"))) ? 0 : 1;
}
