#include "SystemEnvironment.h"

#include "DesktopOpener.h"

#include <QApplication>
#include <QDesktopServices>
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

} // namespace fenwa::display
