#include "NumberText.h"

#include "dspCommon.h"

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

std::optional<std::int32_t> ToInt32(const QString& digits) {
    if (digits.isEmpty()) return std::nullopt;
    std::int64_t value = 0;
    for (const QChar character : digits) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9')) return std::nullopt;
        value = value * 10 + (character.unicode() - '0');
        if (value > INT32_MAX) return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace fenwa::display

namespace fenwa::dspCommon {

QString NumToStr(double value) { return display::Str(value).trimmed(); }

} // namespace fenwa::dspCommon
