// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/numbers/Format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace fenwa::display {

namespace {

// The pattern taken apart: how many digits each side of the point must or may
// show, and what follows the placeholders.
struct Layout {
    qsizetype minInteger = 0;  // integer digits shown even when zero
    qsizetype minDecimals = 0; // decimals shown even when zero
    qsizetype maxDecimals = 0; // the place the value is rounded to
    bool point = false;
    QString tail;
};

bool IsPlaceholder(QChar c) { return c == QLatin1Char('#') || c == QLatin1Char('0'); }

Layout Parse(const QString& pattern) {
    Layout layout;
    qsizetype i = 0;
    qsizetype firstZero = -1;
    for (; i < pattern.size() && IsPlaceholder(pattern[i]); ++i)
        if (pattern[i] == QLatin1Char('0') && firstZero < 0) firstZero = i;
    if (firstZero >= 0) layout.minInteger = i - firstZero;
    if (i < pattern.size() && pattern[i] == QLatin1Char('.')) {
        layout.point = true;
        for (++i; i < pattern.size() && IsPlaceholder(pattern[i]); ++i) {
            ++layout.maxDecimals;
            if (pattern[i] == QLatin1Char('0')) layout.minDecimals = layout.maxDecimals;
        }
    }
    layout.tail = pattern.mid(i);
    return layout;
}

// The magnitude as the shortest fixed-point spelling that reads back as the
// same double, split at the point: 2.675 gives "2" and "675".
std::pair<std::string, std::string> ShortestDigits(double magnitude) {
    // Wide enough for the longest fixed spelling of any double (about 330).
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed);
    const std::string text(buffer.data(), result.ptr);
    const auto point = text.find('.');
    if (point == std::string::npos) return {text, {}};
    return {text.substr(0, point), text.substr(point + 1)};
}

// Adds one to a string of decimal digits; "999" becomes "1000".
void Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

QString Format(double value, const QString& pattern) {
    const Layout layout = Parse(pattern);
    if (std::isnan(value)) return QStringLiteral("NaN") + layout.tail;
    if (std::isinf(value))
        return (value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf")) + layout.tail;

    auto [integer, decimals] = ShortestDigits(std::fabs(value));
    const auto places = static_cast<std::size_t>(layout.maxDecimals);
    const bool roundUp = decimals.size() > places && decimals[places] >= '5';
    decimals.resize(places, '0');
    if (roundUp) {
        // Round the integer and the kept decimals as one number, so that a
        // carry runs through the point: 9.995 becomes 10.00.
        std::string all = integer + decimals;
        Increment(all);
        integer = all.substr(0, all.size() - places);
        decimals = all.substr(all.size() - places);
    }

    const bool zero =
        std::all_of(integer.begin(), integer.end(), [](char c) { return c == '0'; }) &&
        std::all_of(decimals.begin(), decimals.end(), [](char c) { return c == '0'; });

    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.size() < static_cast<std::size_t>(layout.minInteger))
        integer.insert(0, static_cast<std::size_t>(layout.minInteger) - integer.size(), '0');
    const auto lastShown = decimals.find_last_not_of('0');
    const std::size_t shown =
        std::max(static_cast<std::size_t>(layout.minDecimals),
                 lastShown == std::string::npos ? std::size_t{0} : lastShown + 1);
    decimals.resize(shown);

    QString text;
    if (value < 0 && !zero) text += QLatin1Char('-');
    text += QString::fromStdString(integer);
    if (layout.point) text += QLatin1Char('.') + QString::fromStdString(decimals);
    return text + layout.tail;
}

} // namespace fenwa::display
