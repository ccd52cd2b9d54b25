#include "display/Rounding.h" // the physics must not depend on the windows
