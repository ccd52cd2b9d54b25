// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/main/ZoomPolicy.h"

#include "ui/main/RefusalSign.h"

#include "display/desktop/Environment.h"
#include "display/forms/Form.h"
#include "display/forms/WindowZoom.h"
#include "display/numbers/Rounding.h"
#include "display/zoom/Zoom.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <algorithm>

namespace fenwa::ui {

namespace {

// The steps of the zoom, in percent.
constexpr std::array<int, 7> ZoomSteps{100, 125, 150, 175, 200, 250, 300};
constexpr int ActualSize = 100;

// Where the zoom is kept for the user: the percentage, in decimal digits.
QString ZoomKey() { return QStringLiteral("zoom"); }

int CurrentZoom() { return display::RoundToInt32(display::ZoomFactor() * 100); }

// A kept zoom; the actual size where the text is no step of the zoom.
int ParseZoom(const QString& text) {
    bool number = false;
    const int percent = text.toInt(&number);
    return number && std::ranges::find(ZoomSteps, percent) != ZoomSteps.end() ? percent
                                                                              : ActualSize;
}

} // namespace

ZoomPolicy::ZoomPolicy(display::Form& window, display::Environment& environment)
    : QObject(&window), window_(window), environment_(environment) {
    const auto make = [this](const QString& text, const QList<QKeySequence>& keys,
                             void (ZoomPolicy::*handler)()) {
        auto* action = new QAction(text, &window_);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        window_.addAction(action); // the shortcuts work wherever the focus is in the window
        return action;
    };
    actions_ = {
        make(QStringLiteral("拡大"),
             {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
             &ZoomPolicy::ZoomIn),
        make(QStringLiteral("縮小"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
             &ZoomPolicy::ZoomOut),
        make(QStringLiteral("元の大きさ"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
             &ZoomPolicy::ZoomActualSize),
        make(QStringLiteral("画面に合わせる"), {QKeySequence(Qt::Key_F11)}, &ZoomPolicy::ZoomToFit),
    };
    window_.installEventFilter(this);
    // The dialogs, messages and menus the program opens grow with it.
    display::ZoomEveryOtherWindow();
}

void ZoomPolicy::AddActions(QMenu& menu) const {
    if (!menu.isEmpty()) menu.addSeparator();
    for (QAction* action : actions_)
        menu.addAction(action);
}

// The window is not up yet: where it stands is the desktop's to choose.
void ZoomPolicy::Restore() {
    const int kept = ParseZoom(environment_.Remembered(ZoomKey()));
    display::SetZoomFactor((Fits(kept) ? kept : LargestFit()) / 100.0);
}

void ZoomPolicy::ZoomIn() {
    const auto larger = std::ranges::upper_bound(ZoomSteps, CurrentZoom());
    if (larger == ZoomSteps.end() || !Fits(*larger)) {
        environment_.Beep();
        emit Refused(Refusals::LargestZoom);
        return;
    }
    Choose(*larger);
}

// A smaller window always fits better, so only the actual size stops it.
void ZoomPolicy::ZoomOut() {
    const auto current = std::ranges::lower_bound(ZoomSteps, CurrentZoom());
    if (current == ZoomSteps.begin()) {
        environment_.Beep();
        return;
    }
    Choose(*(current - 1));
}

void ZoomPolicy::ZoomActualSize() { Choose(ActualSize); }

void ZoomPolicy::ZoomToFit() { Choose(LargestFit()); }

// Whether the whole window, frame included, fits the free part of its screen
// at a step.
bool ZoomPolicy::Fits(int percent) const {
    const QRect area = environment_.AvailableArea(window_);
    const QSize outer = window_.OuterSizeAt(percent / 100.0);
    return outer.width() <= area.width() && outer.height() <= area.height();
}

// The largest step that fits; the actual size where none does.
int ZoomPolicy::LargestFit() const {
    const auto fits = std::ranges::find_if(ZoomSteps.rbegin(), ZoomSteps.rend(),
                                           [this](int percent) { return Fits(percent); });
    return fits == ZoomSteps.rend() ? ActualSize : *fits;
}

void ZoomPolicy::Show(int percent) {
    display::SetZoomFactor(percent / 100.0);
    window_.KeepWithin(environment_.AvailableArea(window_));
}

void ZoomPolicy::Choose(int percent) {
    Show(percent);
    environment_.Remember(ZoomKey(), QString::number(percent));
}

// The window manager's frame is known once the window is up: a kept zoom that
// fitted without it may not fit with it. At the actual size the window stays
// as and where the desktop put it.
bool ZoomPolicy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::ActivationChange &&
        window_.isActiveWindow() && !framed_) {
        framed_ = true;
        const int current = CurrentZoom();
        if (current != ActualSize) Show(Fits(current) ? current : LargestFit());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace fenwa::ui
