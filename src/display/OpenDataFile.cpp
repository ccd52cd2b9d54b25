// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/desktop/Environment.h"
#include "display/desktop/Notice.h"
#include "display/dspCommon.h"

#include <QApplication>
#include <QUrl>

namespace fenwa::dspCommon {

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
