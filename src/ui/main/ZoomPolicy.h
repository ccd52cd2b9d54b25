// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <array>

class QAction;
class QMenu;

namespace fenwa::display {
class Environment;
class Form;
} // namespace fenwa::display

namespace fenwa::ui {

// How the main window zooms, for the back of the classroom: in steps from
// 100 to 300 %, never larger than the screen it stands on holds, frame
// included, and as it was at the last start. Its four commands are actions
// of the window, so their shortcuts work wherever the focus is in it.
class ZoomPolicy : public QObject {
    Q_OBJECT

public:
    // Both must outlive the policy; the window is its parent.
    ZoomPolicy(display::Form& window, display::Environment& environment);

    // Appends the commands, with their shortcuts, to a menu, after a separator
    // if it holds anything: larger, smaller, the actual size, and the largest
    // size the screen holds.
    void AddActions(QMenu& menu) const;
    // The zoom kept from the last time, as far as the screen holds it now.
    void Restore();

signals:
    // A step larger was asked for where the screen holds none.
    void Refused(const QString& why);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ZoomIn();
    void ZoomOut();
    void ZoomActualSize();
    void ZoomToFit();
    bool Fits(int percent) const;
    int LargestFit() const;
    void Show(int percent);
    void Choose(int percent);

    display::Form& window_;
    display::Environment& environment_;
    std::array<QAction*, 4> actions_{}; // larger, smaller, actual size, fit
    bool framed_ = false;               // the window's frame has been measured against the screen
};

} // namespace fenwa::ui
