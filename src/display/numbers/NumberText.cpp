// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/numbers/NumberText.h"

#include <algorithm>
#include <cmath>

namespace fenwa::display {

QString Str(double value) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-Inf") : QStringLiteral(" Inf");
    QString digits = QString::number(std::fabs(value), 'g', 15);
    digits.replace(QLatin1String("e+"), QLatin1String("E+"));
    digits.replace(QLatin1String("e-"), QLatin1String("E-"));
    if (digits.startsWith(QLatin1String("0."))) digits.remove(0, 1);
    return (std::signbit(value) && value != 0.0 ? QLatin1Char('-') : QLatin1Char(' ')) + digits;
}

namespace {

// The value of ASCII digits, stopped one past the 32-bit range; nothing for
// empty text or any other character.
std::optional<std::int64_t> DigitsValue(const QString& digits) {
    if (digits.isEmpty()) return std::nullopt;
    std::int64_t value = 0;
    for (const QChar character : digits) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9')) return std::nullopt;
        value = std::min<std::int64_t>(value * 10 + (character.unicode() - '0'),
                                       INT64_C(1) + INT32_MAX);
    }
    return value;
}

} // namespace

std::optional<std::int32_t> ToInt32(const QString& digits) {
    const std::optional<std::int64_t> value = DigitsValue(digits);
    if (!value || *value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::optional<std::int32_t> ToInt32Saturated(const QString& digits) {
    const std::optional<std::int64_t> value = DigitsValue(digits);
    if (!value) return std::nullopt;
    return static_cast<std::int32_t>(std::min<std::int64_t>(*value, INT32_MAX));
}

} // namespace fenwa::display
