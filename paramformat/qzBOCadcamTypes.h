// Writer of units and points.
#pragma once

#include "brimlib/qzMeasurable.h"
#include "foundation/qzBasicTypes.h"
#include "geometry/qzTPoint.h"

namespace cadcam
{
/// Writes units (as a 4-byte int, 2 with shrink data) and 3D points (three doubles).
class TESSAFORM_API qzBOCadcamTypes : public misc::qzBOBasicTypes
{
public:
    qzBOCadcamTypes(misc::qzBinOutputStream& stream, bool shrinkData);

    using misc::qzBOBasicTypes::operator<<;
    misc::qzBinOutputStream& operator<<(const measures::qzUnitsFactory::Units& units);
    misc::qzBinOutputStream& operator<<(const qzTPoint3d<double>& point);
};
} // namespace cadcam
