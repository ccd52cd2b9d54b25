// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/numbers/Rounding.h"

#include <QRect>

namespace fenwa::display {

// Window tables give geometry in twips, 1/1440 inch: 15 twips to a pixel at
// 96 dots per inch. This is the one place where twips become pixels of the
// design; Zoom.h turns those into the screen's.
inline constexpr int TwipsPerPixel = 15;

inline constexpr double TwipsToPixels(double twips) { return twips / TwipsPerPixel; }
inline constexpr double PixelsToTwips(double pixels) { return pixels * TwipsPerPixel; }

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(RoundToInt32(TwipsToPixels(left)), RoundToInt32(TwipsToPixels(top)),
                 RoundToInt32(TwipsToPixels(width)), RoundToInt32(TwipsToPixels(height)));
}

} // namespace fenwa::display
