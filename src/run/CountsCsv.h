// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "run/FinishedRun.h"

#include <QByteArray>
#include <vector>

namespace fenwa::run {

// The counts of a finished run for a spreadsheet: CSV with commas and CRLF
// line ends, in UTF-8 with a byte-order mark. A header, then one row for each
// bin 0 to Bins: the bin, its centre's height in millimetres (the top of the
// screen negative), the run's count, and the count the intensity predicts
// for the photons drawn under each arrangement, added up.
QByteArray CountsCsv(const FinishedRun& run);

// The counts the intensity predicts in bins 0 to Bins for the photons drawn
// under each arrangement of a finished run, added up.
std::vector<double> PredictedCounts(const FinishedRun& run);

} // namespace fenwa::run
