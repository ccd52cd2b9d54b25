// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/RandomSource.h"

#include <QList>

#include <cstddef>
#include <stdexcept>
#include <utility>

namespace fenwa::test {

// A random source that replays a fixed list of values, so that a test knows
// exactly which draws the code under test sees. Randomize only records its
// seed; running past the end of the list throws, so a test that consumes
// more draws than it planned fails instead of hanging.
class ScriptedRandom : public model::RandomSource {
public:
    explicit ScriptedRandom(QList<float> values) : values_(std::move(values)) {}

    void Randomize(float seed) override { seeds_.append(seed); }

    float RandomNext() override {
        if (draws_ >= static_cast<std::size_t>(values_.size()))
            throw std::out_of_range("ScriptedRandom: the script has run out");
        return values_[static_cast<qsizetype>(draws_++)];
    }

    // Number of RandomNext calls so far.
    std::size_t Draws() const { return draws_; }
    // Every seed passed to Randomize, in order.
    const QList<float>& Seeds() const { return seeds_; }

private:
    QList<float> values_;
    QList<float> seeds_;
    std::size_t draws_ = 0;
};

} // namespace fenwa::test
