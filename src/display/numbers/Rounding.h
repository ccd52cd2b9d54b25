// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace fenwa::display {

// A floating value as a 32-bit integer: nearest, halves to even (0.5 -> 0,
// 1.5 -> 2, 2.5 -> 2). Every pixel position and array index goes through
// here, never through truncation. Values beyond the 32-bit range saturate and
// NaN gives 0, so no input can make the conversion undefined.
std::int32_t RoundToInt32(double value);

} // namespace fenwa::display
