#include "ControlTable.h"
#include "Form.h"
#include "dspCommon.h"

#include <QDebug>
#include <QVariant>
#include <cmath>

namespace fenwa::dspCommon {

OleColor FormBackColor = 0;
OleColor White = 0;
OleColor GreyBlue = 0;
double Pi = 0.0;

void InitColors() {
    White = display::RGB(255, 255, 255);
    GreyBlue = display::RGB(96, 96, 128);
}

void InitDisplay(display::Form& window) {
    using display::ControlKind;
    InitColors();
    FormBackColor = 0xF0F0F0;
    window.SetBackColor(FormBackColor);
    for (QWidget* control : window.Controls()) {
        const ControlKind kind = display::KindOf(control);
        if (kind == ControlKind::HScrollBar || kind == ControlKind::TextBox) continue;
        // Every other kind of control carries the BackColor property.
        if (!control->setProperty("BackColor", QVariant::fromValue(FormBackColor)))
            qWarning("InitDisplay: %s has no BackColor", qPrintable(control->objectName()));
    }
    Pi = 4.0 * std::atan(1.0);
}

} // namespace fenwa::dspCommon
