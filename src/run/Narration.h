// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"
#include "run/FinishedRun.h"
#include "run/RunRecord.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// What a screen reader is told of the experiment, in plain Japanese text
// made from the apparatus and the run: the panels' descriptions, a run's
// start, progress and end, a refused count, and the apparatus readout.
// Heights are in millimetres, the top of the screen "上".
namespace fenwa::run {

// "単スリット", "２重スリット" or "３重スリット", as the slit buttons say.
QString SlitArrangement(int slitCount);

// The photons of a finished run within the bright band (at least half as
// bright as its peak) of each bright fringe of the arrangement it ended with,
// from the top down, beside the count that the intensity predicts there for
// what was drawn.
struct FringeCount {
    double Y = 0.0; // the peak's height [m]
    bool AtEdge = false;
    std::int32_t Counted = 0;
    double Predicted = 0.0;
};
std::vector<FringeCount> CountBrightFringes(const FinishedRun& run);

// The screen panel: nothing yet before any run; then how many of a run's
// photons have arrived with which slits (drawn; the apparatus's own where
// none has arrived yet), and where the apparatus gathers them.
QString ScreenBeforeRun();
QString ScreenDescription(const model::Apparatus& apparatus,
                          const std::vector<ArrangementCount>& drawn, std::int32_t arrived,
                          std::int32_t photons);
// The histogram panel: what it will show, before and during a run; after
// one, the counts in each bright fringe of the arrangement it ended with
// against the prediction.
QString HistogramBeforeRun();
QString HistogramDuringRun(std::int32_t arrived, std::int32_t photons);
QString HistogramDescription(const FinishedRun& run);

// A run's start, its progress at quarter 1, 2 or 3, and its end in one sentence.
QString RunStartSentence(const model::Apparatus& apparatus, std::int32_t photons);
QString RunProgressSentence(int quarter, std::int32_t arrived);
QString RunEndSentence(const FinishedRun& run);
// How many quarters of a run have arrived, 0 to 4.
int QuartersArrived(std::int32_t arrived, std::int32_t photons);
// Whether a run is long enough for its quarters to be told one by one: the
// quarters of a short run would crowd each other out.
bool TellsQuarters(std::int32_t photons);

// A count out of range: the range, and for one above it, the count it became.
QString CountRefusedSentence(bool loweredToMost);

// The apparatus readout, its four rows and, while the slit is watched, a fifth.
QStringList ApparatusLines(const model::Apparatus& apparatus);
// The readout's wavelength row names the laser only at its own wavelength.
QString WaveLenLabel(const model::Apparatus& apparatus);
// The readout's fifth row.
QString SlitWatchedLine();

} // namespace fenwa::run
