// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <cstdint>

namespace fenwa::display {

// Colours as the windows store them: 0x00BBGGRR in a 32-bit integer.
using BgrColor = std::uint32_t;

constexpr BgrColor RGB(int red, int green, int blue) {
    return static_cast<BgrColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

inline QColor ToQColor(BgrColor colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline BgrColor FromQColor(const QColor& colour) {
    return RGB(colour.red(), colour.green(), colour.blue());
}

} // namespace fenwa::display
