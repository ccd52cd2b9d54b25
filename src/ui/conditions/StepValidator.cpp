// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/conditions/StepValidator.h"

#include <QRegularExpression>

namespace fenwa::ui {

namespace {

// Digits, then a point and digits: either part may still be empty.
struct Parts {
    QString whole;
    QString fraction;
    bool point = false;
};

std::optional<Parts> Split(const QString& text, int decimals) {
    static const QRegularExpression number(QStringLiteral("^([0-9]*)(\\.([0-9]*))?$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) return std::nullopt;
    Parts parts{match.captured(1), match.captured(3), match.hasCaptured(2)};
    if (parts.fraction.size() > decimals || (parts.point && decimals == 0)) return std::nullopt;
    return parts;
}

} // namespace

StepValidator::StepValidator(int lowest, int highest, int decimals, QObject* parent)
    : QValidator(parent), lowest_(lowest), highest_(highest), decimals_(decimals) {}

std::optional<int> StepValidator::Steps(const QString& text) const {
    const std::optional<Parts> parts = Split(text, decimals_);
    if (!parts || (parts->whole.isEmpty() && parts->fraction.isEmpty())) return std::nullopt;
    if (parts->whole.size() > 1 && parts->whole.startsWith(u'0')) return std::nullopt;
    // More digits than any value in range has are out of it, without overflow.
    if (parts->whole.size() > QString::number(highest_).size()) return std::nullopt;
    int steps = parts->whole.toInt();
    for (int i = 0; i < decimals_; ++i)
        steps = steps * 10 + (i < parts->fraction.size() ? parts->fraction[i].digitValue() : 0);
    if (steps < lowest_ || steps > highest_) return std::nullopt;
    return steps;
}

QString StepValidator::Text(int steps) const {
    if (decimals_ == 0) return QString::number(steps);
    int scale = 1;
    for (int i = 0; i < decimals_; ++i)
        scale *= 10;
    return QStringLiteral("%1.%2")
        .arg(steps / scale)
        .arg(steps % scale, decimals_, 10, QChar(u'0'));
}

QValidator::State StepValidator::validate(QString& input, int&) const {
    if (Steps(input)) return Acceptable;
    const std::optional<Parts> parts = Split(input, decimals_);
    if (!parts) return Invalid;
    // Intermediate while the text is the start of some value's text; ".5"
    // starts "0.50".
    for (int steps = lowest_; steps <= highest_; ++steps) {
        const QString full = Text(steps);
        const QString whole = full.section(u'.', 0, 0);
        if (!parts->point && whole.startsWith(parts->whole)) return Intermediate;
        const bool sameWhole =
            parts->whole == whole || (parts->whole.isEmpty() && whole == QLatin1String("0"));
        if (parts->point && sameWhole && full.section(u'.', 1).startsWith(parts->fraction))
            return Intermediate;
    }
    return Invalid;
}

} // namespace fenwa::ui
