#include "run/PhotonRun.h"

#include "display/Environment.h"
#include "display/NumberText.h"
#include "display/PictureBox.h"
#include "display/Rounding.h"
#include "display/TextOutput.h"
#include "display/dspCommon.h"
#include "model/PhotonSampler.h"
#include "run/HistogramPanel.h"
#include "run/ScreenPanel.h"

#include <QApplication>
#include <algorithm>
#include <cmath>

namespace fenwa::run {

using display::Env;
using display::RoundToInt32;

namespace {
// How often to look again while a modal window suspends the run.
constexpr double SuspendedPoll = 0.05; // seconds
} // namespace

PhotonRun::PhotonRun(const model::Apparatus& apparatus, model::RandomSource& random,
                     display::PictureBox& screen, display::PictureBox& histogram, QObject* parent)
    : QObject(parent), apparatus_(apparatus), random_(random), screen_(screen),
      histogram_(histogram) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PhotonRun::Tick);
}

void PhotonRun::Start(std::int32_t photons) {
    display::Surface& histogram = histogram_.surface();
    display::Surface& screen = screen_.surface();
    histogram.SetBackColor(dspCommon::White);
    histogram.Cls();
    width_ = static_cast<float>(screen.ScaleWidth());
    height_ = static_cast<float>(screen.ScaleHeight());
    screen.Cls();
    screen.SetBackColor(dspCommon::GreyBlue);
    start_ = Env().MonotonicSeconds();
    lastLook_ = start_;
    period_ = 1.0 / (photons * 0.05 + 100);
    record_ = RunRecord();
    record_.Count = photons;
    record_.DotX.assign(std::size_t(photons) + 1, 0);
    record_.DotY.assign(std::size_t(photons) + 1, 0);
    record_.BinCounts.assign(102, 0);
    record_.DotsDrawn = true;
    record_.HistoReady = false;
    record_.BinWidth = (apparatus_.YMax + apparatus_.YMax) / 100;
    screen.SetForeColor(0xFFFFFF);
    suspendedAt_.reset();
    active_ = true;
    Tick();
}

void PhotonRun::Stop() {
    active_ = false;
    timer_.stop();
}

void PhotonRun::Tick() {
    if (!active_) return;
    const double now = Env().MonotonicSeconds();
    // A clock that steps back (a broken platform clock, a test's fake) would
    // hold the run for as long as the step; the schedule steps back with it
    // instead, as if no time had passed.
    if (now < lastLook_) {
        start_ -= lastLook_ - now;
        if (suspendedAt_) *suspendedAt_ -= lastLook_ - now;
    }
    lastLook_ = now;
    // A modal window (the help window) holds the run; it resumes at its own
    // pace afterwards instead of catching up in a burst.
    if (QApplication::activeModalWidget()) {
        if (!suspendedAt_) suspendedAt_ = now;
        WakeIn(SuspendedPoll);
        return;
    }
    if (suspendedAt_) {
        start_ += now - *suspendedAt_;
        suspendedAt_.reset();
    }
    // Photon 1 leaves at once; photon i + 1 once the clock has passed T0 + i P.
    while (active_ && record_.Stored < record_.Count &&
           (record_.Stored == 0 || now > start_ + record_.Stored * period_))
        EmitPhoton();
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
    // Positions span the panel's pixels 0 to W - 1 and 0 to H - 1, so that
    // every dot lands inside the panel.
    record_.DotX[i] = RoundToInt32(random_.RandomNext() * (width_ - 1));
    record_.DotY[i] = RoundToInt32(((y / yMax) + 1) * 0.5 * (height_ - 1));
    screen_.surface().PSet(record_.DotX[i], record_.DotY[i], 0xFFFFFF);
    const std::int32_t k = RoundToInt32((y + yMax) / record_.BinWidth);
    record_.BinCounts[std::size_t(std::clamp(k, 0, 101))] += 1;
    record_.Stored = i;
    if (i % 100 == 0) ShowProgress(i);
}

void PhotonRun::ShowProgress(std::int32_t photon) {
    display::Surface& histogram = histogram_.surface();
    histogram.Cls();
    float x = static_cast<float>(histogram.ScaleWidth() * 0.32);
    const float y = static_cast<float>(histogram.ScaleHeight() * 0.48);
    dspCommon::PrintText(histogram, x, y, display::Str(photon));
}

void PhotonRun::Finish() {
    active_ = false;
    record_.HistoReady = true;
    Histo_Paint();
    emit Finished();
}

void PhotonRun::Pic_Paint() { DrawDots(record_, screen_.surface()); }

void PhotonRun::Histo_Paint() {
    DrawHistogram(record_, apparatus_, histogram_.surface(), screen_.BackColor());
}

} // namespace fenwa::run
