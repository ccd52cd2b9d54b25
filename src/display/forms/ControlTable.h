// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/numbers/BgrColor.h"
#include "display/text/Fonts.h"

#include <QString>
#include <optional>
#include <span>
#include <variant>

class QWidget;

namespace fenwa::display {

class CommandButton;
class Form;
class HScrollBar;
class Label;
class PictureBox;
class TextBox;

enum class ControlKind { Label, TextBox, CommandButton, HScrollBar, PictureBox, Other };

// The kind of a control, for walks over a window's controls.
ControlKind KindOf(const QWidget* control);

// Label options from the window tables.
namespace LabelStyle {
enum : unsigned {
    Plain = 0,
    AutoSize = 1, // sizes itself to its caption
    Bordered = 2, // single-line border
    Centred = 4,  // caption centred
    WordWrap = 8, // caption wraps at the label's width
    Button = 16,  // used as a button: Tab reaches it, Enter or Space clicks it
};
} // namespace LabelStyle

// Where a window keeps a control of its table: a typed member that the
// control is put into when it is made. The member's type is the kind of
// control made, so a table cannot make one kind and the window expect another.
using ControlSlot = std::variant<Label**, TextBox**, CommandButton**, HScrollBar**, PictureBox**>;

// One row of a window's table of controls. Geometry is in twips. A control
// of an array has an index >= 0 and the object name "name(index)".
struct ControlSpec {
    ControlSlot slot;
    const char* name;
    int index; // -1 outside arrays
    int left, top, width, height;
    int tabIndex;
    QString caption;
    FontSpec font; // an empty name means the window's font
    unsigned style = LabelStyle::Plain;
    std::optional<BgrColor> foreColor = {}; // the platform's text colour when empty
    // What assistive technology calls a control that has no caption to be
    // named by; a control with a caption is named by it as it changes.
    QString description = {};
};

// The object name of a control: "txtN", or "cmdSlitNo(2)" in an array.
QString ControlName(const char* name, int index);

// Creates the controls of a window from its table, in table order, puts each
// into its slot, and gives them the focus order of their tab indices.
void BuildControls(Form& form, const FontSpec& windowFont, std::span<const ControlSpec> table);

} // namespace fenwa::display
