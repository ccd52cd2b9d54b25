// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace fenwa::model {

// The photon counts a run may have.
inline constexpr std::int32_t FewestPhotons = 100;
inline constexpr std::int32_t MostPhotons = 10000;

} // namespace fenwa::model
