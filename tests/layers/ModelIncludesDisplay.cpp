// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/numbers/Rounding.h" // the physics must not depend on the windows
