// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/desktop/SystemEnvironment.h"

#include "display/desktop/DesktopOpener.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTime>
#include <QUrl>
#include <QWidget>
#include <chrono>

namespace fenwa::display {

float SystemEnvironment::Timer() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

double SystemEnvironment::MonotonicSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void SystemEnvironment::Beep() { QApplication::beep(); }

void SystemEnvironment::OpenUrl(const QString& address, std::function<void()> failed) {
    // Where the desktop opens addresses with xdg-open, QDesktopServices only
    // starts it and answers yes; a missing browser shows in its exit status
    // alone. So it is run here and watched: it ends within moments, or runs
    // on with the browser it started.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl(address))) failed();
        return;
    }
    RunDesktopOpener(opener, address, openerPatience_, std::move(failed));
}

void SystemEnvironment::End() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::exit(0);
}

QRect SystemEnvironment::AvailableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? screen->availableGeometry() : QRect();
}

QString SystemEnvironment::Remembered(const QString& key) {
    const QSettings settings;
    // A file that cannot be read or parsed holds nothing worth reading.
    if (settings.status() != QSettings::NoError) return {};
    return settings.value(key).toString();
}

void SystemEnvironment::Remember(const QString& key, const QString& value) {
    QSettings settings;
    settings.setValue(key, value);
}

Environment::DataFile SystemEnvironment::FindDataFile(const QString& name) {
    // Only a build tree puts data beside the program; an installed program's
    // folder holds programs alone. A build always makes its data, so what is
    // missing is missing from an installation.
    const QDir program(QCoreApplication::applicationDirPath());
    if (const QString beside = program.filePath(name); QFileInfo::exists(beside))
        return {beside, true};
    const QString installed =
        QDir::cleanPath(program.filePath(QStringLiteral(FENWA_DATA_FROM_PROGRAM "/") + name));
    return {installed, QFileInfo::exists(installed)};
}

} // namespace fenwa::display
