#include "ui/main/frmFenwa.h" // the help window must not depend on the main window
