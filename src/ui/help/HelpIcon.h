#pragma once

#include <QIcon>

namespace fenwa::ui {

// The help window's icon: photon dots gathering into interference stripes on
// a dark screen, in a 32 x 32 and a 16 x 16 picture of 16 colours.
QIcon HelpIcon();

} // namespace fenwa::ui
