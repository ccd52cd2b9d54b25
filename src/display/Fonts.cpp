#include "Fonts.h"

#include "Zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace fenwa::display {

void InstallFontSubstitutions() {
    // Noto CJK comes last everywhere so that any Japanese character finds a glyph.
    const QString cjk = QStringLiteral("Noto Sans CJK JP");
    QFont::insertSubstitutions(FontNames::Meiryo, {cjk});
    QFont::insertSubstitutions(FontNames::MsGothic, {QStringLiteral("Noto Sans Mono CJK JP"), cjk});
    QFont::insertSubstitutions(FontNames::CourierNew, {QStringLiteral("Liberation Mono"), cjk});
    QFont::insertSubstitutions(FontNames::Arial, {QStringLiteral("Liberation Sans"), cjk});
    // The Greek letters are drawn from their own code points, so any serif
    // face with Greek serves.
    QFont::insertSubstitutions(FontNames::Symbol, {QStringLiteral("Liberation Serif"), cjk});
}

QFont MakeFont(const QString& name, double points, bool bold) {
    QFont font(name);
    // Widgets render at the screen's logical dpi; scale so a point is always
    // 96/72 pixels, in step with the twips of the layout.
    double dpi = 96.0;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dpi = screen->logicalDotsPerInchY();
    font.setPointSizeF(points * 96.0 / dpi * ZoomFactor());
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
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
