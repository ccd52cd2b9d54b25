// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"

namespace fenwa::model {

// The histogram divides the observed height, -YMax to +YMax, into this many
// bins. A height is counted in the bin whose centre, -YMax + k * BinWidth, is
// nearest, so k runs from 0 to Bins and the two end bins take half a bin each.
inline constexpr int Bins = 100;

// Height of one bin [m].
constexpr double BinWidth(const Apparatus& apparatus) {
    return (apparatus.YMax + apparatus.YMax) / Bins;
}

} // namespace fenwa::model
