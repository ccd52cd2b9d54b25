// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace fenwa::display {

// Every effect the program has on the world outside its windows, every
// reading of time, and what it learns of the screen and keeps for the user.
// The windows are given one when they are made: the program gives them the
// system's (SystemEnvironment), a test a fake of its own, so that a run of
// 10000 photons on a fake clock takes milliseconds, beeps and browser calls
// can be counted, and no test sees the real screen or the user's settings.
class Environment {
public:
    virtual ~Environment() = default;

    // Seconds since local midnight, at single precision: the seed of the
    // random sequence.
    virtual float Timer() = 0;
    // Seconds on a clock that never jumps, for pacing runs.
    virtual double MonotonicSeconds() = 0;
    virtual void Beep() = 0;
    // Opens the address in the desktop's browser. When none can be opened,
    // calls failed: at once, or later where only the end of the desktop's
    // opener tells.
    virtual void OpenUrl(const QString& address, std::function<void()> failed) = 0;
    // Closes every window and leaves the event loop at once.
    virtual void End() = 0;
    // The part of the screen the window is on that windows may cover (the
    // desktop's panels left out), in the pixels of the window's geometry.
    virtual QRect AvailableArea(const QWidget& window) = 0;
    // What was kept for the user under a key from one start to the next:
    // the text kept, or an empty text where nothing readable is.
    virtual QString Remembered(const QString& key) = 0;
    virtual void Remember(const QString& key, const QString& value) = 0;

    // Where one of the program's data files is: beside the program in its
    // build tree, else in the installed program's data folder. When it is in
    // neither, `path` names the place in the data folder.
    struct DataFile {
        QString path;
        bool found = false;
    };
    virtual DataFile FindDataFile(const QString& name) = 0;
};

} // namespace fenwa::display
