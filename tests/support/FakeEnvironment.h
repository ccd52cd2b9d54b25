#pragma once

#include "display/Environment.h"

#include <QMap>
#include <QRect>
#include <QStringList>

// Stands in for the world outside the windows: a clock the test sets,
// counters for beeps, browser calls and ends, a screen of the test's size,
// and settings kept in memory.
class FakeEnvironment : public fenwa::display::Environment {
public:
    float timer = 43200.0f;
    double monotonic = 1000.0;
    int beeps = 0;
    int ends = 0;
    bool browserAvailable = true;
    QStringList openedUrls;
    QRect available{0, 0, 1920, 1080};
    QMap<QString, QString> remembered;

    float Timer() override { return timer; }
    double MonotonicSeconds() override { return monotonic; }
    void Beep() override { ++beeps; }
    void OpenUrl(const QString& address, std::function<void()> failed) override {
        openedUrls << address;
        if (!browserAvailable) failed();
    }
    void End() override { ++ends; }
    QRect AvailableArea(const QWidget&) override { return available; }
    QString Remembered(const QString& key) override { return remembered.value(key); }
    void Remember(const QString& key, const QString& value) override { remembered[key] = value; }
};
