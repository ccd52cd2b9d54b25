#pragma once

#include <QString>

namespace fenwa::display {

// A number as text the way counts are shown: a blank in place of the sign of
// a number that is not negative, "." as the point whatever the locale, up to
// 15 significant digits, no leading zero before the point (0.5 gives " .5").
QString Str(double value);

} // namespace fenwa::display
