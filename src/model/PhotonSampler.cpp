// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "model/PhotonSampler.h"

#include "model/Intensity.h"

namespace fenwa::model {

double SamplePhotonY(const Apparatus& apparatus, RandomSource& random) {
    for (;;) {
        const float r1 = random.RandomNext();
        // Candidate height [m], uniform over [-YMax, YMax). Done in double,
        // where 2 r1 - 1 is exact for every float r1, so r1 = 0 lands on
        // -YMax exactly and no r1 below 1 reaches +YMax.
        const double y = (static_cast<double>(r1) + r1 - 1) * apparatus.YMax;
        // The chance of acceptance is held in single precision, like the draw
        // it is compared with.
        const auto p = static_cast<float>(Intensity(apparatus, y));
        const float r2 = random.RandomNext();
        if (r2 < p) return y;
    }
}

} // namespace fenwa::model
