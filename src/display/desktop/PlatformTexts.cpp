// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/desktop/PlatformTexts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace fenwa::display {

bool InstallPlatformTexts(const QString& folder) {
    auto* texts = new QTranslator(QCoreApplication::instance());
    if (!texts->load(QStringLiteral("qtbase_ja"), folder)) {
        delete texts;
        return false;
    }
    return QCoreApplication::installTranslator(texts);
}

} // namespace fenwa::display
