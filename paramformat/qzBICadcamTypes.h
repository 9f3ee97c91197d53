// Reader of units, points and the other cadcam values of the binary format.
#pragma once

#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzCNCMove.h"
#include "brimlib/qzMeasurable.h"
#include "foundation/qzBasicTypes.h"
#include "geometry/qzTPoint.h"

class qzEnrichedPostedMove;

namespace cadcam
{
class qzEnrichedTool;
class qzEnrichedPostedTP;
class qzToolPath;

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
    /// Units as stored: an int (2 bytes with shrink data), taken unchecked.
    virtual misc::qzBinInputStream& operator>>(measures::qzUnitsFactory::Units& units);
    /// A 3D point: x, y and z as doubles.
    virtual misc::qzBinInputStream& operator>>(qzTPoint3d<double>& point);

    /// An enumeration value by the stored version's rule.
    int ReadEnum();

    /// The stored version the data are read as.
    unsigned int GetVersion() const { return m_version; }
    /// The units that readers of records stored before their units field fall back on.
    ///@{
    measures::qzUnitsFactory::Units GetDefaultUnits() const { return m_defaultUnits; }
    void SetDefaultUnits(measures::qzUnitsFactory::Units units) { m_defaultUnits = units; }
    ///@}

    /// First stored version whose enumerations take one byte.
    static constexpr unsigned int kOneByteEnumVersion = 18;

private:
    unsigned int m_version;
    measures::qzUnitsFactory::Units m_defaultUnits;
};

/// The first generation of the move readers: moves of stored versions 3 to 6.
///
/// A move of these versions is its kind (I32: 1 five-axis, 2 three-axis; any other value
/// raises qzcadcamException 2637), then the position and the orientation (P3 each), the feed
/// rate (F64), the rapid flag (U8), an I32 that is read and dropped, and the collision state
/// (I32). Three- and five-axis moves share this record; no surface contact is stored.
class TESSAFORM_API qzBICadcamTypes1 : public qzBICadcamTypes
{
public:
    using qzBICadcamTypes::qzBICadcamTypes;
    ~qzBICadcamTypes1() override;
    using qzBICadcamTypes::operator>>;

    /// A move of the stored kind (its kind code, then its record).
    virtual misc::qzBinInputStream& operator>>(misc::qzAutoPointer<qzCNCMove>& move);
    /// The record of a move whose kind is known.
    ///@{
    virtual misc::qzBinInputStream& operator>>(qzCNCMove& move);
    virtual misc::qzBinInputStream& operator>>(qz3axMove& move);
    virtual misc::qzBinInputStream& operator>>(qz5axMove& move);
    ///@}

protected:
    /// Whether the value readers are this library's own (not overridden by a derived reader).
    bool HasStockValueReaders() const;
};

/// The newest generation of the cadcam reader: moves of every stored version, toolpaths and
/// enriched posted moves and toolpaths.
///
/// From version 7 a move is its kind (an enumeration: 1 five-axis, 2 three-axis, else
/// qzcadcamException 2637) and its record. The base record is the position (P3), feed rate
/// (F64), rapid flag (U8), below version 80 an I32 read and dropped, the collision state (an
/// enumeration), the orientation (P3) and, from 175, the parameterization against the original
/// path (F64). A three-axis move is the base record; a five-axis move adds a flag and, when it
/// is set, the surface contact point and its orientation (P3) and, from 91, the surface
/// identifier (SIZE).
///
/// A toolpath is its units, a move count (SIZE) and the moves; an enriched posted toolpath a
/// count (SIZE) and its enriched moves. An enriched posted move is its axis count (U32; above
/// 65535 raises qzcadcamException 2052 before any value is read), the axis values (F32 from
/// version 133, F64 narrowed to float below), the comment (STR), the rapid flag (U8), feed
/// rate, spindle speed and time (F32 each) and, from 204, the move type (an enumeration; 8
/// below).
class TESSAFORM_API qzBICadcamTypes2 : public qzBICadcamTypes1
{
public:
    using qzBICadcamTypes1::qzBICadcamTypes1;
    ~qzBICadcamTypes2() override;
    using qzBICadcamTypes1::operator>>;

    /// The record of a move whose kind is known, in the stored version's layout (the first
    /// generation's up to version 6).
    ///@{
    misc::qzBinInputStream& operator>>(qzCNCMove& move) override;
    misc::qzBinInputStream& operator>>(qz3axMove& move) override;
    misc::qzBinInputStream& operator>>(qz5axMove& move) override;
    ///@}

    /// Sets the stored units and appends the stored moves.
    virtual misc::qzBinInputStream& operator>>(qzToolPath& toolpath);
    /// Replaces `move` with the stored one; more than 65535 axes raise qzcadcamException 2052.
    virtual misc::qzBinInputStream& operator>>(qzEnrichedPostedMove& move);
    /// Appends the stored moves.
    virtual misc::qzBinInputStream& operator>>(qzEnrichedPostedTP& toolpath);
    /// An enriched tool of the tool library (read by qzBITools with this reader's version,
    /// flags and default units).
    virtual misc::qzBinInputStream& operator>>(qzEnrichedTool& tool);

private:
    template <class M> misc::qzBinInputStream& ReadMove(M& move);
};

/// An enumeration value of `in` by the rule of stored `version`: a 4-byte int (2 with shrink
/// data) below 18, one byte sign-extended (128..255 become -128..-1) from 18 on.
TESSAFORM_API int ReadVersionedEnum(misc::qzBIBasicTypes& in, unsigned int version);
} // namespace cadcam
