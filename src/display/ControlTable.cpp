#include "ControlTable.h"

#include "CommandButton.h"
#include "Form.h"
#include "HScrollBar.h"
#include "Label.h"
#include "PictureBox.h"
#include "TextBox.h"
#include "Twips.h"

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

QWidget* Create(const ControlSpec& spec, const FontSpec& fontSpec, Form& form) {
    const QFont font = MakeFont(fontSpec);
    switch (spec.kind) {
    case ControlKind::Label: {
        auto* label = new Label(&form);
        label->setFont(font);
        label->setWordWrap(spec.style & LabelStyle::WordWrap);
        if (spec.style & LabelStyle::Centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(TwipsRect(spec.left, spec.top, spec.width, spec.height));
        label->SetBorder(spec.style & LabelStyle::Bordered);
        label->SetAutoSize(spec.style & LabelStyle::AutoSize);
        if (spec.foreColor) label->SetForeColor(*spec.foreColor);
        label->SetCaption(spec.caption);
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new TextBox(&form);
        box->setFont(font);
        box->setText(spec.caption);
        return box;
    }
    case ControlKind::CommandButton: {
        auto* button = new CommandButton(&form);
        button->setFont(font);
        button->setText(spec.caption);
        return button;
    }
    case ControlKind::HScrollBar: return new HScrollBar(&form);
    case ControlKind::PictureBox: {
        auto* picture = new PictureBox(&form);
        picture->setFont(font);
        picture->surface().SetFontName(fontSpec.name);
        picture->surface().SetFontSize(fontSpec.points);
        picture->surface().SetFontBold(fontSpec.bold);
        picture->setFocusPolicy(Qt::NoFocus);
        return picture;
    }
    case ControlKind::Other: break;
    }
    return new QWidget(&form);
}

} // namespace

void BuildControls(Form& form, const FontSpec& windowFont, std::span<const ControlSpec> table) {
    form.setFont(MakeFont(windowFont));
    form.surface().SetFontName(windowFont.name);
    form.surface().SetFontSize(windowFont.points);
    form.surface().SetFontBold(windowFont.bold);
    std::vector<std::pair<int, QWidget*>> byTabIndex;
    for (const ControlSpec& spec : table) {
        const FontSpec& fontSpec = spec.font.name.isEmpty() ? windowFont : spec.font;
        QWidget* control = Create(spec, fontSpec, form);
        control->setObjectName(ControlName(spec.name, spec.index));
        if (spec.kind != ControlKind::Label)
            control->setGeometry(TwipsRect(spec.left, spec.top, spec.width, spec.height));
        form.AddControl(control);
        byTabIndex.emplace_back(spec.tabIndex, control);
    }
    form.ApplyTabOrder(byTabIndex);
}

} // namespace fenwa::display
