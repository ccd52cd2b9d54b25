// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"
#include "run/RunRecord.h"

namespace fenwa::run {

// What the last run that ended leaves for its report and its panels, kept as
// it was when the run ended: a slit button pressed since changes none of it.
struct FinishedRun {
    model::Apparatus Apparatus; // with the slit count the run ended with
    // Its dots, its bins, and what its photons were drawn under: more than
    // one arrangement where the slits changed in the middle of the run.
    RunRecord Record;
};

} // namespace fenwa::run
