// Umbrella header of the binary parameter format.
#pragma once

#include "paramformat/qzBI2dGeometry.h"
#include "paramformat/qzBI5axParams.h"
#include "paramformat/qzBI5axParams1.h"
#include "paramformat/qzBI5axParams2.h"
#include "paramformat/qzBI5axParams3.h"
#include "paramformat/qzBICadcamTypes.h"
#include "paramformat/qzBILostData.h"
#include "paramformat/qzBIPostTypes.h"
#include "paramformat/qzBITools.h"
#include "paramformat/qzBO2dGeometry.h"
#include "paramformat/qzBOCadcamTypes.h"
#include "paramformat/qzBOPostTypes.h"
#include "paramformat/qzBOTools.h"
#include "paramformat/qzBO5axParams.h"
#include "paramformat/qzLostParamsOV20.h"
