#include "frmFenwa.h"

namespace fenwa::ui {

void frmFenwa::Form_Paint() {}

} // namespace fenwa::ui
