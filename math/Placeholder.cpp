#include "math/Pos2f.h"
