#include "paramformat/qzBOCadcamTypes.h"

namespace cadcam
{
qzBOCadcamTypes::qzBOCadcamTypes(misc::qzBinOutputStream& stream, bool shrinkData)
    : misc::qzBOBasicTypes(stream, shrinkData)
{
}

misc::qzBinOutputStream& qzBOCadcamTypes::operator<<(const measures::qzUnitsFactory::Units& units)
{
    return *this << static_cast<int>(units);
}

misc::qzBinOutputStream& qzBOCadcamTypes::operator<<(const qzTPoint3d<double>& point)
{
    *this << point.x();
    *this << point.y();
    return *this << point.z();
}
} // namespace cadcam
