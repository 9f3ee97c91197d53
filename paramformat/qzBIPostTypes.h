// Reader of the machine-side records: posted moves, their pooled lists, posted toolpaths with
// their alignment matrix, machine definitions, their builder and the machine extra parameters.
#pragma once

#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzMXPParam.h"
#include "brimlib/qzMachDef.h"
#include "brimlib/qzMachDefBuilder.h"
#include "brimlib/qzPostedMove.h"
#include "geometry/qzMatrix.h"
#include "paramformat/qzBICadcamTypes.h"
#include "paramformat/qzBILostData.h"
#include "toolpath/qzMemoryPoolList.h"

#include <vector>

namespace post
{
/// Reads machine-side records of a stored version. Its enumerations are 4-byte ints (2 with
/// shrink data) whatever the stored version.
///
/// A posted move is: absolute machine position, part position, orientation (P3 each); its
/// rotary values (none, one, two or three F64) and, for 5 and 6 axes, the angle state (I32,
/// 0 to 2, else qzcadcamException 2637); feed rate F64; rapid U8; from version 191 the
/// reduced-record flag U8; the move type (I32, 0 to 6, else qzcadcamException 2708) from 210,
/// and from 83 unless reduced; the time F64 from 41 (0 below). A reduced record ends there.
/// Then from 92 a flag U8 and, when set, the surface contact point and orientation (P3) and
/// surface identifier (SIZE); from 103 the reference to the original toolpath (SIZE) and the
/// added-on-post flag (U8), 0 and false below.
///
/// A list of posted moves is a count (SIZE), the move kind (0 to 3 for 3 to 6 axes; from
/// version 119 only, else qzcadcamException 2027) and the moves. A posted toolpath is the same
/// with the kinds 0, 1, 2 and any other for six axes, followed by the alignment matrix: from
/// version 181 a string, and 16 F64 (4 rows) when it is "VALIDE".
///
/// Lost-data entries (the machine definition's parallel-axis repair) go to the list given at
/// construction, or to a list of the reader's own (`GetLostData`).
class TESSAFORM_API qzBIPostTypes
{
public:
    /// The stream, the stored version, the shrink-data, unicode and 64-bit-binary flags, the
    /// caller's lost-data list and the default units.
    qzBIPostTypes(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData, bool isUnicode,
                  bool is64bBin, std::vector<misc::qzBILostData>& lostData,
                  measures::qzUnitsFactory::Units defaultUnits = measures::qzUnitsFactory::METRIC);
    /// The same, collecting lost-data entries in a list of its own.
    qzBIPostTypes(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData, bool isUnicode,
                  bool is64bBin, measures::qzUnitsFactory::Units defaultUnits = measures::qzUnitsFactory::METRIC);
    /// A second reader on the same stream, version and flags; it shares the caller's lost-data
    /// list, or copies the entries of the reader's own.
    qzBIPostTypes(const qzBIPostTypes& other);
    qzBIPostTypes& operator=(const qzBIPostTypes&) = delete;
    virtual ~qzBIPostTypes();

    /// A machine definition of the stored version, in a new object of the variant its number of
    /// axes names (values missing from older versions take their presets).
    virtual misc::qzBinInputStream& operator>>(misc::qzAutoPointer<qzMachDef>& machDef);

    /// The record of a posted move of each kind.
    ///@{
    virtual misc::qzBinInputStream& operator>>(qzPosted3axMove& move);
    virtual misc::qzBinInputStream& operator>>(qzPosted4axMove& move);
    virtual misc::qzBinInputStream& operator>>(qzPosted5axMove& move);
    virtual misc::qzBinInputStream& operator>>(qzPosted6axMove& move);
    ///@}

    /// Appends the stored moves to the list. qzcadcamException 2027 below version 119 or for a
    /// list of another kind, qzPostException 5047 when the list has no pool.
    ///@{
    virtual misc::qzBinInputStream& operator>>(misc::qzMemoryPoolList<qzPosted3axMove>& moves);
    virtual misc::qzBinInputStream& operator>>(misc::qzMemoryPoolList<qzPosted4axMove>& moves);
    virtual misc::qzBinInputStream& operator>>(misc::qzMemoryPoolList<qzPosted5axMove>& moves);
    virtual misc::qzBinInputStream& operator>>(misc::qzMemoryPoolList<qzPosted6axMove>& moves);
    ///@}

    /// Appends the stored moves to the toolpath and replaces its alignment matrix.
    virtual misc::qzBinInputStream& operator>>(qzPostedTP& toolpath);
    /// The alignment matrix, or null when the version or the marker says there is none.
    virtual misc::qzBinInputStream& operator>>(misc::qzAutoPointer<qzPostedTP::Matrix>& matrix);

    /// A machine definition, the axis name (STR) and, from version 144, the factory kind (2
    /// below).
    virtual misc::qzBinInputStream& operator>>(qzMachDefBuilder& builder);
    /// A new object holding the stored extra parameters (fields listed with qzBOPostTypes).
    /// Units are a metric flag below version 25 (the byte 1 metric, any other inches). Older
    /// versions lack fields: below 16 the pole tolerance (0.57) and the machine limits (0);
    /// from 16 to 184 the limits are a flag (set: all limits, 3); below 55 the limits
    /// tolerance (0.0001), start-angle type, solution and preferred angle (0); below 100 the
    /// rapid-move interpolation (false); the pole handling is a flag pair from 162 to 164 (either
    /// set: 2), one flag from 156 to 161 (set: 1), and 0 below 156; below 181 the toolpath
    /// alignment (false); below 220 the interpolation (0) and the retract at maximum (false).
    virtual misc::qzBinInputStream& operator>>(misc::qzAutoPointer<qzMXPParam>& param);

    /// The stored version the data are read as.
    unsigned int GetVersion() const { return m_cadcam.GetVersion(); }
    /// The entries appended so far, to the caller's list or the reader's own.
    const std::vector<misc::qzBILostData>& GetLostData() const { return *m_lostData; }
    /// The stream read from.
    misc::qzBinInputStream& GetStream() const { return m_stream; }

protected:
    /// A 4-byte enumeration (2 bytes with shrink data).
    int ReadEnum32();

    misc::qzBinInputStream& m_stream;              ///< The stream read from (borrowed).
    cadcam::qzBICadcamTypes m_cadcam;              ///< Points, units; the basic-type reader too.
    std::vector<misc::qzBILostData> m_ownLostData; ///< The entries when no list was given.
    std::vector<misc::qzBILostData>* m_lostData;   ///< Where entries are appended.

private:
    template <class M> void ReadMove(M& move);
    template <class M> void ReadList(misc::qzMemoryPoolList<M>& moves, int kind);
};
} // namespace post
