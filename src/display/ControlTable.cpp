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

QWidget* Create(const ControlSpec& row, const FontSpec& fontSpec, Form& form) {
    const QFont font = MakeFont(fontSpec);
    switch (row.kind) {
    case ControlKind::Label: {
        auto* label = new Label(&form);
        label->setFont(font);
        label->setWordWrap(row.style & LabelStyle::WordWrap);
        if (row.style & LabelStyle::Centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(TwipsRect(row.left, row.top, row.width, row.height));
        label->SetBorder(row.style & LabelStyle::Bordered);
        label->SetAutoSize(row.style & LabelStyle::AutoSize);
        label->SetKeyboardClick(row.style & LabelStyle::Button);
        if (row.foreColor) label->SetForeColor(*row.foreColor);
        label->SetCaption(row.caption);
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new TextBox(&form);
        box->setFont(font);
        box->setText(row.caption);
        return box;
    }
    case ControlKind::CommandButton: {
        auto* button = new CommandButton(&form);
        button->setFont(font);
        button->setText(row.caption);
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
    for (const ControlSpec& row : table) {
        const FontSpec& fontSpec = row.font.name.isEmpty() ? windowFont : row.font;
        QWidget* control = Create(row, fontSpec, form);
        control->setObjectName(ControlName(row.name, row.index));
        if (!row.description.isEmpty()) control->setAccessibleName(row.description);
        if (row.kind != ControlKind::Label)
            control->setGeometry(TwipsRect(row.left, row.top, row.width, row.height));
        form.AddControl(control);
        byTabIndex.emplace_back(row.tabIndex, control);
    }
    form.ApplyTabOrder(byTabIndex);
}

} // namespace fenwa::display
