// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace fenwa::display {

// A number as text the way counts are shown: a blank in place of the sign of
// a number that is not negative, "." as the point whatever the locale, up to
// 15 significant digits, no leading zero before the point (0.5 gives " .5").
QString Str(double value);

// A whole number typed into a count box: ASCII digits only, leading zeros
// allowed ("0500" is 500). Empty text, any other character, or a value beyond
// the 32-bit range gives nothing.
std::optional<std::int32_t> ToInt32(const QString& digits);
// As ToInt32, but digits beyond the 32-bit range give its largest value,
// 2147483647: such a count lies above every limit, however long it is.
std::optional<std::int32_t> ToInt32Saturated(const QString& digits);

} // namespace fenwa::display
