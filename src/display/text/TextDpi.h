// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

namespace fenwa::display {

// Text is measured and drawn at 96 dots per inch, the inch of the layout,
// whatever the screen reports: an image otherwise takes the screen's dots per
// inch, which differ where the desktop scales fonts instead of pixels.
QImage At96Dpi(QImage image);
// The image with an inch of dpi dots, for measuring at another inch.
QImage AtDpi(QImage image, double dpi);

// A device to measure text on at 96 dots per inch.
const QImage& MeasuringDevice();

} // namespace fenwa::display
