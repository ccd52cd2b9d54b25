// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/forms/DesignPalette.h"

namespace fenwa::display {

QPalette DesignPalette() {
    const QColor face(0xEF, 0xEF, 0xEF), black(Qt::black), white(Qt::white);
    QPalette palette;
    const std::pair<QPalette::ColorRole, QColor> every[] = {
        {QPalette::WindowText, black},
        {QPalette::Button, face},
        {QPalette::Light, white},
        {QPalette::Midlight, QColor(0xCA, 0xCA, 0xCA)},
        {QPalette::Dark, QColor(0x9F, 0x9F, 0x9F)},
        {QPalette::Mid, QColor(0xB8, 0xB8, 0xB8)},
        {QPalette::Text, black},
        {QPalette::BrightText, white},
        {QPalette::ButtonText, black},
        {QPalette::Base, white},
        {QPalette::Window, face},
        {QPalette::Shadow, QColor(0x76, 0x76, 0x76)},
        {QPalette::Highlight, QColor(0x30, 0x8C, 0xC6)},
        {QPalette::HighlightedText, white},
        {QPalette::Link, QColor(Qt::blue)},
        {QPalette::LinkVisited, QColor(Qt::magenta)},
        {QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7)},
        {QPalette::NoRole, black},
        {QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC)},
        {QPalette::ToolTipText, black},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 0x80)},
    };
    for (const auto& [role, colour] : every)
        palette.setColor(role, colour);
    // What a disabled control shows: its text, and its box, greyed.
    const QColor greyed(0xBE, 0xBE, 0xBE);
    const std::pair<QPalette::ColorRole, QColor> disabled[] = {
        {QPalette::WindowText, greyed},
        {QPalette::Text, greyed},
        {QPalette::ButtonText, greyed},
        {QPalette::Base, face},
        {QPalette::Dark, greyed},
        {QPalette::Shadow, QColor(0xB1, 0xB1, 0xB1)},
        {QPalette::Highlight, QColor(0x91, 0x91, 0x91)},
    };
    for (const auto& [role, colour] : disabled)
        palette.setColor(QPalette::Disabled, role, colour);
    return palette;
}

} // namespace fenwa::display
