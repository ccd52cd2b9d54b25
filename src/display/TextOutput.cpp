// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/TextOutput.h"

#include "display/text/Fonts.h"
#include "display/text/SymbolLetters.h"

namespace fenwa::dspCommon {

using display::FontNames::CourierNew;
using display::FontNames::Meiryo;
using display::FontNames::MsGothic;
using display::FontNames::Symbol;

void PrintAt(display::Surface& surface, float& x, float y, const QString& text) {
    surface.SetCurrentX(x);
    surface.SetCurrentY(y);
    surface.Print(text);
    x = static_cast<float>(surface.CurrentX());
}

void PrintInFont(display::Surface& surface, const QString& fontName, float& x, float y,
                 const QString& text) {
    const QString entryName = surface.FontName();
    surface.SetFontName(fontName);
    PrintAt(surface, x, y, text);
    surface.SetFontName(entryName);
}

void PrintMono(display::Surface& surface, float& x, float y, const QString& text) {
    // The size is put back exactly as found, not as its 32-bit reading, so
    // that a size a float cannot hold survives the print unchanged.
    const double entrySize = surface.FontSize();
    const float size = static_cast<float>(entrySize);
    surface.SetFontSize(double(size) * 1.2);
    PrintInFont(surface, CourierNew, x, y, text);
    surface.SetFontSize(entrySize);
}

void PrintSymbol(display::Surface& surface, float& x, float y, const QString& text) {
    PrintInFont(surface, Symbol, x, y, display::SymbolLetters(text));
}

void PrintGothic(display::Surface& surface, float& x, float y, const QString& text) {
    PrintInFont(surface, MsGothic, x, y, text);
}

void PrintText(display::Surface& surface, float& x, float y, const QString& text) {
    if (surface.FontName() != Meiryo) {
        PrintAt(surface, x, y, text);
        return;
    }
    // The Japanese labels take their minus from Courier and their full-width
    // commas from Gothic, set a little low; the rest keeps the surface's font.
    QStringView rest(text);
    if (rest.startsWith(QLatin1Char('-'))) {
        PrintMono(surface, x, y, QStringLiteral("-"));
        rest = rest.mid(1);
    }
    const QChar comma(0xFF0C);
    while (!rest.isEmpty()) {
        const qsizetype at = rest.indexOf(comma);
        if (at < 0) {
            PrintAt(surface, x, y, rest.toString());
            return;
        }
        PrintAt(surface, x, y, rest.left(at).toString());
        const double height = surface.TextHeight(QStringLiteral("A"));
        PrintGothic(surface, x, static_cast<float>(double(y) + 0.15 * height), QString(comma));
        rest = rest.mid(at + 1);
    }
}

} // namespace fenwa::dspCommon
