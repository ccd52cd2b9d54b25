// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>
#include <QImage>

namespace fenwa::ui {

// The help window's icon: photon dots gathering into interference stripes on
// a dark screen, in a 32 x 32 and a 16 x 16 picture of 16 colours.
QIcon HelpIcon();

// The same picture at any size, with a one-pixel silver frame. The
// program's desktop icons are drawn from it as well.
QImage HelpIconPicture(int size);

} // namespace fenwa::ui
