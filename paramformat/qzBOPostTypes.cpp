#include "paramformat/qzBOPostTypes.h"

#include "brimlib/qzException.h"
#include "brimlib/qzPostedVisitor.h"
#include "paramformat/qzMoveLayout.h"

namespace post
{
namespace
{
template <class Variant> const Variant& VariantOf(const qzMachDef& machDef)
{
    const auto* variant = dynamic_cast<const Variant*>(&machDef);
    if (!variant)
        throw misc::qzException(0, "Machine definition does not match its number of axes");
    return *variant;
}
} // namespace

qzBOPostTypes::qzBOPostTypes(misc::qzBinOutputStream& stream, bool shrinkData)
    : m_stream(stream), m_cadcam(stream, shrinkData)
{
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const qzMachDef& machDef)
{
    cadcam::qzBOCadcamTypes& out = m_cadcam;
    const qzMachDef::NumbersOfAxes axes = machDef.GetNumberOfAxes();
    out << machDef.GetUnits();
    out << static_cast<int>(axes);
    switch (axes)
    {
    case qzMachDef::THREE_AXES:
        out << machDef.GetSpindleDir();
        break;
    case qzMachDef::FOUR_AXES:
    {
        const auto& m = VariantOf<qz4axMachDef>(machDef);
        out << static_cast<int>(m.GetMachType());
        out << m.GetSpindleDir();
        out << m.GetRotAxisDir();
        out << m.GetRotAxisBasePt();
        out << m.GetRotAxisMinLimit();
        out << m.GetRotAxisMaxLimit();
        break;
    }
    case qzMachDef::FIVE_AXES:
    {
        const auto& m = VariantOf<qz5axMachDef>(machDef);
        out << static_cast<int>(m.GetMachType());
        out << m.GetSpindleDir();
        out << m.GetRotAxisDir0();
        out << m.GetRotAxisDir1();
        out << m.GetRotAxisBasePt0();
        out << m.GetRotAxisBasePt1();
        out << m.GetRotAxisMinLimit0();
        out << m.GetRotAxisMinLimit1();
        out << m.GetRotAxisMaxLimit0();
        out << m.GetRotAxisMaxLimit1();
        break;
    }
    default:
    {
        const auto& m = VariantOf<qz6axMachDef>(machDef);
        out << static_cast<int>(m.GetMachType());
        out << m.GetSpindleDir();
        out << m.GetRotAxisDir0();
        out << m.GetRotAxisDir1();
        out << m.GetRotAxisDir2();
        out << m.GetRotAxisBasePt0();
        out << m.GetRotAxisBasePt1();
        out << m.GetRotAxisBasePt2();
        out << m.GetRotAxisMinLimit0();
        out << m.GetRotAxisMinLimit1();
        out << m.GetRotAxisMaxLimit0();
        out << m.GetRotAxisMaxLimit1();
        out << m.GetThirdAngle();
        out << static_cast<int>(m.GetFirstAxisType());
        out << static_cast<int>(m.GetSecondAxisType());
        out << static_cast<int>(m.GetThirdAxisType());
        break;
    }
    }
    out << machDef.GetTransAxisMinLimit();
    out << machDef.GetTransAxisMaxLimit();
    out << machDef.GetTranslationX();
    out << machDef.GetTranslationY();
    out << machDef.GetTranslationZ();
    return m_stream;
}

template <class M> QZ_FLATTEN void qzBOPostTypes::WriteMove(const M& move)
{
    paramformat::BinSink out(m_cadcam);
    paramformat::FieldWriter<M> writer(out, move);
    paramformat::DescribePostedMove(writer);
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const qzPosted3axMove& move)
{
    WriteMove(move);
    return m_stream;
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const qzPosted4axMove& move)
{
    WriteMove(move);
    return m_stream;
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const qzPosted5axMove& move)
{
    WriteMove(move);
    return m_stream;
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const qzPosted6axMove& move)
{
    WriteMove(move);
    return m_stream;
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const qzPostedMove& move)
{
    qzPostedVisitorBinOutput visitor(*this);
    move.AcceptVisitor(visitor);
    return m_stream;
}

template <class M> QZ_FLATTEN void qzBOPostTypes::WriteList(const misc::qzMemoryPoolList<M>& moves, int kind)
{
    m_cadcam << misc::qzStreamableSize_t(moves.size());
    m_cadcam << kind;
    paramformat::BinSink out(m_cadcam);
    for (const M& move : moves)
    {
        paramformat::FieldWriter<M> writer(out, move);
        paramformat::DescribePostedMove(writer);
    }
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const misc::qzMemoryPoolList<qzPosted3axMove>& moves)
{
    WriteList(moves, qzPostedVisitorMoveType::THREE_AXES);
    return m_stream;
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const misc::qzMemoryPoolList<qzPosted4axMove>& moves)
{
    WriteList(moves, qzPostedVisitorMoveType::FOUR_AXES);
    return m_stream;
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const misc::qzMemoryPoolList<qzPosted5axMove>& moves)
{
    WriteList(moves, qzPostedVisitorMoveType::FIVE_AXES);
    return m_stream;
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const misc::qzMemoryPoolList<qzPosted6axMove>& moves)
{
    WriteList(moves, qzPostedVisitorMoveType::SIX_AXES);
    return m_stream;
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const qzPostedTP& toolpath)
{
    // One kind for the whole toolpath: the reader builds every move from it. Checked before
    // anything is written.
    const qzPostedTP::MoveList& moves = toolpath.GetMoves();
    int kind = qzPostedVisitorMoveType::THREE_AXES;
    for (auto position = moves.begin(); position != moves.end(); ++position)
    {
        const int own = qzPostedVisitorMoveType::Of(**position);
        if (position == moves.begin())
            kind = own;
        else if (own != kind)
            throw misc::qzException(0, "Posted toolpath mixes move kinds");
    }
    m_cadcam << misc::qzStreamableSize_t(moves.size());
    m_cadcam << kind;
    for (const auto& move : moves)
        *this << *move;
    return *this << toolpath.GetAlignMatrix();
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const misc::qzAutoPointer<qzPostedTP::Matrix>& matrix)
{
    if (!matrix)
        return m_cadcam << std::string();
    m_cadcam << std::string("VALIDE");
    const qzPostedTP::Matrix& values = *matrix;
    for (unsigned row = 0; row < 4; ++row)
        for (unsigned column = 0; column < 4; ++column)
            m_cadcam << values[row][column];
    return m_stream;
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const qzMachDefBuilder& builder)
{
    *this << *builder.GetMachDef();
    m_cadcam << builder.GetAxisName();
    return m_cadcam << static_cast<int>(builder.GetMachDefFactory());
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const qzMXPParam& param)
{
    m_cadcam << param.GetUnits();
    paramformat::BinSink out(m_cadcam);
    paramformat::FieldWriter<qzMXPParam> writer(out, param);
    paramformat::DescribeMXPParam(writer);
    return m_stream;
}
} // namespace post
