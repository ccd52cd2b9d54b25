// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

// Real-clock photon runs on the offscreen platform: how long a run takes
// against its schedule, how late photons arrive, and how much processor time
// the program spends meanwhile. Beside each, the same pacing done by a
// spinning wait (yield to the event loop, read the clock, repeat), the way a
// run would go without a timer.

#include "display/controls/PictureBox.h"
#include "display/controls/TextBox.h"
#include "display/desktop/SystemEnvironment.h"
#include "display/numbers/Rounding.h"
#include "display/text/Fonts.h"
#include "model/PhotonSampler.h"
#include "model/StandardRandom.h"
#include "run/PhotonRun.h"
#include "run/ScreenPanel.h"
#include "ui/main/frmFenwa.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

using namespace fenwa;

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Figures {
    double duration = 0; // seconds from the first photon to the end
    double minLate = 0;  // the earliest photon against its scheduled time [s]; < 0 is early
    double maxLate = 0;  // the latest photon after its scheduled time [s]
    double cpuShare = 0; // processor time over wall time
};

// Watches the run through the clock it reads: at the start of every tick the
// photons the previous tick emitted are known, with the time they left.
class Watch : public display::Environment {
public:
    run::PhotonRun* run = nullptr;
    double start = -1, period = 0, lastTick = 0, minLate = 1e9, maxLate = 0;
    std::int32_t seen = 0;

    double MonotonicSeconds() override {
        const double now = system.MonotonicSeconds();
        if (run) {
            const std::int32_t stored = run->Record().Stored;
            if (start < 0) start = now; // Start() reads T0 first
            for (std::int32_t k = seen + 1; k <= stored; ++k) {
                const double late = lastTick - (start + (k - 1) * period);
                minLate = std::min(minLate, late);
                maxLate = std::max(maxLate, late);
            }
            seen = stored;
            lastTick = now;
        }
        return now;
    }
    float Timer() override { return system.Timer(); }
    void Beep() override {}
    void OpenUrl(const QString&, std::function<void()>) override {}
    void End() override {}
    DataFile FindDataFile(const QString& name) override { return system.FindDataFile(name); }
    QRect AvailableArea(const QWidget& window) override { return system.AvailableArea(window); }
    QString Remembered(const QString&) override { return {}; } // always at 100 %
    void Remember(const QString&, const QString&) override {}

private:
    display::SystemEnvironment system;
};

Figures TimerRun(int photons) {
    Watch watch;
    model::StandardRandom random;
    ui::frmFenwa window(random, watch);
    window.Form_Load();
    watch.run = &window.photonRun();
    watch.period = run::PhotonPeriod(photons);
    // The window's first paint is start-up, not part of the run.
    if (!QTest::qWaitForWindowExposed(&window)) std::fputs("window not exposed\n", stderr);
    QCoreApplication::processEvents();
    window.txtN->setText(QString::number(photons));
    const double cpu0 = CpuSeconds();
    display::SystemEnvironment clock;
    const double wall0 = clock.MonotonicSeconds();
    QTest::keyClick(window.txtN, Qt::Key_Return);
    while (window.running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double wall = clock.MonotonicSeconds() - wall0;
    watch.MonotonicSeconds(); // account for the last tick's photons
    return {wall, watch.minLate, watch.maxLate, (CpuSeconds() - cpu0) / wall};
}

Figures SpinningRun(int photons) {
    model::StandardRandom random;
    const model::Apparatus apparatus = model::DefaultApparatus(2);
    display::PictureBox panel;
    panel.setGeometry(0, 0, 191, 400);
    panel.show();
    display::SystemEnvironment clock;
    const double period = run::PhotonPeriod(photons);
    const double cpu0 = CpuSeconds();
    const double start = clock.MonotonicSeconds();
    double minLate = 1e9, maxLate = 0;
    for (int i = 1; i <= photons; ++i) {
        const double late = clock.MonotonicSeconds() - (start + (i - 1) * period);
        minLate = std::min(minLate, late);
        maxLate = std::max(maxLate, late);
        const double y = model::SamplePhotonY(apparatus, random);
        panel.surface().PSet(display::RoundToInt32(random.RandomNext() * 186),
                             display::RoundToInt32((y / apparatus.YMax + 1) * 0.5 * 395),
                             run::DotColour);
        do
            QCoreApplication::processEvents();
        while (clock.MonotonicSeconds() <= start + i * period);
    }
    const double wall = clock.MonotonicSeconds() - start;
    return {wall, minLate, maxLate, (CpuSeconds() - cpu0) / wall};
}

// The median of each figure over several runs.
Figures Median(std::vector<Figures> runs) {
    auto middle = [&](double Figures::*field) {
        std::sort(runs.begin(), runs.end(),
                  [&](const Figures& a, const Figures& b) { return a.*field < b.*field; });
        return runs[runs.size() / 2].*field;
    };
    Figures median;
    for (double Figures::*field :
         {&Figures::duration, &Figures::minLate, &Figures::maxLate, &Figures::cpuShare})
        median.*field = middle(field);
    return median;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    display::InstallFontSubstitutions();
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::printf("medians of %d runs each\n", repetitions);
    std::printf("%-6s %-8s %9s %9s %10s %10s %7s\n", "N", "pacing", "schedule", "duration",
                "earliest", "latest", "CPU");
    for (int photons : {100, 2000, 10000}) {
        const double schedule = photons * run::PhotonPeriod(photons);
        for (const bool timer : {true, false}) {
            std::vector<Figures> runs;
            for (int r = 0; r < repetitions; ++r)
                runs.push_back(timer ? TimerRun(photons) : SpinningRun(photons));
            const Figures m = Median(runs);
            std::printf("%-6d %-8s %8.3fs %8.3fs %+8.1fms %+8.1fms %6.1f%%\n", photons,
                        timer ? "timer" : "spinning", schedule, m.duration, m.minLate * 1000,
                        m.maxLate * 1000, m.cpuShare * 100);
        }
    }
    return 0;
}
