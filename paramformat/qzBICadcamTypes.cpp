#include "paramformat/qzBICadcamTypes.h"

#include "brimlib/qzException.h"
#include "paramformat/qzBITools.h"
#include "paramformat/qzMoveLayout.h"
#include "toolpath/qzEnrichedPostedMove.h"
#include "toolpath/qzToolPath.h"

#include <typeinfo>
#include <vector>

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

// ---------------------------------------------------------------------------------------------
// Moves of versions up to 6

namespace
{
enum MoveKind : int
{
    FIVE_AXIS_MOVE = 1,
    THREE_AXIS_MOVE = 2
};

void ReadFirstGenerationMove(qzBICadcamTypes& in, qzCNCMove& move)
{
    qzTPoint3d<double> position, orientation;
    in >> position;
    in >> orientation;
    double feedRate;
    in >> feedRate;
    bool rapid;
    in >> rapid;
    int dropped;
    in >> dropped;
    const int state = in.ReadEnum();
    move.SetPosition(position);
    move.SetOrientation(orientation);
    move.SetFeedRate(feedRate);
    move.SetRapidMove(rapid);
    move.SetCollisionState(static_cast<qzCNCMove::collState>(state));
}
} // namespace

bool qzBICadcamTypes1::HasStockValueReaders() const
{
    const std::type_info& type = typeid(*this);
    return type == typeid(qzBICadcamTypes1) || type == typeid(qzBICadcamTypes2);
}

misc::qzBinInputStream& qzBICadcamTypes1::operator>>(misc::qzAutoPointer<qzCNCMove>& move)
{
    switch (ReadEnum())
    {
    case FIVE_AXIS_MOVE:
    {
        misc::qzAutoPointer<qz5axMove> read(new qz5axMove);
        *this >> *read;
        move = read;
        break;
    }
    case THREE_AXIS_MOVE:
    {
        misc::qzAutoPointer<qz3axMove> read(new qz3axMove);
        *this >> *read;
        move = read;
        break;
    }
    default:
        throw qzcadcamException(qzcadcamException::UNKNOWN_MOVE_TYPE);
    }
    return GetStream();
}

misc::qzBinInputStream& qzBICadcamTypes1::operator>>(qzCNCMove& move)
{
    ReadFirstGenerationMove(*this, move);
    return GetStream();
}

misc::qzBinInputStream& qzBICadcamTypes1::operator>>(qz3axMove& move)
{
    ReadFirstGenerationMove(*this, move);
    return GetStream();
}

misc::qzBinInputStream& qzBICadcamTypes1::operator>>(qz5axMove& move)
{
    ReadFirstGenerationMove(*this, move);
    return GetStream();
}

// ---------------------------------------------------------------------------------------------
// Moves from version 7, toolpaths and enriched posted moves

template <class M> misc::qzBinInputStream& qzBICadcamTypes2::ReadMove(M& move)
{
    if (GetVersion() <= 6)
        return qzBICadcamTypes1::operator>>(move);
    paramformat::BinSource in(*this, GetVersion(), HasStockValueReaders());
    paramformat::FieldReader<M> reader(in, move);
    paramformat::DescribeMove(reader, &move);
    return GetStream();
}

misc::qzBinInputStream& qzBICadcamTypes2::operator>>(qzCNCMove& move)
{
    return ReadMove(move);
}

misc::qzBinInputStream& qzBICadcamTypes2::operator>>(qz3axMove& move)
{
    return ReadMove(move);
}

misc::qzBinInputStream& qzBICadcamTypes2::operator>>(qz5axMove& move)
{
    return ReadMove(move);
}

misc::qzBinInputStream& qzBICadcamTypes2::operator>>(qzToolPath& toolpath)
{
    measures::qzUnitsFactory::Units units;
    *this >> units;
    toolpath.SetUnits(units, false);
    const unsigned int count = GetSize_t();
    for (unsigned int i = 0; i < count; ++i)
    {
        misc::qzAutoPointer<qzCNCMove> move;
        *this >> move;
        if (!move) // a derived move reader may deliver none
            misc::detail::ThrowAccessingNullPointer();
        toolpath.PushBackMove(move);
    }
    return GetStream();
}

misc::qzBinInputStream& qzBICadcamTypes2::operator>>(qzEnrichedPostedMove& move)
{
    unsigned int axes;
    *this >> axes;
    // The move holds its axis count in 16 bits: a larger count would be cut short.
    if (axes > qzEnrichedPostedMove::MaxAxes)
        throw qzcadcamException(qzcadcamException::AXIS_INDEX_OUT_OF_RANGE);
    paramformat::BinSource in(*this, GetVersion(), HasStockValueReaders());
    // The values are collected as they arrive, so a count beyond the data allocates nothing.
    std::vector<float> values;
    values.reserve(axes < 256u ? axes : 256u);
    const bool singles = GetVersion() >= 133;
    for (unsigned int i = 0; i < axes; ++i)
        values.push_back(singles ? in.Float() : static_cast<float>(in.Real()));
    qzEnrichedPostedMove read(axes);
    read.SetAxesValues(axes, values.data());
    read.SetAxesComment(in.Str());
    read.SetIsRapid(in.Bool());
    read.SetFeedrate(in.Float());
    read.SetSpindleSpeed(in.Float());
    read.SetTime(in.Float());
    read.SetMoveType(GetVersion() > 203 ? static_cast<qzEnrichedPostedMove::Types>(in.Enum())
                                        : qzEnrichedPostedMove::UNDEFINED);
    move = std::move(read);
    return GetStream();
}

misc::qzBinInputStream& qzBICadcamTypes2::operator>>(qzEnrichedPostedTP& toolpath)
{
    const unsigned int count = GetSize_t();
    for (unsigned int i = 0; i < count; ++i)
    {
        qzEnrichedPostedMove move;
        *this >> move;
        toolpath.push_back(move);
    }
    return GetStream();
}

misc::qzBinInputStream& qzBICadcamTypes2::operator>>(qzEnrichedTool& tool)
{
    qzBITools tools(GetStream(), GetVersion(), GetShrinkData(), GetIsUnicode(), Get64bBin(), GetDefaultUnits());
    return tools >> tool;
}
} // namespace cadcam
