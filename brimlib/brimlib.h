// Umbrella header of the sibling-library stand-in: exceptions, shared pointer, files, text.
#pragma once

#include "brimlib/qzTypes.h"
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzException.h"
#include "brimlib/qzStringConv.h"
#include "brimlib/qzFileSystem.h"
#include "brimlib/qzFileStreams.h"
#include "brimlib/qzResource.h"
#include "brimlib/qzTVector.h"
