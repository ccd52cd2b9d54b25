// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/desktop/Environment.h"
#include "display/desktop/Notice.h"
#include "display/dspCommon.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace fenwa::dspCommon {

namespace {

// The address can be copied from the notice and opened by hand.
void ShowNotice(const QString& address, QWidget* owner) {
    display::ShowNotice(QStringLiteral("OpenUrlNotice"), QStringLiteral("ブラウザを開けません"),
                        QStringLiteral("ブラウザを開くことができませんでした。\n"
                                       "次のアドレスを，お使いのブラウザで開いてください。\n\n") +
                            address,
                        owner);
}

} // namespace

void OpenUrl(display::Environment& environment, const QString& address) {
    // The failure may show only after the user has moved on; the notice
    // belongs to the window that asked, if it is still there.
    const QPointer<QWidget> owner = QApplication::activeWindow();
    environment.OpenUrl(address, [address, owner] { ShowNotice(address, owner); });
}

} // namespace fenwa::dspCommon
