#include "brimlib/qzMXPParam.h"

namespace post
{
qzMXPParam::qzMXPParam(measures::qzUnitsFactory::Units units) : measures::qzMeasurable(units) {}
} // namespace post
