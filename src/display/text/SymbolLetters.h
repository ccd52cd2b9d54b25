// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace fenwa::display {

// The Greek letters that the "Symbol" font shows for Latin ones ("m" is mu,
// "q" theta, "W" Omega), so that any font with Greek can stand in for it.
// Other characters pass unchanged.
QString SymbolLetters(const QString& text);

} // namespace fenwa::display
