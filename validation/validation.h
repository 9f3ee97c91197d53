// Umbrella header of parameter validation.
#pragma once

#include "validation/qzCCWith2DegOptionsList.h"
#include "validation/qz5axGeoDependChecker.h"
