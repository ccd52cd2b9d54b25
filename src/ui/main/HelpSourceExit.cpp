#include "display/Environment.h"
#include "frmFenwa.h"

namespace fenwa::ui {

void frmFenwa::cmdHelp_Click() {}

void frmFenwa::GetSrc_Click() {}

void frmFenwa::cmdEnd_Click() { display::Env().End(); }

} // namespace fenwa::ui
