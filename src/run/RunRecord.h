// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"

#include <cstdint>
#include <vector>

namespace fenwa::run {

// How many photons of a run were drawn under one arrangement of the
// apparatus: the slit buttons may change it in the middle of a run.
struct ArrangementCount {
    model::Apparatus Apparatus;
    std::int32_t Photons = 0;
};

// What the last (or the current) photon run leaves behind: where each photon
// landed on the screen panel, and how many heights fell into each bin.
struct RunRecord {
    bool DotsDrawn = false;         // the dots may be redrawn
    bool HistoReady = false;        // the run has ended; the histogram may be drawn
    std::int32_t Count = 0;         // N, the photons this run emits
    std::int32_t Stored = 0;        // photons emitted so far; DotX/DotY hold 1 to Stored
    std::vector<std::int32_t> DotX; // indices 0 to N; entry 0 is unused
    std::vector<std::int32_t> DotY;
    std::vector<std::int32_t> BinCounts; // indices 0 to Bins + 1; heights fill 0 to Bins
    double BinWidth = 0.0;               // height of one bin [m]
    // Each arrangement the photons were drawn under, in the order first used.
    std::vector<ArrangementCount> Arrangements;
};

} // namespace fenwa::run
