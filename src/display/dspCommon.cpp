// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/dspCommon.h"

#include "display/desktop/Environment.h"
#include "display/desktop/Notice.h"
#include "display/forms/ControlTable.h"
#include "display/forms/Form.h"
#include "display/numbers/NumberText.h"

#include <QApplication>
#include <QDebug>
#include <QPointer>
#include <QUrl>
#include <QVariant>

namespace fenwa::dspCommon {

void InitDisplay(display::Form& window) {
    using display::ControlKind;
    window.SetBackColor(FormBackColor);
    for (QWidget* control : window.Controls()) {
        const ControlKind kind = display::KindOf(control);
        if (kind == ControlKind::HScrollBar || kind == ControlKind::TextBox) continue;
        // Every other kind of control carries the BackColor property.
        if (!control->setProperty("BackColor", QVariant::fromValue(FormBackColor)))
            qWarning("InitDisplay: %s has no BackColor", qPrintable(control->objectName()));
    }
}

QString NumToStr(double value) { return display::Str(value).trimmed(); }

namespace {

// The address can be copied from the notice and opened by hand.
void ShowBrowserNotice(const QString& address, QWidget* owner) {
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
    environment.OpenUrl(address, [address, owner] { ShowBrowserNotice(address, owner); });
}

void OpenDataFile(display::Environment& environment, const QString& name) {
    const display::Environment::DataFile file = environment.FindDataFile(name);
    if (file.found) {
        // Encoded, so that blanks and Japanese folder names reach the opener intact.
        OpenUrl(environment, QUrl::fromLocalFile(file.path).toString(QUrl::FullyEncoded));
        return;
    }
    display::ShowNotice(QStringLiteral("DataFileNotice"),
                        QStringLiteral("ファイルが見つかりません"),
                        QStringLiteral("ファイルが見つかりませんでした。\n"
                                       "次の場所を探しました。\n\n") +
                            file.path,
                        QApplication::activeWindow());
}

} // namespace fenwa::dspCommon
