// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

namespace fenwa::display {
class Environment;
}

namespace fenwa::ui {

// What the download label opens: the source archive on the download site,
// when the build names one (`downloadBase`, ending in /), else the copy of it
// that came with the program.
void OpenSourceArchive(display::Environment& environment, std::string_view downloadBase);

} // namespace fenwa::ui
