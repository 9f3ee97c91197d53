// tessaform: the whole public interface.
#pragma once

#include "brimlib/brimlib.h"
#include "foundation/foundation.h"
#include "geometry/geometry.h"
#include "locale/locale.h"
