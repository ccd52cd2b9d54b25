// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/main/RefusalSign.h"

#include "display/controls/Label.h"

namespace fenwa::ui {

namespace {
// Dark red, as the prompt is dark blue: 5.7 : 1 on the window's grey.
constexpr display::BgrColor SignColour = display::RGB(192, 0, 0);
} // namespace

RefusalSign::RefusalSign(display::Label& prompt, QObject* parent)
    : QObject(parent), prompt_(prompt) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RefusalSign::Clear);
}

void RefusalSign::Show(const QString& why) {
    if (!showing_) {
        hidden_ = prompt_.Caption();
        hiddenColour_ = prompt_.ForeColor();
    }
    showing_ = true;
    prompt_.SetForeColor(SignColour);
    prompt_.SetCaption(why);
    timer_.start(ShownFor);
}

void RefusalSign::Clear() {
    if (!showing_) return;
    showing_ = false;
    timer_.stop();
    prompt_.SetForeColor(hiddenColour_);
    prompt_.SetCaption(hidden_);
}

int RefusalSign::Remaining() const { return showing_ ? timer_.remainingTime() : 0; }

} // namespace fenwa::ui
