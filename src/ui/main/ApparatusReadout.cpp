// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/main/ApparatusReadout.h"

#include "display/TextOutput.h"
#include "display/numbers/Format.h"
#include "run/Narration.h"
#include "ui/main/frmFenwa.h"

namespace fenwa::ui {

using display::Format;
using dspCommon::PrintMono;
using dspCommon::PrintSymbol;
using dspCommon::PrintText;

void PrintReadout(display::Surface& surface, const model::Apparatus& apparatus) {
    // Before the load handler has set the apparatus there is nothing to state.
    if (apparatus.SlitCount == 0) return;
    surface.Cls();
    surface.SetScaleMode(display::Surface::Pixels);
    const float fw = static_cast<float>(surface.ScaleWidth() / 800);
    const float fh = static_cast<float>(surface.ScaleHeight() / 600);
    const float labelX = 20;
    const float valueX = 260 * fw;
    float x;

    float y = 100;
    x = labelX;
    PrintText(surface, x, y, QStringLiteral("スリット"));
    x += 4 * fw;
    PrintText(surface, x, y, QStringLiteral("-スクリーン間の距離"));
    x = valueX;
    // A distance under a metre keeps its leading zero: 0.50, never .50.
    PrintText(surface, x, y, Format(apparatus.ScreenDist, QStringLiteral("#0.00 ")));
    PrintMono(surface, x, y, QStringLiteral("m"));

    y = fh * 120 + 20;
    x = labelX;
    PrintText(surface, x, y, QStringLiteral("スリットの"));
    PrintText(surface, x, y,
              apparatus.SlitCount == 1 ? QStringLiteral("幅") : QStringLiteral("間隔"));
    x = valueX;
    PrintText(surface, x, y, Format(apparatus.SlitSize * 1000, QStringLiteral("#0.00 ")));
    PrintMono(surface, x, y, QStringLiteral("m"));
    x += 2 * fw;
    PrintMono(surface, x, y, QStringLiteral("m"));

    // The value's pattern ends without a blank; the gap before the unit
    // stands in for it. The mu is set a little above the line.
    y = fh * 160 + 20;
    x = labelX;
    // The laser is named only where its wavelength is the helium-neon one.
    PrintText(surface, x, y, run::WaveLenLabel(apparatus));
    x = valueX;
    PrintText(surface, x, y, Format(apparatus.WaveLen * 1000000, QStringLiteral("0.###")));
    x += 4 * fw;
    PrintSymbol(surface, x, static_cast<float>(double(y) - 0.9 * double(fh)), QStringLiteral("m"));
    x += 2 * fw;
    PrintMono(surface, x, y, QStringLiteral("m"));

    y = fh * 200 + 20;
    x = labelX;
    PrintText(surface, x, y, QStringLiteral("回折図形（右図）の上下の長さ"));
    x = valueX;
    PrintText(surface, x, y, Format(2 * apparatus.YMax * 100, QStringLiteral("##.## ")));
    PrintMono(surface, x, y, QStringLiteral("c"));
    x += 2 * fw;
    PrintMono(surface, x, y, QStringLiteral("m"));

    if (!model::WhichSlitSeen(apparatus)) return;
    y = fh * 240 + 20;
    x = labelX;
    PrintText(surface, x, y, run::SlitWatchedLine());
}

void frmFenwa::Form_Paint() { PrintReadout(surface(), apparatus_); }

} // namespace fenwa::ui
