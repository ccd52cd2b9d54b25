// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/forms/ControlTable.h"

#include "display/controls/CommandButton.h"
#include "display/controls/HScrollBar.h"
#include "display/controls/Label.h"
#include "display/controls/PictureBox.h"
#include "display/controls/TextBox.h"
#include "display/forms/Form.h"
#include "display/forms/ZoomStyle.h"
#include "display/zoom/Twips.h"
#include "display/zoom/Zoom.h"

#include <type_traits>

namespace fenwa::display {

ControlKind KindOf(const QWidget* control) {
    if (qobject_cast<const Label*>(control)) return ControlKind::Label;
    if (qobject_cast<const TextBox*>(control)) return ControlKind::TextBox;
    if (qobject_cast<const CommandButton*>(control)) return ControlKind::CommandButton;
    if (qobject_cast<const HScrollBar*>(control)) return ControlKind::HScrollBar;
    if (qobject_cast<const PictureBox*>(control)) return ControlKind::PictureBox;
    return ControlKind::Other;
}

QString ControlName(const char* name, int index) {
    const QString base = QString::fromUtf8(name);
    return index < 0 ? base : QStringLiteral("%1(%2)").arg(base).arg(index);
}

namespace {

void Configure(Label& label, const ControlSpec& row, const FontSpec& font) {
    SetDesignFont(label, font);
    label.setWordWrap(row.style & LabelStyle::WordWrap);
    if (row.style & LabelStyle::Centred) label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label.setGeometry(ToScreen(TwipsRect(row.left, row.top, row.width, row.height)));
    label.SetBorder(row.style & LabelStyle::Bordered);
    label.SetAutoSize(row.style & LabelStyle::AutoSize);
    label.SetKeyboardClick(row.style & LabelStyle::Button);
    if (row.foreColor) label.SetForeColor(*row.foreColor);
    label.SetCaption(row.caption);
}

void Configure(TextBox& box, const ControlSpec& row, const FontSpec& font) {
    SetDesignFont(box, font);
    box.setText(row.caption);
}

void Configure(CommandButton& button, const ControlSpec& row, const FontSpec& font) {
    SetDesignFont(button, font);
    button.setText(row.caption);
}

void Configure(HScrollBar&, const ControlSpec&, const FontSpec&) {}

void Configure(PictureBox& picture, const ControlSpec&, const FontSpec& font) {
    SetDesignFont(picture, font);
    picture.surface().SetFontName(font.name);
    picture.surface().SetFontSize(font.points);
    picture.surface().SetFontBold(font.bold);
    // The keyboard reaches a panel at its tab index, to hear what it shows and
    // to open its menu; a click does not take the focus from where it is.
    picture.setFocusPolicy(Qt::TabFocus);
}

// Makes the control that the row's slot asks for and puts it there.
QWidget* Create(const ControlSpec& row, const FontSpec& font, Form& form) {
    return std::visit(
        [&](auto** slot) -> QWidget* {
            using Control = std::remove_pointer_t<std::remove_pointer_t<decltype(slot)>>;
            auto* control = new Control(&form);
            control->setStyle(ZoomStyle::Instance());
            Configure(*control, row, font);
            *slot = control;
            return control;
        },
        row.slot);
}

} // namespace

void BuildControls(Form& form, const FontSpec& windowFont, std::span<const ControlSpec> table) {
    SetDesignFont(form, windowFont);
    form.surface().SetFontName(windowFont.name);
    form.surface().SetFontSize(windowFont.points);
    form.surface().SetFontBold(windowFont.bold);
    std::vector<std::pair<int, QWidget*>> byTabIndex;
    for (const ControlSpec& row : table) {
        const FontSpec& fontSpec = row.font.name.isEmpty() ? windowFont : row.font;
        QWidget* control = Create(row, fontSpec, form);
        control->setObjectName(ControlName(row.name, row.index));
        if (!row.description.isEmpty()) control->setAccessibleName(row.description);
        if (KindOf(control) != ControlKind::Label) // a label sizes itself
            control->setGeometry(ToScreen(TwipsRect(row.left, row.top, row.width, row.height)));
        form.AddControl(control);
        byTabIndex.emplace_back(row.tabIndex, control);
    }
    form.ApplyTabOrder(byTabIndex);
}

} // namespace fenwa::display
