// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/CommandButton.h"
#include "display/controls/Label.h"
#include "ui/main/frmFenwa.h"
#include "ui/speech/Narrator.h"

namespace fenwa::ui {

namespace {

// The marking of the selected slit button.
constexpr display::BgrColor Selected = display::RGB(220, 220, 255);

QString WindowCaption(int slitCount) {
    switch (slitCount) {
    case 1: return QStringLiteral("　単スリットによる光の回折");
    case 2: return QStringLiteral("　２重スリットによる光の回折");
    case 3: return QStringLiteral("　３重スリットによる光の回折");
    default: return {};
    }
}

} // namespace

void frmFenwa::cmdSlitNo_Click(std::int16_t index) {
    apparatus_.SlitCount = index;
    if (const QString caption = WindowCaption(index); !caption.isEmpty()) SetCaption(caption);
    surface().Cls();
    SetTitle();
    surface().Refresh();
    narrator_->ApparatusChanged();
}

void frmFenwa::SetTitle() {
    surface().Cls();
    TitleHead = QStringLiteral("《 弱い光によるフェンワの実験 》－－ ");
    TitleTail = QStringLiteral("個のスリットによる回折 ");
    switch (apparatus_.SlitCount) {
    case 1: lblA->SetCaption(TitleHead + QStringLiteral(" 単スリットによる光の回折 ")); break;
    case 2: lblA->SetCaption(TitleHead + QStringLiteral("２") + TitleTail); break;
    case 3: lblA->SetCaption(TitleHead + QStringLiteral("３") + TitleTail); break;
    default: break;
    }
    for (int i = 1; i <= 3; ++i) {
        cmdSlitNo[i]->SetBackColor(i == apparatus_.SlitCount ? Selected : BackColor());
        cmdSlitNo[i]->setChecked(i == apparatus_.SlitCount);
    }
}

} // namespace fenwa::ui
