// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"
#include "run/RunRecord.h"

#include <cstdint>
#include <vector>

namespace fenwa::run {

// What the last run that ended leaves for its report and its panels, kept as
// it was when the run ended: a slit button pressed since changes none of it.
struct FinishedRun {
    model::Apparatus Apparatus;          // with the slit count the run ended with
    std::int32_t Count = 0;              // N, the photons of the run
    std::vector<std::int32_t> BinCounts; // indices 0 to Bins + 1
    // What the photons were drawn under; more than one where the slits
    // changed in the middle of the run.
    std::vector<ArrangementCount> Arrangements;
};

} // namespace fenwa::run
