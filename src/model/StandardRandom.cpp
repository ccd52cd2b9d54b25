// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "model/StandardRandom.h"

#include <bit>
#include <cstdint>

namespace fenwa::model {

void StandardRandom::Randomize(float seed) {
    // The seed's bit pattern, not its integer part, so that two starts a
    // fraction of a second apart still differ. seed_seq spreads the one word
    // over the whole generator state.
    std::seed_seq sequence{std::bit_cast<std::uint32_t>(seed)};
    engine_.seed(sequence);
}

float StandardRandom::RandomNext() {
    // Keep the top 24 of the engine's 32 bits: a float holds 24 significant
    // bits, so the scaled value is exact and cannot round up to 1.
    constexpr float scale = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(engine_() >> 8) * scale;
}

} // namespace fenwa::model
