#include "paramformat/qzBOCadcamTypes.h"

#include "brimlib/qzException.h"
#include "paramformat/qzBOTools.h"
#include "paramformat/qzMoveLayout.h"
#include "toolpath/qzEnrichedPostedMove.h"
#include "toolpath/qzToolPath.h"

namespace cadcam
{
namespace
{
// Writes a move's kind code and record, by the move's kind.
class MoveWriter : public qzCNCMoveVisitor
{
public:
    explicit MoveWriter(qzBOCadcamTypes& out) : m_out(out) {}

    void Visit(const qz5axMove& move) override
    {
        m_out << static_cast<unsigned char>(1);
        m_out << move;
    }
    void Visit(const qz3axMove& move) override
    {
        m_out << static_cast<unsigned char>(2);
        m_out << move;
    }
    // A bare move has no kind a reader could rebuild.
    void Visit(const qzCNCMove&) override { throw qzcadcamException(qzcadcamException::UNKNOWN_MOVE_TYPE); }

private:
    qzBOCadcamTypes& m_out;
};
} // namespace

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

template <class M> misc::qzBinOutputStream& qzBOCadcamTypes::WriteMove(const M& move)
{
    paramformat::BinSink out(*this);
    paramformat::FieldWriter<M> writer(out, move);
    paramformat::DescribeMove(writer, &move);
    return GetStream();
}

misc::qzBinOutputStream& qzBOCadcamTypes::operator<<(const misc::qzAutoPointer<qzCNCMove>& move)
{
    MoveWriter writer(*this);
    move->AcceptVisitor(writer);
    return GetStream();
}

misc::qzBinOutputStream& qzBOCadcamTypes::operator<<(const qzCNCMove& move)
{
    return WriteMove(move);
}

misc::qzBinOutputStream& qzBOCadcamTypes::operator<<(const qz3axMove& move)
{
    return WriteMove(move);
}

misc::qzBinOutputStream& qzBOCadcamTypes::operator<<(const qz5axMove& move)
{
    return WriteMove(move);
}

misc::qzBinOutputStream& qzBOCadcamTypes::operator<<(const qzToolPath& toolpath)
{
    *this << toolpath.GetUnits();
    *this << misc::qzStreamableSize_t(toolpath.GetMovesCount());
    for (auto position = toolpath.GetMovesBegin(); position != toolpath.GetMovesEnd(); ++position)
        *this << *position;
    return GetStream();
}

misc::qzBinOutputStream& qzBOCadcamTypes::operator<<(const qzEnrichedPostedMove& move)
{
    paramformat::BinSink out(*this);
    out.UInt(move.GetNrOfAxes());
    for (auto value = move.GetAxesBegin(); value != move.GetAxesEnd(); ++value)
        out.Float(*value);
    out.Str(move.GetAxesComment());
    out.Bool(move.IsRapid());
    out.Float(move.GetFeedrate());
    out.Float(move.GetSpindleSpeed());
    out.Float(move.GetTime());
    out.Enum(move.GetMoveType());
    return GetStream();
}

misc::qzBinOutputStream& qzBOCadcamTypes::operator<<(const qzEnrichedPostedTP& toolpath)
{
    *this << misc::qzStreamableSize_t(toolpath.GetSize());
    for (auto position = toolpath.GetMovesBegin(); position != toolpath.GetMovesEnd(); ++position)
        *this << *position;
    return GetStream();
}

misc::qzBinOutputStream& qzBOCadcamTypes::operator<<(const qzEnrichedTool& tool)
{
    return qzBOTools(GetStream(), GetShrinkData()) << tool;
}
} // namespace cadcam
