// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/numbers/BgrColor.h"
#include "run/Narration.h"

#include <QObject>
#include <QTimer>

namespace fenwa::display {
class Label;
}

namespace fenwa::ui {

// What the class sees where the program refuses something, on a projector
// whose sound is off: the prompt gives way, for a few seconds, to a line in
// red that says why. The bell rings as before.
class RefusalSign : public QObject {
    Q_OBJECT

public:
    static constexpr int ShownFor = 3000; // milliseconds

    explicit RefusalSign(display::Label& prompt, QObject* parent = nullptr);

    void Show(const QString& why);
    // The prompt as it was, at once; whoever writes the prompt calls it first.
    void Clear();
    // How much longer the sign stands, in milliseconds; 0 when none does.
    int Remaining() const;

private:
    display::Label& prompt_;
    QTimer timer_;
    // The prompt's caption and colour while the sign stands in its place.
    QString hidden_;
    display::BgrColor hiddenColour_ = 0;
    bool showing_ = false;
};

// The texts of the signs.
namespace Refusals {
inline const QString CountRange = run::CountRefusedSentence(false); // as a screen reader hears it
inline const QString LargestZoom = QStringLiteral("この画面ではこれ以上拡大できません。");
} // namespace Refusals

} // namespace fenwa::ui
