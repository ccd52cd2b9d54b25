// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/forms/WindowZoom.h"

#include "display/forms/Form.h"
#include "display/zoom/Zoom.h"

#include <QApplication>

namespace fenwa::display {

void SetZoomFactor(double factor) {
    const double previous = ExchangeZoomFactor(factor);
    if (ZoomFactor() == previous) return;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(window)) form->ApplyZoom(previous);
}

} // namespace fenwa::display
