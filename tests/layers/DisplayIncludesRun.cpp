#include "run/RunRecord.h" // the drawing layer must not depend on the run
