// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QMetaType>
#include <QString>

class QWidget;

namespace fenwa::display {

// The font names the program sets and compares. They stay exactly as written
// everywhere; start-up maps each onto a family that is installed.
namespace FontNames {
inline const QString Meiryo = QStringLiteral("メイリオ");
inline const QString CourierNew = QStringLiteral("Courier New");
inline const QString Arial = QStringLiteral("Arial");
inline const QString MsGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString Symbol = QStringLiteral("Symbol");
} // namespace FontNames

// A font as the window tables give it. Character sets need no counterpart:
// Qt picks glyphs by code point.
struct FontSpec {
    QString name;
    double points = 0.0;
    bool bold = false;
};

// Maps the logical names onto installed families, once, before any window.
void InstallFontSubstitutions();

// The cell of a line of text, in pixels: how far below the line's top its
// baseline lies, and the line's height.
struct TextCell {
    double ascent;
    double height;
};

// The cell of a line in the font, on the device. Where the installed face
// that stands in for a logical name is proportioned otherwise than the face
// the name stands for, the cell is the latter's, so that pieces printed in
// different fonts from the same top line up as designed.
TextCell LineCell(const QFont& font, const QPaintDevice& device);

// A font of the logical name at a size in points, regular or bold: the one
// place where fonts are made. Its family() stays the logical name.
QFont LogicalFont(const QString& name, double points, bool bold);

// A font of the logical name and size for a widget; its family() stays the logical name.
// Sizes are points at 96 dots per inch, the same inch that twips measure,
// enlarged by the program's zoom.
QFont MakeFont(const QString& name, double points, bool bold = false);
inline QFont MakeFont(const FontSpec& font) { return MakeFont(font.name, font.points, font.bold); }

// Gives a window or control the font of its design, and keeps the design so
// that a change of zoom can give it the font again at the new size.
void SetDesignFont(QWidget& widget, const FontSpec& font);
// The font of the design again, at the current zoom; a widget given none
// keeps what it has.
void ApplyDesignFont(QWidget& widget);

} // namespace fenwa::display

Q_DECLARE_METATYPE(fenwa::display::FontSpec)
