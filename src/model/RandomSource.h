// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

namespace fenwa::model {

// Where photons get their chance from. The program uses a seeded generator;
// tests substitute a fixed seed or a scripted sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Restarts the sequence from a seed (the program passes the time of day).
    virtual void Randomize(float seed) = 0;
    // Next value, uniform in [0, 1), with single-precision resolution.
    virtual float RandomNext() = 0;
};

} // namespace fenwa::model
