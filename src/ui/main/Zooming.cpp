// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/PictureBox.h"
#include "display/desktop/Environment.h"
#include "display/forms/WindowZoom.h"
#include "display/numbers/Rounding.h"
#include "display/zoom/Zoom.h"
#include "ui/main/frmFenwa.h"

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

void frmFenwa::CreateZoomActions() {
    const auto make = [this](const QString& text, const QList<QKeySequence>& keys,
                             void (frmFenwa::*handler)()) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        addAction(action); // the shortcuts work wherever the focus is in the window
        return action;
    };
    zoomActions_ = {
        make(QStringLiteral("拡大"),
             {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
             &frmFenwa::ZoomIn),
        make(QStringLiteral("縮小"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &frmFenwa::ZoomOut),
        make(QStringLiteral("元の大きさ"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
             &frmFenwa::ZoomActualSize),
        make(QStringLiteral("画面に合わせる"), {QKeySequence(Qt::Key_F11)}, &frmFenwa::ZoomToFit),
    };
    // In the panels' menu too, where a teacher at the projector looks for them.
    AddZoomActions(*PanelMenu);
}

void frmFenwa::AddZoomActions(QMenu& menu) const {
    if (!menu.isEmpty()) menu.addSeparator();
    for (QAction* action : zoomActions_)
        menu.addAction(action);
}

// The zoom kept from the last time, as far as the screen holds it now. The
// window is not up yet: where it stands is the desktop's to choose.
void frmFenwa::RestoreZoom() {
    const int kept = ParseZoom(environment_.Remembered(ZoomKey()));
    display::SetZoomFactor((Fits(kept) ? kept : LargestFit()) / 100.0);
}

void frmFenwa::ZoomIn() {
    const auto larger = std::ranges::upper_bound(ZoomSteps, CurrentZoom());
    if (larger == ZoomSteps.end() || !Fits(*larger)) {
        environment_.Beep();
        return;
    }
    ChooseZoom(*larger);
}

// A smaller window always fits better, so only the actual size stops it.
void frmFenwa::ZoomOut() {
    const auto current = std::ranges::lower_bound(ZoomSteps, CurrentZoom());
    if (current == ZoomSteps.begin()) {
        environment_.Beep();
        return;
    }
    ChooseZoom(*(current - 1));
}

void frmFenwa::ZoomActualSize() { ChooseZoom(ActualSize); }

void frmFenwa::ZoomToFit() { ChooseZoom(LargestFit()); }

// Whether the whole window, frame included, fits the free part of its screen
// at a step.
bool frmFenwa::Fits(int percent) {
    const QRect area = environment_.AvailableArea(*this);
    const QSize outer = OuterSizeAt(percent / 100.0);
    return outer.width() <= area.width() && outer.height() <= area.height();
}

// The largest step that fits; the actual size where none does.
int frmFenwa::LargestFit() {
    const auto fits = std::ranges::find_if(ZoomSteps.rbegin(), ZoomSteps.rend(),
                                           [this](int percent) { return Fits(percent); });
    return fits == ZoomSteps.rend() ? ActualSize : *fits;
}

void frmFenwa::ShowZoom(int percent) {
    display::SetZoomFactor(percent / 100.0);
    KeepWithin(environment_.AvailableArea(*this));
}

void frmFenwa::ChooseZoom(int percent) {
    ShowZoom(percent);
    environment_.Remember(ZoomKey(), QString::number(percent));
}

// The window manager's frame is known once the window is up: a kept zoom that
// fitted without it may not fit with it. At the actual size the window stays
// as and where the desktop put it.
void frmFenwa::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || framed_) return;
    framed_ = true;
    const int current = CurrentZoom();
    if (current != ActualSize) ShowZoom(Fits(current) ? current : LargestFit());
}

} // namespace fenwa::ui
