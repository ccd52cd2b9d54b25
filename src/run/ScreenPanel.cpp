// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "run/ScreenPanel.h"

#include "display/surface/Surface.h"

namespace fenwa::run {

void DrawDots(const RunRecord& record, display::Surface& screen) {
    if (!record.DotsDrawn) return;
    for (std::int32_t i = 1; i <= record.Stored; ++i)
        screen.PSet(record.DotX[i], record.DotY[i], DotColour);
}

} // namespace fenwa::run
