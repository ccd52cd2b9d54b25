// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/desktop/Environment.h"

#include <chrono>

namespace fenwa::display {

// The real clock, bell, browser, way out, screen, and the user's settings
// (QSettings, in the desktop's place for them, under the organisation and
// application names that start-up gives).
class SystemEnvironment final : public Environment {
public:
    // openerPatience: for how long after a click a failure of the desktop's
    // opener still shows; later it would come out of the blue.
    explicit SystemEnvironment(std::chrono::milliseconds openerPatience = std::chrono::seconds(5))
        : openerPatience_(openerPatience) {}

    float Timer() override;
    double MonotonicSeconds() override;
    void Beep() override;
    void OpenUrl(const QString& address, std::function<void()> failed) override;
    void End() override;
    DataFile FindDataFile(const QString& name) override;
    QRect AvailableArea(const QWidget& window) override;
    QString Remembered(const QString& key) override;
    void Remember(const QString& key, const QString& value) override;

private:
    std::chrono::milliseconds openerPatience_;
};

} // namespace fenwa::display
