// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <chrono>
#include <functional>

namespace fenwa::display {

// Runs the desktop's opener (xdg-open) on an address in a session of its
// own, as no child the program keeps: the opener, and a browser that replaces
// it, outlive the program, and a Ctrl+C in its terminal does not reach them.
// failed is called when the opener cannot be started, or when it ends in
// failure within patience; a failure later than that says nothing.
void RunDesktopOpener(const QString& opener, const QString& address,
                      std::chrono::milliseconds patience, std::function<void()> failed);

} // namespace fenwa::display
