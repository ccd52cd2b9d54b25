// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/text/Fonts.h"

#include "display/zoom/Zoom.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <array>
#include <optional>

namespace fenwa::display {

namespace {

// A face's ascent and descent, in ems.
struct Proportions {
    double ascent, descent;
};

// The families that stand in for a logical name, and the proportions of the
// face the name stands for where they differ from those of its stand-in.
struct StandIn {
    const QString& name;
    QStringList families;
    std::optional<Proportions> original;
};

const std::array<StandIn, 5>& StandIns() {
    // Noto CJK comes last everywhere so that any Japanese character finds a
    // glyph. The Liberation faces keep the metrics of Courier New and Arial;
    // Noto CJK reaches far higher above its baseline than Meiryo and MS
    // Gothic, and Liberation Serif less high than Symbol. The Greek letters
    // are drawn from their own code points, so any serif face with Greek
    // serves for Symbol.
    const QString cjk = QStringLiteral("Noto Sans CJK JP");
    static const std::array<StandIn, 5> standIns{{
        {FontNames::Meiryo, {cjk}, Proportions{1.06, 0.44}},
        {FontNames::MsGothic,
         {QStringLiteral("Noto Sans Mono CJK JP"), cjk},
         Proportions{0.859, 0.141}},
        {FontNames::CourierNew, {QStringLiteral("Liberation Mono"), cjk}, std::nullopt},
        {FontNames::Arial, {QStringLiteral("Liberation Sans"), cjk}, std::nullopt},
        {FontNames::Symbol, {QStringLiteral("Liberation Serif"), cjk}, Proportions{1.005, 0.22}},
    }};
    return standIns;
}

} // namespace

void InstallFontSubstitutions() {
    for (const StandIn& standIn : StandIns())
        QFont::insertSubstitutions(standIn.name, standIn.families);
}

TextCell LineCell(const QFont& font, const QPaintDevice& device) {
    for (const StandIn& standIn : StandIns()) {
        if (standIn.name != font.family() || !standIn.original) continue;
        const double em = font.pixelSize() > 0 ? font.pixelSize()
                                               : font.pointSizeF() * device.logicalDpiY() / 72.0;
        const Proportions& original = *standIn.original;
        return {original.ascent * em, (original.ascent + original.descent) * em};
    }
    const QFontMetricsF metrics(font, &device);
    return {metrics.ascent(), metrics.height()};
}

QFont LogicalFont(const QString& name, double points, bool bold) {
    QFont font(name);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QFont MakeFont(const QString& name, double points, bool bold) {
    // Widgets render at the screen's logical dpi; scale so a point is always
    // 96/72 pixels, in step with the twips of the layout.
    double dpi = 96.0;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dpi = screen->logicalDotsPerInchY();
    return LogicalFont(name, points * 96.0 / dpi * ZoomFactor(), bold);
}

namespace {
constexpr char DesignFont[] = "fenwaDesignFont";
} // namespace

void SetDesignFont(QWidget& widget, const FontSpec& font) {
    widget.setProperty(DesignFont, QVariant::fromValue(font));
    widget.setFont(MakeFont(font));
}

void ApplyDesignFont(QWidget& widget) {
    const QVariant font = widget.property(DesignFont);
    if (font.canConvert<FontSpec>()) widget.setFont(MakeFont(font.value<FontSpec>()));
}

} // namespace fenwa::display
