#include "Apparatus.h"

namespace fenwa::model {

void SetDefaults(Apparatus& apparatus, double pi) {
    apparatus.ScreenDist = 5.0;
    apparatus.SlitSize = 0.0005;
    apparatus.WaveLen = 6.33e-7;
    // Two single-slit zeros (or two fringe spacings) each side of the centre.
    apparatus.YMax = 6.33e-6 / 0.0005;
    apparatus.Pi = pi;
    apparatus.TwoPi = pi + pi;
}

} // namespace fenwa::model
