// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/forms/WindowZoom.h"

#include "display/forms/Form.h"
#include "display/forms/ZoomStyle.h"
#include "display/zoom/Zoom.h"

#include <QApplication>
#include <QEvent>
#include <QVariant>

namespace fenwa::display {

namespace {

constexpr char ZoomedHere[] = "fenwaZoomedFont";

// A window that is no form of the program's and has no font of its own
// choosing: Qt's dialogs and menus.
bool IsOtherWindow(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->isWindow() && !qobject_cast<const Form*>(widget) &&
           (!widget->testAttribute(Qt::WA_SetFont) || widget->property(ZoomedHere).toBool());
}

void ZoomFont(QWidget& window) {
    window.setFont(ZoomedPlatformFont(window));
    window.setProperty(ZoomedHere, true);
}

// Gives each such window its font at the zoom before it is first laid out.
class OtherWindowsZoom : public QObject {
public:
    explicit OtherWindowsZoom(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish && IsOtherWindow(watched)) {
            ZoomFont(*static_cast<QWidget*>(watched));
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void SetZoomFactor(double factor) {
    const double previous = ExchangeZoomFactor(factor);
    if (ZoomFactor() == previous) return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<Form*>(window)) {
            form->ApplyZoom(previous);
        } else if (IsOtherWindow(window)) {
            ZoomFont(*window); // a menu kept for the next time too
            if (window->isVisible()) window->adjustSize();
        }
    }
}

void ZoomEveryOtherWindow() {
    static bool installed = false;
    if (installed || !qApp) return;
    installed = true;
    qApp->installEventFilter(new OtherWindowsZoom(qApp));
    QApplication::setStyle(ZoomStyle::Instance());
}

} // namespace fenwa::display
