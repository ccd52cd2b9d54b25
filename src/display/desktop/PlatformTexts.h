// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QLibraryInfo>
#include <QString>

namespace fenwa::display {

// Loads Qt's own Japanese texts (the context menus of the count boxes and
// scroll bars, standard buttons and dialogs) from the folder of Qt's
// translations, whatever the desktop's language, once, before any window.
// Where the file is missing it returns false and Qt's texts stay English.
bool InstallPlatformTexts(
    const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

} // namespace fenwa::display
