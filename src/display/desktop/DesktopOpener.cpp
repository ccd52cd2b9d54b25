// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/desktop/DesktopOpener.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTimer>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fenwa::display {

namespace {

using namespace std::chrono_literals;

// Looks now and then whether the opener has ended, and how. Once patience
// has passed it only reaps the opener when it ends, so that it leaves no
// zombie behind; nothing of it stops the opener.
class OpenerWatch : public QObject {
public:
    OpenerWatch(pid_t opener, std::chrono::milliseconds patience, std::function<void()> failed)
        : QObject(QCoreApplication::instance()), opener_(opener), deadline_(patience),
          failed_(std::move(failed)) {
        connect(&timer_, &QTimer::timeout, this, &OpenerWatch::Look);
        timer_.start(100ms);
    }

private:
    void Look() {
        int status = 0;
        const pid_t ended = waitpid(opener_, &status, WNOHANG);
        if (ended == 0) {
            if (deadline_.hasExpired()) timer_.setInterval(1s);
            return;
        }
        const bool failure = ended == opener_ && !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        if (failure && !deadline_.hasExpired()) failed_();
        deleteLater();
    }

    pid_t opener_;
    QDeadlineTimer deadline_;
    std::function<void()> failed_;
    QTimer timer_;
};

} // namespace

void RunDesktopOpener(const QString& opener, const QString& address,
                      std::chrono::milliseconds patience, std::function<void()> failed) {
    QByteArray program = QFile::encodeName(opener);
    QByteArray argument = address.toUtf8();
    char* arguments[] = {program.data(), argument.data(), nullptr};

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    // Nothing blocked, and a broken pipe ends it as it would any program.
    sigset_t blocked, defaults;
    sigemptyset(&blocked);
    posix_spawnattr_setsigmask(&attributes, &blocked);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);

    pid_t pid = 0;
    const int error =
        posix_spawn(&pid, program.constData(), &files, &attributes, arguments, environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        failed();
        return;
    }
    new OpenerWatch(pid, patience, std::move(failed));
}

} // namespace fenwa::display
