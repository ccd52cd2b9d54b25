// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/conditions/frmConditions.h"

#include "display/desktop/Environment.h"
#include "display/text/Fonts.h"
#include "display/zoom/Zoom.h"
#include "model/Conditions.h"
#include "ui/conditions/StepValidator.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace fenwa::ui {

namespace {

struct Laser {
    QString name;
    int nm;
};

// The common lasers, listed by name in the wavelength box; one picked puts
// its wavelength in the box, as if typed.
class LaserList : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(Lasers().size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        // The box asks of no row too, where no laser is chosen.
        if (!index.isValid() || index.row() < 0 || index.row() >= rowCount({})) return {};
        const Laser& laser = Lasers()[std::size_t(index.row())];
        if (role == Qt::DisplayRole) return laser.name;
        if (role == Qt::EditRole) return QString::number(laser.nm);
        return {};
    }
    static const std::array<Laser, 3>& Lasers() {
        static const std::array<Laser, 3> lasers{{
            {QStringLiteral("赤 633 nm He-Ne"), 633},
            {QStringLiteral("緑 532 nm"), 532},
            {QStringLiteral("青 405 nm"), 405},
        }};
        return lasers;
    }
};

constexpr double FontPoints = 11.25; // as the main window's buttons
constexpr int Gap = 8;               // design pixels between the rows and around them

} // namespace

frmConditions::frmConditions(QWidget& owner, display::Environment& environment,
                             const model::Apparatus& apparatus)
    : QDialog(&owner), environment_(environment), apparatus_(apparatus) {
    setWindowTitle(QStringLiteral("実験の条件"));
    // A close box only, as on the main window: the dialog has one size.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(display::MakeFont(display::FontNames::Meiryo, FontPoints));
    const bool oneSlit = apparatus.SlitCount == 1;
    const QString slitSize = oneSlit ? QStringLiteral("幅") : QStringLiteral("間隔");

    cboWaveLen = new QComboBox(this);
    cboWaveLen->setEditable(true);
    cboWaveLen->setModel(new LaserList(cboWaveLen));
    // What is typed is a wavelength, neither added to the list nor completed
    // from it.
    cboWaveLen->setInsertPolicy(QComboBox::NoInsert);
    cboWaveLen->setCompleter(nullptr);
    txtSlitSize = new QLineEdit(this);
    txtScreenDist = new QLineEdit(this);
    fields_ = {{
        {cboWaveLen->lineEdit(),
         new StepValidator(model::ShortestWaveLenNm, model::LongestWaveLenNm, 0, this),
         QStringLiteral("波長は 380～780 nm の整数です。")},
        {txtSlitSize, new StepValidator(model::SmallestSlitSize, model::LargestSlitSize, 2, this),
         QStringLiteral("スリットの%1は 0.05～2.00 mm，0.01 mm 刻みです。").arg(slitSize)},
        {txtScreenDist, new StepValidator(model::NearestScreen, model::FarthestScreen, 2, this),
         QStringLiteral("距離は 0.50～10.00 m，0.01 m 刻みです。")},
    }};
    chkSlitObserved = new QCheckBox(QStringLiteral("どのスリットを通ったかを観測する"), this);
    // One slit leaves nothing to tell apart.
    chkSlitObserved->setEnabled(!oneSlit);
    lblRange = new QLabel(this);
    cmdBook = new QPushButton(QStringLiteral("本の値に戻す"), this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdOK->setDefault(true);

    const QStringList labels{QStringLiteral("波長 (nm)"),
                             QStringLiteral("スリットの%1 (mm)").arg(slitSize),
                             QStringLiteral("スリット－スクリーン間の距離 (m)")};
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setContentsMargins(QMargins() + display::ToScreen(2 * Gap));
    grid->setSpacing(display::ToScreen(Gap));
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("000000000"));
    for (std::size_t row = 0; row < fields_.size(); ++row) {
        const Field& field = fields_[row];
        auto* label = new QLabel(labels[int(row)], this);
        QWidget* box = row == 0 ? static_cast<QWidget*>(cboWaveLen) : field.box;
        label->setBuddy(box);
        box->setAccessibleName(labels[int(row)]);
        box->setToolTip(field.range);
        box->setFixedWidth(boxWidth);
        field.box->setValidator(field.steps);
        connect(field.box, &QLineEdit::inputRejected, this, [this, row] { Refuse(fields_[row]); });
        grid->addWidget(label, int(row), 0);
        grid->addWidget(box, int(row), 1);
    }
    cboWaveLen->view()->setMinimumWidth(cboWaveLen->view()->sizeHintForColumn(0) +
                                        display::ToScreen(2 * Gap));
    grid->addWidget(chkSlitObserved, 3, 0, 1, 2);
    grid->addWidget(lblRange, 4, 0, 1, 2);
    lblRange->setMinimumHeight(fontMetrics().height());
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(display::ToScreen(Gap));
    buttons->addWidget(cmdBook);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 5, 0, 1, 2);

    setTabOrder(cboWaveLen, txtSlitSize);
    setTabOrder(txtSlitSize, txtScreenDist);
    setTabOrder(txtScreenDist, chkSlitObserved);
    setTabOrder(chkSlitObserved, cmdBook);
    setTabOrder(cmdBook, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdBook, &QPushButton::clicked, this, &frmConditions::cmdBook_Click);
    Show(apparatus);
}

