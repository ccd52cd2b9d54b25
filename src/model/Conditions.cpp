// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "model/Conditions.h"

#include <cmath>

namespace fenwa::model {

Conditions ConditionsOf(const Apparatus& apparatus) {
    return {static_cast<std::int32_t>(std::lround(apparatus.WaveLen * 1e9)),
            static_cast<std::int32_t>(std::lround(apparatus.SlitSize * 1e5)),
            static_cast<std::int32_t>(std::lround(apparatus.ScreenDist * 100)),
            apparatus.SlitObserved};
}

Apparatus WithConditions(Apparatus apparatus, const Conditions& conditions) {
    // Whole steps divided by an exact power of ten round once, to the double
    // nearest the length, as the literals 6.33e-7, 0.0005 and 5.0 do.
    apparatus.WaveLen = conditions.WaveLenNm / 1e9;
    apparatus.SlitSize = conditions.SlitSizeHundredthMm / 1e5;
    apparatus.ScreenDist = conditions.ScreenDistCm / 100.0;
    apparatus.SlitObserved = conditions.SlitObserved;
    return apparatus;
}

} // namespace fenwa::model
