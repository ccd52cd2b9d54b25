#include "frmFenwa.h"

#include "display/CommandButton.h"
#include "display/Environment.h"
#include "display/HScrollBar.h"
#include "display/Label.h"
#include "display/PictureBox.h"
#include "display/TextBox.h"
#include "display/dspCommon.h"
#include "frmFenwaDesign.h"
#include "run/PhotonRun.h"

namespace fenwa::ui {

using display::ControlName;

template <class Control> Control* frmFenwa::Find(const QString& name) const {
    auto* control = findChild<Control*>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(control, "frmFenwa", "a control of the table is missing");
    return control;
}

frmFenwa::frmFenwa(model::RandomSource& random) : random_(random) {
    SetCaption(frmFenwaDesign::Caption());
    SetClientSize(frmFenwaDesign::ClientWidth, frmFenwaDesign::ClientHeight, Border::FixedSingle);
    BuildControls(*this, frmFenwaDesign::WindowFont(), frmFenwaDesign::Controls());

    GetSrc = Find<display::Label>(QStringLiteral("GetSrc"));
    lblA = Find<display::Label>(QStringLiteral("lblA"));
    Pic = Find<display::PictureBox>(QStringLiteral("Pic"));
    Histo = Find<display::PictureBox>(QStringLiteral("Histo"));
    cmdHelp = Find<display::CommandButton>(QStringLiteral("cmdHelp"));
    Label1 = Find<display::Label>(QStringLiteral("Label1"));
    txtN = Find<display::TextBox>(QStringLiteral("txtN"));
    hsbN = Find<display::HScrollBar>(QStringLiteral("hsbN"));
    for (int i = 0; i < 3; ++i)
        lblPhotonN[i] = Find<display::Label>(ControlName("lblPhotonN", i));
    for (int i = 1; i <= 3; ++i)
        cmdSlitNo[i] = Find<display::CommandButton>(ControlName("cmdSlitNo", i));
    cmdEnd = Find<display::CommandButton>(QStringLiteral("cmdEnd"));
    lblMSG = Find<display::Label>(QStringLiteral("lblMSG"));
    Label2 = Find<display::Label>(QStringLiteral("Label2"));

    GetSrc->setCursor(Qt::PointingHandCursor);
    SetCancelButton(cmdEnd);
    surface().SetPaintHandler([this] { Form_Paint(); });
    for (int i = 1; i <= 3; ++i)
        connect(cmdSlitNo[i], &display::CommandButton::Click, this,
                [this, i] { cmdSlitNo_Click(static_cast<std::int16_t>(i)); });
    connect(cmdHelp, &display::CommandButton::Click, this, &frmFenwa::cmdHelp_Click);
    connect(GetSrc, &display::Label::Click, this, &frmFenwa::GetSrc_Click);
    connect(cmdEnd, &display::CommandButton::Click, this, &frmFenwa::cmdEnd_Click);

    run_ = new run::PhotonRun(apparatus_, random_, *Pic, *Histo, this);
    connect(Pic, &display::PictureBox::Click, this, &frmFenwa::Pic_Click);
    Pic->surface().SetPaintHandler([this] { Pic_Paint(); });
    Histo->surface().SetPaintHandler([this] { Histo_Paint(); });
    connect(run_, &run::PhotonRun::Finished, this, &frmFenwa::RunFinished);
    // A closed window is drawn on no more.
    connect(this, &Form::Closed, run_, &run::PhotonRun::Stop);

    txtN->SetKeyPress([this](std::int16_t& key) { txtN_KeyPress(key); });
    hsbN->SetKeyPress([this](std::int16_t& key) { hsbN_KeyPress(key); });
    connect(hsbN, &display::HScrollBar::Scroll, this, &frmFenwa::hsbN_Scroll);
    connect(hsbN, &display::HScrollBar::Change, this, &frmFenwa::hsbN_Change);
    for (int i = 0; i < 3; ++i)
        connect(lblPhotonN[i], &display::Label::Click, this,
                [this, i] { lblPhotonN_Click(static_cast<std::int16_t>(i)); });
    connect(lblMSG, &display::Label::Click, this, &frmFenwa::lblMSG_Click);
}

void frmFenwa::Form_Load() {
    dspCommon::InitDisplay(*this);
    GetSrc->SetBackColor(0xF8F8F8);
    surface().Cls();
    random_.Randomize(display::Env().Timer());
    apparatus_.SlitCount = 2;
    hsbN->SetMin(100);
    hsbN->SetMax(10000);
    hsbN->SetSmallChange(10);
    hsbN->SetLargeChange(100);
    Running = false;
    SetTitle();
    model::SetDefaults(apparatus_, dspCommon::Pi);
    PhotonCount = 100;
    lblMSG->SetCaption(QStringLiteral("フォトンの個数を指定して，ここをクリックしてください。"));
    txtN->setText(dspCommon::NumToStr(PhotonCount));
    txtN->SetSelStart(int(txtN->text().size()));
    txtN->setFocus(Qt::OtherFocusReason);
    show();
}

} // namespace fenwa::ui
