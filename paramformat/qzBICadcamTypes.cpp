#include "paramformat/qzBICadcamTypes.h"

namespace cadcam
{
qzBICadcamTypes::qzBICadcamTypes(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData,
                                 bool isUnicode, bool is64bBin, measures::qzUnitsFactory::Units defaultUnits)
    : misc::qzBIBasicTypes(stream, shrinkData, isUnicode, is64bBin), m_version(version), m_defaultUnits(defaultUnits)
{
}

qzBICadcamTypes::~qzBICadcamTypes() = default;
qzBICadcamTypes1::~qzBICadcamTypes1() = default;
qzBICadcamTypes2::~qzBICadcamTypes2() = default;

misc::qzBinInputStream& qzBICadcamTypes::operator>>(measures::qzUnitsFactory::Units& units)
{
    int value;
    *this >> value;
    units = static_cast<measures::qzUnitsFactory::Units>(value);
    return GetStream();
}

misc::qzBinInputStream& qzBICadcamTypes::operator>>(qzTPoint3d<double>& point)
{
    double xyz[3];
    *this >> xyz[0];
    *this >> xyz[1];
    *this >> xyz[2];
    point = xyz;
    return GetStream();
}

int qzBICadcamTypes::ReadEnum()
{
    return ReadVersionedEnum(*this, m_version);
}

int ReadVersionedEnum(misc::qzBIBasicTypes& in, unsigned int version)
{
    if (version < qzBICadcamTypes::kOneByteEnumVersion)
    {
        int value;
        in >> value;
        return value;
    }
    char byte;
    in >> byte;
    return static_cast<signed char>(byte);
}
} // namespace cadcam
