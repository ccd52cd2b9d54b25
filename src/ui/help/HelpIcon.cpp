// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/help/HelpIcon.h"

#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace fenwa::ui {

namespace {

// Colours of the 16-colour palette.
constexpr QRgb Navy = qRgb(0, 0, 128);
constexpr QRgb Grey = qRgb(128, 128, 128);
constexpr QRgb Silver = qRgb(192, 192, 192);
constexpr QRgb White = qRgb(255, 255, 255);

// A fixed scatter of chances in [0, 1), one for each pixel, the same on every
// start.
double Chance(int x, int y) {
    std::uint32_t h = std::uint32_t(x) * 0x9E3779B1u ^ std::uint32_t(y) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return double(h & 0xFFFF) / 65536.0;
}

} // namespace

QImage HelpIconPicture(int size) {
    // Four stripe periods across, but never closer than five pixels, so that
    // the stripes still show in the smallest picture.
    const double period = std::max(size / 4.0, 5.0);
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Silver);
    const double centre = (size - 1) / 2.0;
    for (int y = 1; y < size - 1; ++y) {
        for (int x = 1; x < size - 1; ++x) {
            const double fringe = std::cos(std::numbers::pi * (x - centre) / period);
            const double spread = (x - centre) / (0.5 * size);
            const double intensity = std::pow(fringe, 4) * std::exp(-spread * spread);
            const double chance = Chance(x, y);
            QRgb colour = Navy;
            if (chance < 0.6 * intensity)
                colour = White;
            else if (chance < 0.8 * intensity)
                colour = Grey;
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

QIcon HelpIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(HelpIconPicture(32)));
    icon.addPixmap(QPixmap::fromImage(HelpIconPicture(16)));
    return icon;
}

} // namespace fenwa::ui
