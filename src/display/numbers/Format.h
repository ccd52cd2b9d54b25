// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace fenwa::display {

// A number laid out by a pattern such as "##.00 ", "#0.00 ", "0.###" or
// "##.## ": integer placeholders, a point, decimal placeholders, then literal
// characters copied as they stand.
//
// "0" is a digit always shown, "#" a digit shown only when significant, so an
// integer part of 0 under "#" disappears (0.5 under "##.00 " gives ".50 ").
// The value is rounded to the last decimal place the pattern shows, halves
// away from zero, as its shortest decimal spelling reads: 2.675 gives 2.68
// although the nearest double lies a little below. An integer part wider than
// the pattern is shown in full, and the point stays even when no decimal
// follows ("0.###" of 1 gives "1."). A value that rounds to zero has no sign.
// NaN and infinities give "NaN", "Inf" or "-Inf" before the literal tail.
QString Format(double value, const QString& pattern);

} // namespace fenwa::display
