// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/desktop/PlatformTexts.h"
#include "display/desktop/SystemEnvironment.h"
#include "display/text/Fonts.h"
#include "model/StandardRandom.h"
#include "ui/main/frmFenwa.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(FENWA_VERSION));
    // Where the user's settings are kept: ~/.config/fenwa/fenwa.conf.
    QApplication::setOrganizationName(QStringLiteral("fenwa"));
    QApplication::setApplicationName(QStringLiteral("fenwa"));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(FENWA_APP_ID));
    fenwa::display::InstallFontSubstitutions();
    fenwa::display::InstallPlatformTexts();
    fenwa::display::SystemEnvironment environment;
    fenwa::model::StandardRandom random;
    fenwa::ui::frmFenwa window(random, environment);
    window.Form_Load();
    return QApplication::exec();
}
