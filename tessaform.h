// tessaform: the whole public interface.
#pragma once

#include "brimlib/brimlib.h"
#include "foundation/foundation.h"
#include "geometry/geometry.h"
#include "validation/validation.h"
#include "paramformat/paramformat.h"
#include "mesh/mesh.h"
#include "toolgeometry/toolgeometry.h"
#include "toolpath/toolpath.h"
#include "locale/locale.h"
