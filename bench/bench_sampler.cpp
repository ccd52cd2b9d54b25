// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

// Photons per second of the sampler for each slit count, next to the cost of
// the random draws it consumes: the floor that no rejection sampler drawing
// from this generator can beat.
#include "CountingRandom.h"
#include "model/Apparatus.h"
#include "model/Intensity.h"
#include "model/PhotonSampler.h"
#include "model/StandardRandom.h"

#include <benchmark/benchmark.h>

#include <cstdint>

using fenwa::model::Apparatus;
using fenwa::model::DefaultApparatus;
using fenwa::model::RandomSource;
using fenwa::model::StandardRandom;

namespace {

constexpr float Seed = 43200.25f;

// Draws per photon, counted on a separate untimed run.
double DrawsPerPhoton(const Apparatus& apparatus) {
    constexpr int photons = 100000;
    fenwa::test::CountingRandom random;
    random.Randomize(Seed);
    for (int i = 0; i < photons; ++i)
        fenwa::model::SamplePhotonY(apparatus, random);
    return static_cast<double>(random.Draws()) / photons;
}

void BM_SamplePhotonY(benchmark::State& state) {
    const Apparatus apparatus = DefaultApparatus(static_cast<std::int16_t>(state.range(0)));
    StandardRandom random;
    random.Randomize(Seed);
    for (auto _ : state)
        benchmark::DoNotOptimize(fenwa::model::SamplePhotonY(apparatus, random));
    state.SetItemsProcessed(state.iterations());
    state.counters["draws_per_photon"] = DrawsPerPhoton(apparatus);
}
BENCHMARK(BM_SamplePhotonY)->ArgName("slits")->DenseRange(1, 3);

// One RandomNext, called through the interface as the sampler calls it.
void BM_RandomNext(benchmark::State& state) {
    StandardRandom random;
    random.Randomize(Seed);
    RandomSource* source = &random;
    benchmark::DoNotOptimize(source);
    for (auto _ : state)
        benchmark::DoNotOptimize(source->RandomNext());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RandomNext);

// One Intensity evaluation at heights spread over the screen.
void BM_Intensity(benchmark::State& state) {
    const Apparatus apparatus = DefaultApparatus(static_cast<std::int16_t>(state.range(0)));
    double y = -apparatus.YMax;
    const double step = apparatus.YMax / 997;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fenwa::model::Intensity(apparatus, y));
        y = y + step < apparatus.YMax ? y + step : -apparatus.YMax;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Intensity)->ArgName("slits")->DenseRange(1, 3);

} // namespace

BENCHMARK_MAIN();