// The values of an apparatus in the boxes, and the focus in the first with
// its text selected, so that what is typed replaces it.
void frmConditions::Show(const model::Apparatus& apparatus) {
    const model::Conditions conditions = model::ConditionsOf(apparatus);
    const auto& lasers = LaserList::Lasers();
    const auto laser = std::ranges::find(lasers, conditions.WaveLenNm, &Laser::nm);
    cboWaveLen->setCurrentIndex(laser == lasers.end() ? -1 : int(laser - lasers.begin()));
    cboWaveLen->setEditText(fields_[0].steps->Text(conditions.WaveLenNm));
    txtSlitSize->setText(fields_[1].steps->Text(conditions.SlitSizeHundredthMm));
    txtScreenDist->setText(fields_[2].steps->Text(conditions.ScreenDistCm));
    chkSlitObserved->setChecked(conditions.SlitObserved);
    cboWaveLen->setFocus(Qt::OtherFocusReason);
    cboWaveLen->lineEdit()->selectAll();
}

void frmConditions::cmdBook_Click() {
    lblRange->clear();
    Show(model::DefaultApparatus(apparatus_.SlitCount));
}

void frmConditions::Refuse(const Field& field) {
    environment_.Beep();
    lblRange->setText(field.range);
}

void frmConditions::accept() {
    for (const Field& field : fields_) {
        if (field.steps->Steps(field.box->text())) continue;
        Refuse(field);
        field.box->setFocus(Qt::OtherFocusReason);
        field.box->selectAll();
        return;
    }
    QDialog::accept();
}

model::Apparatus frmConditions::Chosen() const {
    const model::Conditions now = model::ConditionsOf(apparatus_);
    const auto steps = [this](std::size_t field, int otherwise) {
        return fields_[field].steps->Steps(fields_[field].box->text()).value_or(otherwise);
    };
    return model::WithConditions(apparatus_,
                                 {steps(0, now.WaveLenNm), steps(1, now.SlitSizeHundredthMm),
                                  steps(2, now.ScreenDistCm), chkSlitObserved->isChecked()});
}

std::optional<model::Apparatus> AskConditions(QWidget& owner, display::Environment& environment,
                                              const model::Apparatus& apparatus) {
    frmConditions dialog(owner, environment, apparatus);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    // Without a window manager nobody else hands the keyboard back.
    if (owner.isVisible()) owner.activateWindow();
    if (!chosen) return std::nullopt;
    return dialog.Chosen();
}

} // namespace fenwa::ui
