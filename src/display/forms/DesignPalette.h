// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QPalette>

namespace fenwa::display {

// The colours the windows were designed in: black text on light grey faces,
// white boxes, and the greys of the frames' rings. A window takes them
// whatever the desktop's own palette is, so that its fixed backgrounds never
// meet a dark theme's light text; its dialogs and menus follow the desktop.
QPalette DesignPalette();

} // namespace fenwa::display
