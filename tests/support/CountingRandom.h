// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/StandardRandom.h"

#include <cstdint>

namespace fenwa::test {

// The program's generator, counting its draws: the sampler's tries show in
// the count, two draws to a try.
class CountingRandom : public model::RandomSource {
public:
    void Randomize(float seed) override { inner_.Randomize(seed); }
    float RandomNext() override {
        ++draws_;
        return inner_.RandomNext();
    }
    std::int64_t Draws() const { return draws_; }

private:
    model::StandardRandom inner_;
    std::int64_t draws_ = 0;
};

} // namespace fenwa::test
