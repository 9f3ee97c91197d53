#include "paramformat/qzBIPostTypes.h"

#include "brimlib/qzException.h"
#include "brimlib/qzPostedVisitor.h"
#include "brimlib/qzTVector.h"
#include "paramformat/qzMoveLayout.h"

#include <utility>

namespace post
{
namespace
{
using Point = cadcam::qzTPoint3d<double>;

// The values of every variant, preset for the fields an older version lacks.
struct MachDefValues
{
    measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC;
    int axes = qzMachDef::FIVE_AXES;
    int machType = 0;
    Point spindle;
    Point rotDir[3];
    Point basePt[3];
    double minLimit[2] = {-qzMachDef::LimitRotation(), -qzMachDef::LimitRotation()};
    double maxLimit[2] = {qzMachDef::LimitRotation(), qzMachDef::LimitRotation()};
    double thirdAngle = 0.0;
    int axisType[3] = {0, 0, 0};
    Point transMin{-qzMachDef::LimitTranslation(), -qzMachDef::LimitTranslation(), -qzMachDef::LimitTranslation()};
    Point transMax{qzMachDef::LimitTranslation(), qzMachDef::LimitTranslation(), qzMachDef::LimitTranslation()};
    Point transX{1, 0, 0};
    Point transY{0, 1, 0};
    Point transZ{0, 0, 1};
};

// Axis types that six-axis definitions stored before version 226 take from their machine type.
void AxisTypesFromMachType(MachDefValues& v)
{
    static const int kTypes[4][3] = {{0, 1, 1}, {0, 0, 1}, {0, 0, 0}, {1, 1, 1}};
    for (int i = 0; i < 3; ++i)
        v.axisType[i] = (v.machType >= 0 && v.machType <= 3) ? kTypes[v.machType][i] : 0;
}

template <class M> void SetCommon(M& m, const MachDefValues& v)
{
    m.SetSpindleDir(v.spindle);
    m.SetTransAxisMinLimit(v.transMin);
    m.SetTransAxisMaxLimit(v.transMax);
    m.SetTranslationX(v.transX);
    m.SetTranslationY(v.transY);
    m.SetTranslationZ(v.transZ);
}

misc::qzAutoPointer<qzMachDef> Build(const MachDefValues& v)
{
    switch (v.axes)
    {
    case qzMachDef::THREE_AXES:
    {
        auto* m = new qz3axMachDef(v.units);
        misc::qzAutoPointer<qzMachDef> result(m);
        SetCommon(*m, v);
        return result;
    }
    case qzMachDef::FOUR_AXES:
    {
        auto* m = new qz4axMachDef(v.units);
        misc::qzAutoPointer<qzMachDef> result(m);
        SetCommon(*m, v);
        m->SetMachType(static_cast<qz4axMachDef::MachType>(v.machType));
        m->SetRotAxisDir(v.rotDir[0]);
        m->SetRotAxisBasePt(v.basePt[0]);
        m->SetRotAxisMinLimit(v.minLimit[0]);
        m->SetRotAxisMaxLimit(v.maxLimit[0]);
        return result;
    }
    case qzMachDef::FIVE_AXES:
    {
        auto* m = new qz5axMachDef(v.units);
        misc::qzAutoPointer<qzMachDef> result(m);
        SetCommon(*m, v);
        m->SetMachType(static_cast<qz5axMachDef::MachType>(v.machType));
        m->SetRotAxisDir0(v.rotDir[0]);
        m->SetRotAxisDir1(v.rotDir[1]);
        m->SetRotAxisBasePt0(v.basePt[0]);
        m->SetRotAxisBasePt1(v.basePt[1]);
        m->SetRotAxisMinLimit0(v.minLimit[0]);
        m->SetRotAxisMinLimit1(v.minLimit[1]);
        m->SetRotAxisMaxLimit0(v.maxLimit[0]);
        m->SetRotAxisMaxLimit1(v.maxLimit[1]);
        return result;
    }
    default:
    {
        auto* m = new qz6axMachDef(v.units);
        misc::qzAutoPointer<qzMachDef> result(m);
        SetCommon(*m, v);
        m->SetMachType(static_cast<qz6axMachDef::MachType>(v.machType));
        m->SetRotAxisDir0(v.rotDir[0]);
        m->SetRotAxisDir1(v.rotDir[1]);
        m->SetRotAxisDir2(v.rotDir[2]);
        m->SetRotAxisBasePt0(v.basePt[0]);
        m->SetRotAxisBasePt1(v.basePt[1]);
        m->SetRotAxisBasePt2(v.basePt[2]);
        m->SetRotAxisMinLimit0(v.minLimit[0]);
        m->SetRotAxisMinLimit1(v.minLimit[1]);
        m->SetRotAxisMaxLimit0(v.maxLimit[0]);
        m->SetRotAxisMaxLimit1(v.maxLimit[1]);
        m->SetThirdAngle(v.thirdAngle);
        m->SetFirstAxisType(static_cast<qz6axMachDef::AxisType>(v.axisType[0]));
        m->SetSecondAxisType(static_cast<qz6axMachDef::AxisType>(v.axisType[1]));
        m->SetThirdAxisType(static_cast<qz6axMachDef::AxisType>(v.axisType[2]));
        return result;
    }
    }
}
} // namespace

qzBIPostTypes::qzBIPostTypes(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData, bool isUnicode,
                             bool is64bBin, std::vector<misc::qzBILostData>& lostData,
                             measures::qzUnitsFactory::Units defaultUnits)
    : m_stream(stream), m_cadcam(stream, version, shrinkData, isUnicode, is64bBin, defaultUnits),
      m_lostData(&lostData)
{
}

qzBIPostTypes::qzBIPostTypes(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData, bool isUnicode,
                             bool is64bBin, measures::qzUnitsFactory::Units defaultUnits)
    : m_stream(stream), m_cadcam(stream, version, shrinkData, isUnicode, is64bBin, defaultUnits),
      m_lostData(&m_ownLostData)
{
}

qzBIPostTypes::qzBIPostTypes(const qzBIPostTypes& other)
    : m_stream(other.m_stream), m_cadcam(other.m_cadcam), m_ownLostData(other.m_ownLostData),
      m_lostData(other.m_lostData == &other.m_ownLostData ? &m_ownLostData : other.m_lostData)
{
}

qzBIPostTypes::~qzBIPostTypes() = default;

int qzBIPostTypes::ReadEnum32()
{
    int value;
    m_cadcam >> value;
    return value;
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(misc::qzAutoPointer<qzMachDef>& machDef)
{
    const unsigned int version = GetVersion();
    cadcam::qzBICadcamTypes& in = m_cadcam;
    MachDefValues v;
    if (version >= 25)
        in >> v.units;
    if (version >= 109)
        v.axes = ReadEnum32();
    switch (v.axes)
    {
    case qzMachDef::THREE_AXES:
        in >> v.spindle;
        break;
    case qzMachDef::FOUR_AXES:
        v.machType = ReadEnum32();
        in >> v.spindle;
        in >> v.rotDir[0];
        in >> v.basePt[0];
        in >> v.minLimit[0];
        in >> v.maxLimit[0];
        break;
    case qzMachDef::FIVE_AXES:
    {
        v.machType = ReadEnum32();
        in >> v.spindle;
        in >> v.rotDir[0];
        in >> v.rotDir[1];
        in >> v.basePt[0];
        in >> v.basePt[1];
        in >> v.minLimit[0];
        in >> v.minLimit[1];
        in >> v.maxLimit[0];
        in >> v.maxLimit[1];
        // A spindle parallel to the second rotary axis cannot be machined: exchange the axes
        // when the first one allows it, otherwise replace the second by a perpendicular one.
        if (qzVectorUtils<double>::AreParallel(v.spindle, v.rotDir[1]))
        {
            if (!qzVectorUtils<double>::AreParallel(v.spindle, v.rotDir[0]))
            {
                std::swap(v.rotDir[0], v.rotDir[1]);
                m_lostData->emplace_back(misc::qzBILostData::BinLostDataName(), 5);
            }
            else
            {
                mathdef::qzTVector3<double> u, w(v.rotDir[1].x(), v.rotDir[1].y(), v.rotDir[1].z()), vv;
                mathdef::qzTVector3<double>::GenerateOrthonormalBasis(u, vv, w);
                v.rotDir[1] = Point(u.X(), u.Y(), u.Z());
                m_lostData->emplace_back(misc::qzBILostData::BinLostDataName(), 6);
            }
        }
        break;
    }
    default: // six axes: any other stored number, as the writer treats it
        v.machType = ReadEnum32();
        in >> v.spindle;
        for (Point& p : v.rotDir)
            in >> p;
        for (Point& p : v.basePt)
            in >> p;
        in >> v.minLimit[0];
        in >> v.minLimit[1];
        in >> v.maxLimit[0];
        in >> v.maxLimit[1];
        in >> v.thirdAngle;
        if (version >= 226)
            for (int& type : v.axisType)
                type = ReadEnum32();
        else
            AxisTypesFromMachType(v);
        break;
    }
    if (version > 15)
    {
        in >> v.transMin;
        in >> v.transMax;
    }
    if (version >= 205)
    {
        in >> v.transX;
        in >> v.transY;
        in >> v.transZ;
    }
    machDef = Build(v);
    return m_stream;
}

template <class M> QZ_FLATTEN void qzBIPostTypes::ReadMove(M& move)
{
    // m_cadcam is a member of exactly its own class: its value readers are the stock ones.
    paramformat::BinSource in(m_cadcam, GetVersion(), true);
    paramformat::FieldReader<M> reader(in, move);
    paramformat::DescribePostedMove(reader);
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(qzPosted3axMove& move)
{
    ReadMove(move);
    return m_stream;
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(qzPosted4axMove& move)
{
    ReadMove(move);
    return m_stream;
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(qzPosted5axMove& move)
{
    ReadMove(move);
    return m_stream;
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(qzPosted6axMove& move)
{
    ReadMove(move);
    return m_stream;
}

template <class M> QZ_FLATTEN void qzBIPostTypes::ReadList(misc::qzMemoryPoolList<M>& moves, int kind)
{
    const unsigned int count = m_cadcam.GetSize_t();
    if (GetVersion() < 119 || ReadEnum32() != kind)
        throw qzcadcamException(qzcadcamException::VERSION_NOT_SUPPORTED);
    if (!moves.GetPool())
        throw qzPostException(qzPostException::NO_TARGET_POOL);
    // The count sizes nothing: each move is read before it is appended, so a count larger than
    // the data runs out of bytes.
    paramformat::BinSource in(m_cadcam, GetVersion(), true);
    for (unsigned int i = 0; i < count; ++i)
    {
        M move(false);
        paramformat::FieldReader<M> reader(in, move);
        paramformat::DescribePostedMove(reader);
        moves.push_back(move);
    }
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(misc::qzMemoryPoolList<qzPosted3axMove>& moves)
{
    ReadList(moves, qzPostedVisitorMoveType::THREE_AXES);
    return m_stream;
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(misc::qzMemoryPoolList<qzPosted4axMove>& moves)
{
    ReadList(moves, qzPostedVisitorMoveType::FOUR_AXES);
    return m_stream;
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(misc::qzMemoryPoolList<qzPosted5axMove>& moves)
{
    ReadList(moves, qzPostedVisitorMoveType::FIVE_AXES);
    return m_stream;
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(misc::qzMemoryPoolList<qzPosted6axMove>& moves)
{
    ReadList(moves, qzPostedVisitorMoveType::SIX_AXES);
    return m_stream;
}

namespace
{
// One allocation per move: the count block and the move share it.
misc::qzAutoPointer<qzPostedMove> NewPostedMove(int kind)
{
    switch (kind)
    {
    case qzPostedVisitorMoveType::THREE_AXES:
        return misc::qzMakeAutoPointer<qzPosted3axMove>(false);
    case qzPostedVisitorMoveType::FOUR_AXES:
        return misc::qzMakeAutoPointer<qzPosted4axMove>(false);
    case qzPostedVisitorMoveType::FIVE_AXES:
        return misc::qzMakeAutoPointer<qzPosted5axMove>(false);
    default: // any other kind is six axes, as for machine definitions
        return misc::qzMakeAutoPointer<qzPosted6axMove>(false);
    }
}
} // namespace

misc::qzBinInputStream& qzBIPostTypes::operator>>(qzPostedTP& toolpath)
{
    const unsigned int count = m_cadcam.GetSize_t();
    if (GetVersion() < 119)
        throw qzcadcamException(qzcadcamException::VERSION_NOT_SUPPORTED);
    const int kind = ReadEnum32();
    for (unsigned int i = 0; i < count; ++i)
    {
        misc::qzAutoPointer<qzPostedMove> move = NewPostedMove(kind);
        qzPostedVisitorBinInput(*this, move).Read();
        toolpath.PushBack(move);
    }
    misc::qzAutoPointer<qzPostedTP::Matrix> matrix;
    *this >> matrix;
    toolpath.SetAlignMatrix(matrix);
    return m_stream;
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(misc::qzAutoPointer<qzPostedTP::Matrix>& matrix)
{
    misc::qzAutoPointer<qzPostedTP::Matrix> read;
    if (GetVersion() >= 181)
    {
        std::string marker;
        m_cadcam >> marker;
        if (marker == "VALIDE")
        {
            read = misc::qzAutoPointer<qzPostedTP::Matrix>(new qzPostedTP::Matrix);
            for (unsigned row = 0; row < 4; ++row)
                for (unsigned column = 0; column < 4; ++column)
                    m_cadcam >> (*read)[row][column];
        }
    }
    matrix = read;
    return m_stream;
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(qzMachDefBuilder& builder)
{
    misc::qzAutoPointer<qzMachDef> machDef;
    *this >> machDef;
    std::string axisName;
    m_cadcam >> axisName;
    const int factory = GetVersion() >= 144 ? ReadEnum32() : qzMachDefBuilder::STANDARD_FACTORY;
    builder.SetMachDef(machDef);
    builder.SetAxisName(axisName);
    builder.SetMachDefFactory(static_cast<qzMachDefBuilder::MachDefFactory>(factory));
    return m_stream;
}

misc::qzBinInputStream& qzBIPostTypes::operator>>(misc::qzAutoPointer<qzMXPParam>& param)
{
    measures::qzUnitsFactory::Units units;
    if (GetVersion() >= 25)
        m_cadcam >> units;
    else
    {
        // Older records hold a metric flag: the byte 1 is metric, any other byte inches.
        unsigned char metric;
        m_cadcam >> metric;
        units = metric == 1 ? measures::qzUnitsFactory::METRIC : measures::qzUnitsFactory::INCH;
    }
    misc::qzAutoPointer<qzMXPParam> read(new qzMXPParam(units));
    paramformat::BinSource in(m_cadcam, GetVersion(), true);
    paramformat::FieldReader<qzMXPParam> reader(in, *read);
    paramformat::DescribeMXPParam(reader);
    param = read;
    return m_stream;
}
} // namespace post
