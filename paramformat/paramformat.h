// Umbrella header of the binary parameter format.
#pragma once

#include "paramformat/qzBOCadcamTypes.h"
#include "paramformat/qzBOPostTypes.h"
#include "paramformat/qzBO5axParams.h"
