// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"
#include "model/RandomSource.h"
#include "run/FinishedRun.h"
#include "run/RunRecord.h"

#include <QObject>
#include <QTimer>
#include <optional>

namespace fenwa::display {
class Environment;
class Surface;
} // namespace fenwa::display

namespace fenwa::run {

// The time between two photons of a run of photons photons [s]: a larger run
// goes faster per photon, 105 a second for 100 photons, 600 for 10000.
constexpr double PhotonPeriod(std::int32_t photons) { return 1.0 / (photons * 0.05 + 100); }

// One photon run, driven by the event loop: each tick of a timer emits every
// photon whose time has come, on an absolute schedule against a monotonic
// clock, and sleeps until the next one is due. Photon i + 1 arrives no sooner
// than T0 + i / (0.05 N + 100) seconds. The window stays responsive, and
// between two photons any other handler may run.
class PhotonRun : public QObject {
    Q_OBJECT

public:
    // The run reads the apparatus at every photon, so a change of slits takes
    // effect at once; it draws on the surfaces of the two panels and reads
    // the environment's monotonic clock.
    PhotonRun(const model::Apparatus& apparatus, model::RandomSource& random,
              display::Environment& environment, display::Surface& screen,
              display::Surface& histogram, QObject* parent = nullptr);

    // Sets the panels and the record up for a run of photons photons and
    // emits the first at once.
    void Start(std::int32_t photons);
    // Abandons the run where it stands; nothing more is drawn.
    void Stop();
    bool Active() const { return active_; }
    // While a modal window has the program, the run emits nothing; resumed, it
    // goes on at its own pace from where it stood, instead of catching up in
    // a burst.
    void Hold();
    void Resume();

    const RunRecord& Record() const { return record_; }
    // The last run that ended, as it ended; none before the first has.
    const std::optional<FinishedRun>& LastFinished() const { return lastFinished_; }
    // Redraw handlers of the two panels.
    void Pic_Paint();
    void Histo_Paint();

    // Emits the photons that are due, or ends the run. The timer calls it;
    // tests on a fake clock call it directly.
    void Tick();

    // Ticks no closer together than this, so that a fast run wakes the
    // program about a hundred times a second instead of once per photon.
    static constexpr double MinimumTick = 0.008; // seconds
    // No sleep is longer than this, whatever the clock says.
    static constexpr double MaximumTick = 1.0; // seconds

signals:
    // Once set up, before the first photon.
    void Started();
    // After each look at the clock that brought photons.
    void Progressed();
    // After the last photon, with the histogram drawn.
    void Finished();

private:
    void EmitPhoton();
    void CountArrangement();
    void ShowProgress(std::int32_t photon);
    void Finish();
    void WakeIn(double seconds);

    const model::Apparatus& apparatus_;
    model::RandomSource& random_;
    display::Environment& environment_;
    display::Surface& screen_;
    display::Surface& histogram_;
    RunRecord record_;
    std::optional<FinishedRun> lastFinished_;
    QTimer timer_;
    bool active_ = false;
    double start_ = 0.0;    // T0 on the monotonic clock [s]
    double lastLook_ = 0.0; // the clock at the last tick [s]
    double period_ = 0.0;   // P [s]
    float width_ = 0.0f;    // the screen panel's size, fixed for the run
    float height_ = 0.0f;
    std::optional<double> heldAt_; // the clock when the run was held
};

} // namespace fenwa::run
