// Writer of the machine-side records: posted moves, their pooled lists, posted toolpaths,
// machine definitions, their builder and the machine extra parameters.
#pragma once

#include "brimlib/qzMXPParam.h"
#include "brimlib/qzMachDef.h"
#include "brimlib/qzMachDefBuilder.h"
#include "brimlib/qzPostedMove.h"
#include "paramformat/qzBOCadcamTypes.h"
#include "toolpath/qzMemoryPoolList.h"

namespace post
{
/// Writes machine-side records in the layout of stored version 226 (see qzBIPostTypes for the
/// posted-move records). Enumerations are 4-byte ints (2 with shrink data).
///
/// A machine definition is: units, number of axes and machine type, spindle direction, the
/// rotary axes of its variant, translation limits and axes. Posted moves are always written
/// as full records (the reduced-record flag is 0). A toolpath without an alignment matrix
/// stores an empty string where the "VALIDE" marker and the matrix would be.
///
/// The machine extra parameters are: units; AngleSelectAutoFrom2Pairs, AngleSelectOtherPair
/// (U8); AngleChangeLimit, InterpolationStep, InterpolationDist (F64); InterpolationDistFlag
/// (U8); RetractDistForLargeAngChange, PoleAngleTolInDeg (F64); MachineLimits (I32);
/// AngleTolInDegForUsingMachLimits (F64); StartAngleType, SolutionForStartAngle (I32);
/// PreferredStartAngleValInDeg (F64); InterpolationRapidMoves (U8); PoleHandling (I32);
/// ToolpathAlignment (U8); Interpolation (I32); RetractToolAtMax (U8).
class TESSAFORM_API qzBOPostTypes
{
public:
    /// Writes to `stream` (not owned; it must outlive the writer), shrunk or full width.
    qzBOPostTypes(misc::qzBinOutputStream& stream, bool shrinkData);

    /// qzException "Machine definition does not match its number of axes" when the object is
    /// not the variant its number of axes names.
    misc::qzBinOutputStream& operator<<(const qzMachDef& machDef);

    /// The record of a posted move of each kind (no kind code).
    ///@{
    misc::qzBinOutputStream& operator<<(const qzPosted3axMove& move);
    misc::qzBinOutputStream& operator<<(const qzPosted4axMove& move);
    misc::qzBinOutputStream& operator<<(const qzPosted5axMove& move);
    misc::qzBinOutputStream& operator<<(const qzPosted6axMove& move);
    ///@}
    /// The record of the move's own kind.
    misc::qzBinOutputStream& operator<<(const qzPostedMove& move);

    /// Count, kind and moves.
    ///@{
    misc::qzBinOutputStream& operator<<(const misc::qzMemoryPoolList<qzPosted3axMove>& moves);
    misc::qzBinOutputStream& operator<<(const misc::qzMemoryPoolList<qzPosted4axMove>& moves);
    misc::qzBinOutputStream& operator<<(const misc::qzMemoryPoolList<qzPosted5axMove>& moves);
    misc::qzBinOutputStream& operator<<(const misc::qzMemoryPoolList<qzPosted6axMove>& moves);
    ///@}

    /// Count, kind, moves and alignment matrix. The kind is that of the first move (0 when
    /// there is none); misc::qzException "Posted toolpath mixes move kinds" when another move
    /// differs, "Accessing NULL pointer" for a null move.
    misc::qzBinOutputStream& operator<<(const qzPostedTP& toolpath);
    /// "VALIDE" and the 16 values row by row, or an empty string for a null matrix.
    misc::qzBinOutputStream& operator<<(const misc::qzAutoPointer<qzPostedTP::Matrix>& matrix);

    /// Machine definition, axis name, factory kind; "Accessing NULL pointer" without a
    /// definition.
    misc::qzBinOutputStream& operator<<(const qzMachDefBuilder& builder);
    /// The machine extra parameters, in the field order listed above.
    misc::qzBinOutputStream& operator<<(const qzMXPParam& param);

    /// The stream written to.
    misc::qzBinOutputStream& GetStream() const { return m_stream; }

private:
    template <class M> void WriteMove(const M& move);
    template <class M> void WriteList(const misc::qzMemoryPoolList<M>& moves, int kind);

    misc::qzBinOutputStream& m_stream;
    cadcam::qzBOCadcamTypes m_cadcam;
};
} // namespace post
