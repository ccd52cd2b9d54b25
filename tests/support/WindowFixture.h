// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "FakeEnvironment.h"
#include "display/controls/CommandButton.h"
#include "display/controls/HScrollBar.h"
#include "display/controls/Label.h"
#include "display/controls/PictureBox.h"
#include "display/controls/TextBox.h"
#include "display/forms/WindowZoom.h"

#include <QApplication>
#include <QTest>
#include <memory>

namespace fenwa::test {

// Waits until the window has the keyboard. QTest::qWaitForWindowActive will
// not do for a dialog: it counts as active while its owner is.
inline bool WaitForKeyboard(QWidget& window) {
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; });
}

// The window as it looks where the desktop's palette is dark, light text on
// dark faces, as GNOME's and KDE's dark styles give.
inline QImage UnderADarkDesktop(QWidget& window) {
    const QPalette desktop = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x32, 0x32, 0x32)));
    QApplication::processEvents(); // the windows learn of it
    const QImage shown = window.grab().toImage();
    QApplication::setPalette(desktop);
    QApplication::processEvents();
    return shown;
}

// A window as the window tests meet it: made with a fake environment (and
// whatever else its constructor takes first), loaded, shown and active.
// Its controls are members of their own names: `window->txtN`.
template <class Window> class WindowFixture {
public:
    FakeEnvironment fake;

    // A fresh window; false if it did not become the active one.
    template <class... Sources> bool Open(Sources&... sources) {
        window_ = std::make_unique<Window>(sources..., fake);
        window_->Form_Load();
        if (!window_->isVisible()) window_->show();
        return QTest::qWaitForWindowActive(window_.get());
    }
    // Discards the window, the fake's counts and the zoom.
    void Close() {
        window_.reset();
        fake = FakeEnvironment();
        display::SetZoomFactor(1.0);
    }

    Window* operator->() const { return window_.get(); }
    Window& operator*() const { return *window_; }
    Window* get() const { return window_.get(); }

private:
    std::unique_ptr<Window> window_;
};

} // namespace fenwa::test
