#pragma once

#include "Environment.h"

namespace fenwa::display {

// The real clock, bell, browser and way out.
class SystemEnvironment final : public Environment {
public:
    float Timer() override;
    double MonotonicSeconds() override;
    void Beep() override;
    void OpenUrl(const QString& address, std::function<void()> failed) override;
    void End() override;
    DataFile FindDataFile(const QString& name) override;
};

} // namespace fenwa::display
