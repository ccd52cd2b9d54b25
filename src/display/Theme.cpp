// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/dspCommon.h"
#include "display/forms/ControlTable.h"
#include "display/forms/Form.h"

#include <QDebug>
#include <QVariant>

namespace fenwa::dspCommon {

void InitDisplay(display::Form& window) {
    using display::ControlKind;
    window.SetBackColor(FormBackColor);
    for (QWidget* control : window.Controls()) {
        const ControlKind kind = display::KindOf(control);
        if (kind == ControlKind::HScrollBar || kind == ControlKind::TextBox) continue;
        // Every other kind of control carries the BackColor property.
        if (!control->setProperty("BackColor", QVariant::fromValue(FormBackColor)))
            qWarning("InitDisplay: %s has no BackColor", qPrintable(control->objectName()));
    }
}

} // namespace fenwa::dspCommon
