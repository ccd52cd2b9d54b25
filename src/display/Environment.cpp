#include "Environment.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTime>
#include <QUrl>
#include <QWidget>
#include <chrono>

namespace fenwa::display {

namespace {
Environment realEnvironment;
Environment* current = &realEnvironment;
} // namespace

float Environment::Timer() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

double Environment::MonotonicSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void Environment::Beep() { QApplication::beep(); }

bool Environment::OpenUrl(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

void Environment::End() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::exit(0);
}

Environment& Env() { return *current; }

ScopedEnvironment::ScopedEnvironment(Environment& replacement) : previous_(current) {
    current = &replacement;
}

ScopedEnvironment::~ScopedEnvironment() { current = previous_; }

} // namespace fenwa::display
