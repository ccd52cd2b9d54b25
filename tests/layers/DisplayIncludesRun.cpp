// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "run/RunRecord.h" // the drawing layer must not depend on the run
