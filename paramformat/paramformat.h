// Umbrella header of the binary parameter format.
#pragma once

#include "paramformat/qzBICadcamTypes.h"
#include "paramformat/qzBILostData.h"
#include "paramformat/qzBIPostTypes.h"
#include "paramformat/qzBOCadcamTypes.h"
#include "paramformat/qzBOPostTypes.h"
#include "paramformat/qzBO5axParams.h"
