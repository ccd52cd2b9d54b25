// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QWidget;

namespace fenwa::display {

// Tells the user of something the program could not do, without holding up a
// lesson: the notice leaves every window usable and a run going, and its text
// can be copied. One notice of each `kind` at a time: a further one only
// brings the one shown forward with the newest text.
void ShowNotice(const QString& kind, const QString& title, const QString& text, QWidget* owner);

} // namespace fenwa::display
