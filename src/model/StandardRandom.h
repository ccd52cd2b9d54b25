// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/RandomSource.h"

#include <random>

namespace fenwa::model {

// The program's random source: the standard Mersenne Twister (mt19937),
// reduced to 24-bit single-precision values. Until Randomize is called it
// runs from the generator's standard default seed.
class StandardRandom final : public RandomSource {
public:
    // Every distinct float seed (the program passes seconds since midnight)
    // starts a different sequence; the same seed repeats one.
    void Randomize(float seed) override;
    // k / 2^24 for a uniform 24-bit k: uniform in [0, 1), never 1, and every
    // value exactly representable as a float.
    float RandomNext() override;

private:
    std::mt19937 engine_;
};

} // namespace fenwa::model
