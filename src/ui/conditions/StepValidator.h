// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QValidator>
#include <optional>

namespace fenwa::ui {

// A number in steps of 10^-decimals, from lowest to highest steps, as typed
// in a box: "0.5", "0.50" and ".50" are 50 hundredths. Text that no further
// typing can bring into the range is refused, so that a box never holds
// one: with 380 to 780, "3" may go on to 380, but "37" cannot.
class StepValidator : public QValidator {
    Q_OBJECT

public:
    StepValidator(int lowest, int highest, int decimals, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    // The steps the text states, where they are in the range.
    std::optional<int> Steps(const QString& text) const;
    // The steps as the box shows them: 633, 0.50, 5.00.
    QString Text(int steps) const;

private:
    int lowest_;
    int highest_;
    int decimals_;
};

} // namespace fenwa::ui
