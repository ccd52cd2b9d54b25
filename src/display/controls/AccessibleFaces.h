// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

class QObject;

namespace fenwa::display {

// What assistive technology is shown of the controls that stand for another
// kind than Qt takes them for: a label used as a button is a link that can
// be pressed; a picture box has the role its window gives it, and can be
// pressed, where it clicks from the keyboard, or open its menu; an announcer
// is a notification. The first such control made installs them.
void InstallAccessibleFaces();

// Makes a control's face afresh when it is next asked for. A face made while
// the control was still being built, or before it became a button, is the
// wrong kind: Qt keeps the first one it makes.
void RenewAccessibleFace(QObject& control);

} // namespace fenwa::display
