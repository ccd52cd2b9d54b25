// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/desktop/Environment.h"

#include <QMap>
#include <QRect>
#include <QStringList>

// Stands in for the world outside the windows: a clock the test sets,
// counters for beeps, browser calls and ends, a screen of the test's size,
// settings kept in memory, and the program's data files.
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
    QString dataFolder = QStringLiteral("/opt/fenwa 1.0/share/fenwa");
    QStringList dataFiles = {QStringLiteral("Ondrik5src.zip")};

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
    DataFile FindDataFile(const QString& name) override {
        return {dataFolder + u'/' + name, dataFiles.contains(name)};
    }
};
