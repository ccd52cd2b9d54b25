// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/zoom/Twips.h"
#include "ui/help/frmFenwaHelp.h"
#include "ui/help/frmFenwaHelpDesign.h"

#include <QResizeEvent>
#include <array>

namespace fenwa::ui {

namespace {

struct InstructionLine {
    float x, y; // user scale
    const char16_t* text;
};

// Lines 4 to 6 begin with a half-width space and stand one unit further in.
constexpr std::array<InstructionLine, 8> Lines{{
    {0, -0.4f, u"フォトンの個数を指定する方法は，いくつかあります。"},
    {0, 1, u"[1] テキストボックスの中の数値を書き換える。"},
    {0, 2, u"[2] 水平スクロールバーを使う（マウス操作だけで済みます）。"},
    {1, 3, u" [2A] 左右のボタン Ａ をクリックしてみて下さい。"},
    {1, 4, u" [2B] 左右の Ｂ と書いてある部分をクリックしてみて下さい。"},
    {1, 5, u" [2C] 真中のつまみ Ｃ をマウスで つかんで左右に動かしてみて下さい。"},
    {0, 6, u"[3] キーボードの矢印キー（←，→）を押してみて下さい"},
    {0, 7.5f, u"このうちのどれか気に入った方法を使って，個数を指定します。"},
}};

} // namespace

void frmFenwaHelp::SetPos(float x, float y) {
    surface().SetCurrentX(x);
    surface().SetCurrentY(y);
}

void frmFenwaHelp::Form_Paint() {
    for (const InstructionLine& line : Lines) {
        SetPos(line.x, line.y);
        surface().PrintLine(QString::fromUtf16(line.text));
    }
}

QString frmFenwaHelp::Instructions() {
    QStringList lines;
    for (const InstructionLine& line : Lines)
        lines << QString::fromUtf16(line.text).trimmed();
    return lines.join(u'\n');
}

// The controls keep their places when the window is resized, and so do the
// lines that point at them: the user scale keeps the unit size of the design
// instead of stretching with the window, which would pull the lines away from
// the controls or crowd them over one another.
void frmFenwaHelp::Form_Resize() {
    if (surface().ScaleMode() != display::Surface::User) return; // before load
    const QSize area = surface().Size();
    const double designWidth = display::TwipsToPixels(frmFenwaHelpDesign::ClientWidth);
    const double designHeight = display::TwipsToPixels(frmFenwaHelpDesign::ClientHeight);
    surface().Scale(ScaleX1, ScaleY1, ScaleX1 + (ScaleX2 - ScaleX1) * area.width() / designWidth,
                    ScaleY1 + (ScaleY2 - ScaleY1) * area.height() / designHeight);
}

void frmFenwaHelp::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    Form_Resize();
}

} // namespace fenwa::ui
