#include "ui/main/frmFenwa.h" // the run must not depend on the windows
