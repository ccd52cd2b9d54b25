#pragma once

#include "display/Environment.h"

#include <QStringList>

// Stands in for the world outside the windows: a clock the test sets, and
// counters for beeps, browser calls and ends.
class FakeEnvironment : public fenwa::display::Environment {
public:
    float timer = 43200.0f;
    double monotonic = 1000.0;
    int beeps = 0;
    int ends = 0;
    bool browserAvailable = true;
    QStringList openedUrls;

    float Timer() override { return timer; }
    double MonotonicSeconds() override { return monotonic; }
    void Beep() override { ++beeps; }
    void OpenUrl(const QString& address, std::function<void()> failed) override {
        openedUrls << address;
        if (!browserAvailable) failed();
    }
    void End() override { ++ends; }
};
