// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "WindowFixture.h"
#include "run/PhotonRun.h"
#include "ui/help/frmFenwaHelp.h"
#include "ui/main/frmFenwa.h"
#include "ui/results/ResultsExport.h"

#include <QApplication>
#include <QTimer>
#include <functional>

namespace fenwa::test {

// The main window, with what its tests do to a run on the fake clock.
class MainWindowFixture : public WindowFixture<ui::frmFenwa> {
public:
    run::PhotonRun& run() const { return get()->photonRun(); }
    const run::RunRecord& record() const { return run().Record(); }

    // Moves the fake clock on and lets the run look at it, as its timer would.
    void Advance(double seconds) {
        fake.monotonic += seconds;
        run().Tick();
    }
    void RunToEnd() {
        for (int guard = 0; run().Active() && guard < 100000; ++guard)
            Advance(0.01);
    }
    // Text in the count box, with the caret after it, as if typed.
    void Type(const QString& text) {
        get()->txtN->setText(text);
        get()->txtN->SetSelStart(int(text.size()));
    }

    // Presses the help button and, while the help window is shown modally,
    // runs inside on it and then closes it. False if no help window came.
    bool WithHelpWindow(const std::function<void(ui::frmFenwaHelp&)>& inside) {
        bool came = false;
        QTimer meanwhile; // dies with this call, should no window come
        meanwhile.setSingleShot(true);
        QObject::connect(&meanwhile, &QTimer::timeout, [&] {
            auto* help = qobject_cast<ui::frmFenwaHelp*>(QApplication::activeModalWidget());
            if (!help) return;
            came = true;
            if (WaitForKeyboard(*help)) inside(*help);
            help->close();
        });
        meanwhile.start(0);
        get()->cmdHelp->click();
        return came;
    }
};

} // namespace fenwa::test
