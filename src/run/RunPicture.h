// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/text/Fonts.h"
#include "run/FinishedRun.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

namespace fenwa::run {

// Where the screen panel and the histogram panel stand in their window, in
// pixels of the design.
struct PanelPlaces {
    QRect screen, histogram;
};

// The caption of the slit button for a slit count.
using SlitCaption = std::function<QString(int slitCount)>;

// The line under the picture. A run under one arrangement gives the slit
// button's caption, a full-width space and the photon count: "２重スリット
// フォトン 10000 個"; a run whose slits changed gives each arrangement with
// its photons, in the order first used: "３重スリット 1100 個 → 単スリット 900 個".
// Conditions other than the book's follow (ConditionsCaption).
QString RunPictureLine(const FinishedRun& run, const SlitCaption& slitCaption);

// The two panels of a finished run, frames included, placed as they stand in
// their window, on the form's colour: drawn afresh from the run's record at
// the zoom of the moment and the screen's pixel ratio, as the window would
// show them now.
QImage PanelsSideBySide(const FinishedRun& run, const PanelPlaces& places);

// The picture of a finished run for a report: its panels as drawn at a zoom
// (PanelsSideBySide), and under them a strip on the form's colour with the
// line in the given font, as large as the panels are.
QImage RunPicture(const FinishedRun& run, const QImage& panels, double zoom,
                  const SlitCaption& slitCaption, const display::FontSpec& font);

} // namespace fenwa::run
