#pragma once

#include <QString>
#include <functional>

namespace fenwa::display {

// Every effect the program has on the world outside its windows, and every
// reading of time, passes through here, so that a test can put a fake in its
// place: a run of 10000 photons on a fake clock takes milliseconds, and beeps
// and browser calls can be counted.
class Environment {
public:
    virtual ~Environment() = default;

    // Seconds since local midnight, at single precision: the seed of the
    // random sequence.
    virtual float Timer();
    // Seconds on a clock that never jumps, for pacing runs.
    virtual double MonotonicSeconds();
    virtual void Beep();
    // Opens the address in the desktop's browser. When none can be opened,
    // calls failed: at once, or later where only the end of the desktop's
    // opener tells.
    virtual void OpenUrl(const QString& address, std::function<void()> failed);
    // Closes every window and leaves the event loop at once.
    virtual void End();

    // Where one of the program's data files is: beside the program in its
    // build tree, else in the installed program's data folder. When it is in
    // neither, `path` names the place in the data folder.
    struct DataFile {
        QString path;
        bool found = false;
    };
    virtual DataFile FindDataFile(const QString& name);
};

// The environment in force: the real one unless a test has put another in.
Environment& Env();

// Puts an environment in force for as long as this object lives.
class ScopedEnvironment {
public:
    explicit ScopedEnvironment(Environment& replacement);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    Environment* previous_;
};

} // namespace fenwa::display
