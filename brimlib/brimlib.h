// Umbrella header of the sibling-library stand-in: exceptions, shared pointer, files, text,
// vectors, units, the parameter model and machine definitions.
#pragma once

#include "brimlib/qzTypes.h"
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzException.h"
#include "brimlib/qzStringConv.h"
#include "brimlib/qzFileSystem.h"
#include "brimlib/qzFileStreams.h"
#include "brimlib/qzResource.h"
#include "brimlib/qzTVector.h"
#include "brimlib/qzMeasurable.h"
#include "brimlib/qzPercentOrValueParameter.h"
#include "brimlib/qzLinkParams.h"
#include "brimlib/qzCollCtrlParams.h"
#include "brimlib/qzRoughingParams.h"
#include "brimlib/qzTpCalcMethodsParams.h"
#include "brimlib/qzAreaParams.h"
#include "brimlib/qzMachDef.h"
#include "brimlib/qz5axParams.h"
#include "brimlib/qz5axParamsValidator.h"
#include "brimlib/qzCNCMove.h"
#include "brimlib/qzPostedMove.h"
