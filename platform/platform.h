// Umbrella header of the operating-system shim.
#pragma once

#include "platform/qzPlatform.h"
