// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "TextDpi.h"

namespace fenwa::display {

namespace {
constexpr int DotsPerMetre = 3780; // 96 dots per inch
} // namespace

QImage At96Dpi(QImage image) {
    image.setDotsPerMeterX(DotsPerMetre);
    image.setDotsPerMeterY(DotsPerMetre);
    return image;
}

const QImage& MeasuringDevice() {
    static const QImage probe = At96Dpi(QImage(1, 1, QImage::Format_RGB32));
    return probe;
}

} // namespace fenwa::display
