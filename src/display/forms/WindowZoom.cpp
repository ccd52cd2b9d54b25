// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/forms/WindowZoom.h"

#include "display/forms/Form.h"
#include "display/forms/ZoomStyle.h"
#include "display/zoom/Zoom.h"

#include <QApplication>
#include <QEvent>

namespace fenwa::display {

namespace {

// A window that is no form of the program's: Qt's dialogs and menus.
bool IsOtherWindow(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->isWindow() && !qobject_cast<const Form*>(widget);
}

// Gives each such window its font at the zoom before it is first laid out.
class OtherWindowsZoom : public QObject {
public:
    explicit OtherWindowsZoom(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish && IsOtherWindow(watched)) {
            auto* window = static_cast<QWidget*>(watched);
            window->setFont(ZoomedPlatformFont(*window));
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
            // A menu kept for the next time, too.
            window->setFont(ZoomedPlatformFont(*window));
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
