// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"

#include <cstdint>

namespace fenwa::model {

// The experiment's conditions as a lesson sets them, in whole steps: the
// wavelength in nanometres, the slit width or spacing in hundredths of a
// millimetre and the distance to the screen in centimetres.
struct Conditions {
    std::int32_t WaveLenNm = 0;
    std::int32_t SlitSizeHundredthMm = 0;
    std::int32_t ScreenDistCm = 0;
    bool SlitObserved = false;

    friend bool operator==(const Conditions&, const Conditions&) = default;
};

// What a lesson may choose: visible light, slits a twentieth of a millimetre
// to two millimetres, a screen half a metre to ten metres away.
inline constexpr std::int32_t ShortestWaveLenNm = 380, LongestWaveLenNm = 780;
inline constexpr std::int32_t SmallestSlitSize = 5, LargestSlitSize = 200; // [0.01 mm]
inline constexpr std::int32_t NearestScreen = 50, FarthestScreen = 1000;   // [cm]

// The conditions of an apparatus, each rounded to its step.
Conditions ConditionsOf(const Apparatus& apparatus);

// The apparatus with the conditions put in; its slits and its observed
// stretch of screen stay. The book's conditions give the book's lengths to
// the last bit.
Apparatus WithConditions(Apparatus apparatus, const Conditions& conditions);

} // namespace fenwa::model
