// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/Announcer.h"

#include "display/controls/AccessibleFaces.h"

#include <QAccessible>

namespace fenwa::display {

Announcer::Announcer(QWidget* window) : QWidget(window) {
    InstallAccessibleFaces();
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0); // draws nothing, covers nothing
    hide();
    RenewAccessibleFace(*this);
}

void Announcer::Announce(const QString& sentence) {
    sentence_ = sentence;
    // Readers keep the names they have read; this one they read afresh.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    hide();
    show();
}

} // namespace fenwa::display
