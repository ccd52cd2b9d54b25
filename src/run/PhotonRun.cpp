// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "run/PhotonRun.h"

#include "display/TextOutput.h"
#include "display/desktop/Environment.h"
#include "display/dspCommon.h"
#include "display/numbers/NumberText.h"
#include "display/numbers/Rounding.h"
#include "display/surface/Surface.h"
#include "model/Bins.h"
#include "model/PhotonSampler.h"
#include "run/HistogramPanel.h"
#include "run/ScreenPanel.h"

#include <algorithm>
#include <cmath>

namespace fenwa::run {

using display::RoundToInt32;

namespace {
constexpr std::int32_t ProgressStep = 100; // the count shows every this many photons
} // namespace

PhotonRun::PhotonRun(const model::Apparatus& apparatus, model::RandomSource& random,
                     display::Environment& environment, display::Surface& screen,
                     display::Surface& histogram, QObject* parent)
    : QObject(parent), apparatus_(apparatus), random_(random), environment_(environment),
      screen_(screen), histogram_(histogram) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PhotonRun::Tick);
}

void PhotonRun::Start(std::int32_t photons) {
    histogram_.SetBackColor(dspCommon::White);
    histogram_.Cls();
    width_ = static_cast<float>(screen_.ScaleWidth());
    height_ = static_cast<float>(screen_.ScaleHeight());
    screen_.Cls();
    screen_.SetBackColor(dspCommon::GreyBlue);
    start_ = environment_.MonotonicSeconds();
    lastLook_ = start_;
    period_ = PhotonPeriod(photons);
    record_ = RunRecord();
    record_.Count = photons;
    record_.DotX.assign(std::size_t(photons) + 1, 0);
    record_.DotY.assign(std::size_t(photons) + 1, 0);
    record_.BinCounts.assign(model::Bins + 2, 0);
    record_.DotsDrawn = true;
    record_.HistoReady = false;
    record_.BinWidth = model::BinWidth(apparatus_);
    screen_.SetForeColor(DotColour);
    if (heldAt_) heldAt_ = start_; // a run set up while held waits for the resume
    active_ = true;
    emit Started();
    Tick();
}

void PhotonRun::Stop() {
    active_ = false;
    timer_.stop();
}

void PhotonRun::Hold() {
    if (heldAt_) return;
    heldAt_ = environment_.MonotonicSeconds();
    timer_.stop();
}

void PhotonRun::Resume() {
    if (!heldAt_) return;
    const double now = environment_.MonotonicSeconds();
    // The schedule moves on by the pause (back, should the clock have stepped
    // back meanwhile).
    start_ += now - *heldAt_;
    lastLook_ = now;
    heldAt_.reset();
    Tick();
}

void PhotonRun::Tick() {
    if (!active_ || heldAt_) return;
    const double now = environment_.MonotonicSeconds();
    // A clock that steps back (a broken platform clock, a test's fake) would
    // hold the run for as long as the step; the schedule steps back with it
    // instead, as if no time had passed.
    if (now < lastLook_) start_ -= lastLook_ - now;
    lastLook_ = now;
    // Photon 1 leaves at once; photon i + 1 once the clock has passed T0 + i P.
    const std::int32_t before = record_.Stored;
    while (active_ && record_.Stored < record_.Count &&
           (record_.Stored == 0 || now > start_ + record_.Stored * period_))
        EmitPhoton();
    if (active_ && record_.Stored != before) emit Progressed();
    if (!active_) return; // a handler stopped the run in the middle
    const double due = start_ + record_.Stored * period_;
    if (record_.Stored == record_.Count && now > due) {
        Finish();
        return;
    }
    WakeIn(std::max(due - now, MinimumTick));
}

void PhotonRun::WakeIn(double seconds) {
    // A timer that fires a little early only costs one more look. The bound
    // keeps the milliseconds within an int whatever the clock says.
    const double bounded = seconds < MaximumTick ? seconds : MaximumTick;
    timer_.start(std::max(1, int(std::ceil(bounded * 1000.0))));
}

void PhotonRun::EmitPhoton() {
    const std::int32_t i = record_.Stored + 1;
    const double yMax = apparatus_.YMax;
    const double y = model::SamplePhotonY(apparatus_, random_);
    CountArrangement();
    // Positions span the panel's pixels 0 to W - 1 and 0 to H - 1, so that
    // every dot lands inside the panel.
    record_.DotX[i] = RoundToInt32(random_.RandomNext() * (width_ - 1));
    record_.DotY[i] = RoundToInt32(((y / yMax) + 1) * 0.5 * (height_ - 1));
    screen_.PSet(record_.DotX[i], record_.DotY[i], DotColour);
    const std::int32_t k = RoundToInt32((y + yMax) / record_.BinWidth);
    record_.BinCounts[std::size_t(std::clamp(k, 0, model::Bins + 1))] += 1;
    record_.Stored = i;
    if (i % ProgressStep == 0) ShowProgress(i);
}

void PhotonRun::CountArrangement() {
    auto& arrangements = record_.Arrangements;
    const auto same = std::ranges::find_if(
        arrangements, [this](const ArrangementCount& a) { return a.Apparatus == apparatus_; });
    if (same == arrangements.end())
        arrangements.push_back({apparatus_, 1});
    else
        ++same->Photons;
}

void PhotonRun::ShowProgress(std::int32_t photon) {
    histogram_.Cls();
    float x = static_cast<float>(histogram_.ScaleWidth() * 0.32);
    const float y = static_cast<float>(histogram_.ScaleHeight() * 0.48);
    dspCommon::PrintText(histogram_, x, y, display::Str(photon));
}

void PhotonRun::Finish() {
    active_ = false;
    record_.HistoReady = true;
    lastFinished_ = FinishedRun{apparatus_, record_};
    Histo_Paint();
    emit Finished();
}

void PhotonRun::Pic_Paint() { DrawDots(record_, screen_); }

void PhotonRun::Histo_Paint() {
    // Drawn afresh in the middle of a run (the window was zoomed), the panel
    // shows again the count it showed.
    if (active_ && record_.Stored >= ProgressStep) {
        ShowProgress(record_.Stored / ProgressStep * ProgressStep);
        return;
    }
    // After the run, with the arrangement it ended with, whatever the slit
    // buttons say now: every repaint shows the run's own picture.
    DrawHistogram(record_, lastFinished_ ? lastFinished_->Apparatus : apparatus_, histogram_,
                  screen_.BackColor());
}

} // namespace fenwa::run
