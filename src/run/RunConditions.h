// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "run/FinishedRun.h"

#include <QString>

namespace fenwa::run {

// A run's conditions where they were not the book's, for what leaves the
// window with it; nothing for a run of the book's apparatus alone.

// For the picture's line, each after a full-width space: "　532 nm　0.50 mm
// 　5.00 m", and "　通り道を観測" where the photons were seen passing their slit.
QString ConditionsCaption(const FinishedRun& run);

// For a file's name: "-532nm-500um-500cm", and "-observed" likewise.
QString ConditionsFileName(const FinishedRun& run);

} // namespace fenwa::run
