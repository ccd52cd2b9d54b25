#include "Fonts.h"

#include <QGuiApplication>
#include <QScreen>

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
    font.setPointSizeF(points * 96.0 / dpi);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace fenwa::display
