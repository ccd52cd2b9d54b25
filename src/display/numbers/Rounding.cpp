// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/numbers/Rounding.h"

#include <cmath>
#include <limits>

namespace fenwa::display {

std::int32_t RoundToInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    if (whole <= lowest) return std::numeric_limits<std::int32_t>::min();
    if (whole >= highest) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(whole);
}

} // namespace fenwa::display
