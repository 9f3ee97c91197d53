// Reader of units, points and the other cadcam values of the binary format.
#pragma once

#include "brimlib/qzMeasurable.h"
#include "foundation/qzBasicTypes.h"
#include "geometry/qzTPoint.h"

namespace cadcam
{
/// Reads the values that the parameter, tool and posted-move records share: units (a 4-byte
/// int, 2 with shrink data), 3D points (three doubles) and enumerations by the stored version
/// (a 4-byte int below version 18, one sign-extended byte from 18 on).
///
/// Holds the stored version and the default units that readers of records older than their
/// units field fall back on.
class TESSAFORM_API qzBICadcamTypes : public misc::qzBIBasicTypes
{
public:
    /// The stream, the stored version, the shrink-data, unicode and 64-bit-binary flags, and the
    /// default units.
    qzBICadcamTypes(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData, bool isUnicode,
                    bool is64bBin, measures::qzUnitsFactory::Units defaultUnits = measures::qzUnitsFactory::METRIC);
    ~qzBICadcamTypes() override;

    using misc::qzBIBasicTypes::operator>>;
    virtual misc::qzBinInputStream& operator>>(measures::qzUnitsFactory::Units& units);
    virtual misc::qzBinInputStream& operator>>(qzTPoint3d<double>& point);

    /// An enumeration value by the stored version's rule.
    int ReadEnum();

    unsigned int GetVersion() const { return m_version; }
    measures::qzUnitsFactory::Units GetDefaultUnits() const { return m_defaultUnits; }
    void SetDefaultUnits(measures::qzUnitsFactory::Units units) { m_defaultUnits = units; }

    /// First stored version whose enumerations take one byte.
    static constexpr unsigned int kOneByteEnumVersion = 18;

private:
    unsigned int m_version;
    measures::qzUnitsFactory::Units m_defaultUnits;
};

/// The second generation of the cadcam reader: moves of the layout used up to version 6.
class TESSAFORM_API qzBICadcamTypes1 : public qzBICadcamTypes
{
public:
    using qzBICadcamTypes::qzBICadcamTypes;
    ~qzBICadcamTypes1() override;
    using qzBICadcamTypes::operator>>;
};

/// The newest generation of the cadcam reader: points, moves, toolpaths, enriched tools and
/// enriched posted moves of every stored version.
class TESSAFORM_API qzBICadcamTypes2 : public qzBICadcamTypes1
{
public:
    using qzBICadcamTypes1::qzBICadcamTypes1;
    ~qzBICadcamTypes2() override;
    using qzBICadcamTypes1::operator>>;
};

/// An enumeration value of `in` by the rule of stored `version`: a 4-byte int (2 with shrink
/// data) below 18, one byte sign-extended (128..255 become -128..-1) from 18 on.
TESSAFORM_API int ReadVersionedEnum(misc::qzBIBasicTypes& in, unsigned int version);
} // namespace cadcam
