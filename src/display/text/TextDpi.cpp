// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/text/TextDpi.h"

#include <utility>

namespace fenwa::display {

QImage AtDpi(QImage image, double dpi) {
    const int dotsPerMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

QImage At96Dpi(QImage image) { return AtDpi(std::move(image), 96); }

const QImage& MeasuringDevice() {
    static const QImage probe = At96Dpi(QImage(1, 1, QImage::Format_RGB32));
    return probe;
}

} // namespace fenwa::display
