// Writer of units, points, moves, toolpaths and enriched posted moves.
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

/// Writes units (as a 4-byte int, 2 with shrink data), 3D points (three doubles), and moves,
/// toolpaths and enriched posted moves in the layout of stored version 226 (described with
/// qzBICadcamTypes2). Enumerations are one byte.
class TESSAFORM_API qzBOCadcamTypes : public misc::qzBOBasicTypes
{
public:
    /// Writes to `stream` (not owned; it must outlive the writer), shrunk or full width.
    qzBOCadcamTypes(misc::qzBinOutputStream& stream, bool shrinkData);

    using misc::qzBOBasicTypes::operator<<;
    /// Units as an int (2 bytes with shrink data).
    misc::qzBinOutputStream& operator<<(const measures::qzUnitsFactory::Units& units);
    /// A 3D point: x, y and z as doubles.
    misc::qzBinOutputStream& operator<<(const qzTPoint3d<double>& point);

    /// The move's kind code and record; qzcadcamException 2637 for a move that is neither a
    /// three- nor a five-axis move, "Accessing NULL pointer" for a null move.
    misc::qzBinOutputStream& operator<<(const misc::qzAutoPointer<qzCNCMove>& move);
    /// The base record alone.
    misc::qzBinOutputStream& operator<<(const qzCNCMove& move);
    /// The record of a move whose kind is known, without its kind code.
    ///@{
    misc::qzBinOutputStream& operator<<(const qz3axMove& move);
    misc::qzBinOutputStream& operator<<(const qz5axMove& move);
    ///@}

    /// Units, move count and every move, in iteration order.
    misc::qzBinOutputStream& operator<<(const qzToolPath& toolpath);
    /// Axis count, axis values, comment, rapid flag, feed rate, spindle speed, time, move type.
    misc::qzBinOutputStream& operator<<(const qzEnrichedPostedMove& move);
    /// Move count and every enriched move, in order.
    misc::qzBinOutputStream& operator<<(const qzEnrichedPostedTP& toolpath);
    /// An enriched tool of the tool library (written by qzBOTools).
    misc::qzBinOutputStream& operator<<(const qzEnrichedTool& tool);

private:
    template <class M> misc::qzBinOutputStream& WriteMove(const M& move);
};
} // namespace cadcam
