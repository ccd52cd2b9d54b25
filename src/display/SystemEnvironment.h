#pragma once

#include "Environment.h"

#include <chrono>

namespace fenwa::display {

// The real clock, bell, browser and way out.
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

private:
    std::chrono::milliseconds openerPatience_;
};

} // namespace fenwa::display
