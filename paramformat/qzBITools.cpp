#include "paramformat/qzBITools.h"

#include "brimlib/qzException.h"
#include "foundation/qzIdxRangeException.h"
#include "paramformat/qzToolsLayout.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace cadcam
{
namespace
{
// First stored versions of the record parts that changed.
constexpr unsigned kUnitsFrom = 25;
constexpr unsigned kHolderDefinitionFrom = 22;
constexpr unsigned kArborDefinitionFrom = 23;
constexpr unsigned kProfileFormFrom = 48;
constexpr unsigned kSolidDefinitionFrom = 60;
constexpr unsigned kSlotMillArborFrom = 50;
constexpr unsigned kShoulderRecordFrom = 130;
constexpr unsigned kShoulderUnitsFrom = 131;
constexpr unsigned kShoulderUncorrectedFrom = 154;

// Lists grow as their items arrive; a stored count only caps how many are read.
constexpr unsigned kInitialReserve = 1024;

template <class Tool> misc::qzAutoPointer<qzTool> Create()
{
    return misc::qzMakeAutoPointer<Tool>();
}

using Factory = misc::qzAutoPointer<qzTool> (*)();

// Indexed by qzTool::toolType.
const Factory kFactories[] = {
    &Create<qzBoreBar>,
    &Create<qzBullMill>,
    &Create<qzChamferMill>,
    &Create<qzCntrBore>,
    &Create<qzCSink>,
    &Create<qzCtrDrill>,
    &Create<qzDoveMill>,
    &Create<qzDrill>,
    &Create<qzEndMill>,
    &Create<qzFaceMill>,
    &Create<qzLolMill>,
    &Create<qzRadMill>,
    &Create<qzReamer>,
    &Create<qzSlotMill>,
    &Create<qzSpherMill>,
    &Create<qzSpotDrill>,
    &Create<qzTaperMill>,
    &Create<qzTapLH>,
    &Create<qzTapRH>,
    &Create<qzLatheTool>,
    &Create<qzBarrelMill>,
    &Create<qzConvexTipMill>,
    &Create<qzGenericRevolvedTool>,
};
static_assert(sizeof(kFactories) / sizeof(kFactories[0]) == qzTool::kLastToolType + 1,
              "one factory per type");

/// The cylinder enclosing the revolved profile of `arbor`, or `arbor` itself when it is not
/// revolved.
qzTool::Arbor EnclosingCylinder(const qzTool::Arbor& arbor)
{
    const auto* revolved = dynamic_cast<const qzRevolvedSolidDefinition<double>*>(arbor->GetSolid().Get());
    if (!revolved)
        return arbor;
    double diameter = 0.0, length = 0.0;
    if (const auto& profile = revolved->GetProfile())
    {
        const auto& box = profile->GetBoundingBox();
        if (!box.IsEmpty())
        {
            diameter = 2.0 * std::max(box.GetMaxX(), 0.0);
            length = box.GetMaxY() - box.GetMinY();
        }
    }
    return qzToolHelper<double>::CreateArborAsCylinder(diameter, length, arbor->GetUnits());
}
} // namespace

qzBITools::qzBITools(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData, bool isUnicode,
                     bool is64bBin, Units defaultUnits)
    : m_stream(stream), m_cadcam(stream, version, shrinkData, isUnicode, is64bBin, defaultUnits),
      m_geometry(stream, version, shrinkData, isUnicode, is64bBin)
{
}

qzBITools::~qzBITools() = default;

misc::qzBinInputStream& qzBITools::operator>>(misc::qzAutoPointer<qzTool>& tool)
{
    const int type = m_cadcam.ReadEnum();
    // A byte FF reads as -1: refused like any code beyond the table, never used as an index.
    if (type < 0 || type > qzTool::kLastToolType)
        throw qzcadcamException(qzcadcamException::UNKNOWN_TOOL_TYPE);
    misc::qzAutoPointer<qzTool> read = kFactories[type]();
    read->AcceptVirtual(*this);
    tool = std::move(read);
    return m_stream;
}

misc::qzBinInputStream& qzBITools::operator>>(Units& units)
{
    units = ReadUnits();
    return m_stream;
}

misc::qzBinInputStream& qzBITools::operator>>(qzShoulderExtender& shoulder)
{
    Units units = GetDefaultUnits();
    if (GetVersion() >= kShoulderUnitsFrom)
        m_cadcam >> units;
    double diameter, baseLength;
    m_cadcam >> diameter;
    m_cadcam >> baseLength;
    shoulder = qzShoulderExtender(units, diameter, baseLength);
    return m_stream;
}

misc::qzBinInputStream& qzBITools::operator>>(Holder& holder)
{
    holder = ReadHolderDefinition();
    return m_stream;
}

misc::qzBinInputStream& qzBITools::operator>>(Arbor& arbor)
{
    arbor = ReadArborDefinition();
    return m_stream;
}

misc::qzBinInputStream& qzBITools::operator>>(ToolPart& part)
{
    part = ReadToolPartDefinition();
    return m_stream;
}

misc::qzBinInputStream& qzBITools::operator>>(qzEnrichedTool& tool)
{
    misc::qzAutoPointer<qzTool> read;
    *this >> read;
    int number;
    m_cadcam >> number;
    std::string name, comment;
    m_cadcam >> name;
    m_cadcam >> comment;
    tool = qzEnrichedTool(read, number, std::move(name), std::move(comment));
    return m_stream;
}

qzBITools::Units qzBITools::ReadUnits()
{
    if (GetVersion() >= kUnitsFrom)
    {
        Units units;
        m_cadcam >> units;
        return units;
    }
    if (GetDefaultUnits() == measures::qzUnitsFactory::NONE)
        throw qzcadcamException(qzcadcamException::TOOL_UNITS_UNDEFINED);
    return GetDefaultUnits();
}

qzBITools::Holder qzBITools::ReadHolderDefinition()
{
    const Units units = ReadUnits();
    return misc::qzMakeAutoPointer<qzHolderDefinition<double>>(ReadHolderOrArborSolid(units));
}

qzBITools::Arbor qzBITools::ReadArborDefinition()
{
    const Units units = ReadUnits();
    return misc::qzMakeAutoPointer<qzArborDefinition<double>>(ReadHolderOrArborSolid(units));
}

qzBITools::ToolPart qzBITools::ReadToolPartDefinition()
{
    const Units units = ReadUnits();
    return misc::qzMakeAutoPointer<qzToolPartDefinition<double>>(ReadSolidDefinition(units));
}

qzBITools::Solid qzBITools::ReadHolderOrArborSolid(Units units)
{
    if (GetVersion() >= kSolidDefinitionFrom)
        return ReadSolidDefinition(units);
    if (GetVersion() >= kProfileFormFrom)
        return ReadRevolvedSolid(units);
    return ReadConeStack(units);
}

qzBITools::Solid qzBITools::ReadConeStack(Units units)
{
    const unsigned count = m_cadcam.GetSize_t();
    auto profile = misc::qzMakeAutoPointer<qz2dContour<double>>();
    auto last = misc::qzMakeAutoPointer<qz2dPoint<double>>(0.0, 0.0);
    const auto stepTo = [&profile, &last](double x, double y)
    {
        if (x == last->x() && y == last->y())
            return;
        auto next = misc::qzMakeAutoPointer<qz2dPoint<double>>(x, y);
        profile->AddGeometry(misc::qzMakeAutoPointer<qz2dLine<double>>(last, next));
        last = next;
    };
    double height = 0.0;
    for (unsigned i = 0; i < count; ++i)
    {
        double bottom, top, coneHeight;
        m_cadcam >> bottom;
        m_cadcam >> top;
        m_cadcam >> coneHeight;
        stepTo(bottom / 2.0, height);
        height += coneHeight;
        stepTo(top / 2.0, height);
    }
    stepTo(0.0, height);
    stepTo(0.0, 0.0); // closed along the axis, like the cylinders of qzToolHelper
    return misc::qzMakeAutoPointer<qzRevolvedSolidDefinition<double>>(units, profile);
}

qzBITools::Solid qzBITools::ReadSolidDefinition(Units units)
{
    switch (m_cadcam.ReadEnum())
    {
    case 0:
        return ReadRevolvedSolid(units);
    case 1:
        return ReadExtrudedSolid(units);
    case 2:
        return ReadMeshSolid(units);
    default:
        throw qzcadcamException(qzcadcamException::UNKNOWN_SOLID_DEFINITION);
    }
}

misc::qzAutoPointer<qzRevolvedSolidDefinition<double>> qzBITools::ReadRevolvedSolid(Units units)
{
    return misc::qzMakeAutoPointer<qzRevolvedSolidDefinition<double>>(units, m_geometry.ReadContour());
}

misc::qzAutoPointer<qzExtrudedSolidDefinition<double>> qzBITools::ReadExtrudedSolid(Units units)
{
    qzExtrusionBase<double> base;
    const unsigned count = m_cadcam.GetSize_t();
    for (unsigned i = 0; i < count; ++i)
        base.AddContour(m_geometry.ReadContour());
    double baseHeight;
    m_cadcam >> baseHeight;
    base.SetBaseHeight(baseHeight);
    qzTPoint3d<double> vector;
    m_cadcam >> vector;
    return misc::qzMakeAutoPointer<qzExtrudedSolidDefinition<double>>(units, base, qz3dPoint<double>(vector));
}

misc::qzAutoPointer<qzMeshSolidDefinition<double>> qzBITools::ReadMeshSolid(Units units)
{
    using Mesh = qzTMesh<double>;
    const Units meshUnits = ReadUnits();
    const unsigned pointCount = m_cadcam.GetSize_t();
    auto points = misc::qzMakeAutoPointer<std::vector<qzTPoint3d<double>>>();
    points->reserve(std::min(pointCount, kInitialReserve));
    for (unsigned i = 0; i < pointCount; ++i)
    {
        qzTPoint3d<double> point;
        m_cadcam >> point;
        points->push_back(point);
    }
    const unsigned triangleCount = m_cadcam.GetSize_t();
    auto triangles = misc::qzMakeAutoPointer<std::vector<Mesh::qzTTriangle>>();
    triangles->reserve(std::min(triangleCount, kInitialReserve));
    for (unsigned i = 0; i < triangleCount; ++i)
    {
        Mesh::qzTTriangle triangle;
        for (std::uint32_t& vertex : triangle.vertices)
        {
            unsigned index;
            m_cadcam >> index;
            if (index >= pointCount)
                throw misc::qzIdxRangeException<unsigned>(pointCount - 1, index);
            vertex = index;
        }
        m_cadcam >> triangle.normal;
        triangles->push_back(triangle);
    }
    auto mesh = misc::qzMakeAutoPointer<Mesh>(points, triangles, meshUnits);
    return misc::qzMakeAutoPointer<qzMeshSolidDefinition<double>>(units, mesh);
}

void qzBITools::ReadValue(double& value)
{
    m_cadcam >> value;
}

void qzBITools::ReadValue(int& value)
{
    m_cadcam >> value;
}

void qzBITools::ReadValue(qzTypedRevolvedTool::cornerRaduisType& value)
{
    const int read = m_cadcam.ReadEnum();
    if (read < 0 || read > qzTypedRevolvedTool::kLastCornerType)
        throw qzcadcamException(qzcadcamException::UNKNOWN_CORNER_TYPE);
    value = static_cast<qzTypedRevolvedTool::cornerRaduisType>(read);
}

template <class Tool> void qzBITools::ReadTyped(Tool& tool)
{
    using Layout = paramformat::TypedToolLayout<Tool>;
    const unsigned version = GetVersion();
    const Units units = ReadUnits();

    decltype(Layout::Values(tool)) values{};
    if (version >= Layout::kValuesFrom)
        std::apply([&](auto&... value) { (ReadValue(value), ...); }, values);

    constexpr unsigned lengthCount = Layout::kSingleLength ? 2 : 3;
    double lengths[lengthCount];
    for (double& length : lengths)
        m_cadcam >> length;

    Arbor arbor;
    if (version >= kArborDefinitionFrom)
        arbor = ReadArborDefinition();
    else
    {
        double a, b;
        m_cadcam >> a;
        m_cadcam >> b;
        arbor = qzToolHelper<double>::CreateArborAsCylinder(a, b - lengths[lengthCount - 1], units);
    }

    Holder holder;
    if (version >= kHolderDefinitionFrom)
        holder = ReadHolderDefinition();
    else
    {
        double a, b;
        m_cadcam >> a;
        m_cadcam >> b;
        holder = qzToolHelper<double>::CreateHolderAsCylinder(a, b, units);
    }

    qzShoulderExtender shoulder;
    if (version >= kShoulderRecordFrom)
        *this >> shoulder;
    else
        shoulder = qzShoulderExtender(holder->GetUnits(), lengths[0], lengths[1]);

    if (Layout::kShoulderCorrection && version < kShoulderUncorrectedFrom)
    {
        double diameter, baseLength;
        m_cadcam >> diameter;
        m_cadcam >> baseLength;
        shoulder.SetDiameter(diameter);
        shoulder.SetBaseLength(baseLength);
    }

    if (Layout::kSingleLength && version < kSlotMillArborFrom)
        arbor = EnclosingCylinder(arbor);

    std::tuple<double, double> firstLengths(lengths[0], lengths[1]);
    const auto last = [&]()
    {
        if constexpr (Layout::kSingleLength)
            return std::tuple<>();
        else
            return std::make_tuple(lengths[2]);
    }();
    tool = std::make_from_tuple<Tool>(
        std::tuple_cat(values, firstLengths, last, std::make_tuple(arbor, holder, shoulder, units)));
}

void qzBITools::Visit(qzBoreBar& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzBullMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzChamferMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzCntrBore& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzCSink& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzCtrDrill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzDoveMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzDrill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzEndMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzFaceMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzLolMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzRadMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzReamer& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzSlotMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzSpherMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzSpotDrill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzTaperMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzTapLH& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzTapRH& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzBarrelMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzConvexTipMill& tool)
{
    ReadTyped(tool);
}

void qzBITools::Visit(qzLatheTool& tool)
{
    const ToolPart part = ReadToolPartDefinition();
    const Holder holder = ReadHolderDefinition();
    if (!part || !holder)
        misc::detail::ThrowAccessingNullPointer();
    tool = qzLatheTool(part, holder, part->GetUnits());
}

void qzBITools::Visit(qzGenericRevolvedTool& tool)
{
    const Holder holder = ReadHolderDefinition();
    const Arbor arbor = ReadArborDefinition();
    const ToolPart cutPart = ReadToolPartDefinition();
    const ToolPart nonCutPart = ReadToolPartDefinition();
    if (!holder || !arbor || !cutPart || !nonCutPart)
        misc::detail::ThrowAccessingNullPointer();
    tool = qzGenericRevolvedTool(holder, arbor, cutPart, nonCutPart, cutPart->GetUnits());
}

void qzBITools::Visit(qzTool&)
{
    throw qzcadcamException(qzcadcamException::UNKNOWN_TOOL_TYPE);
}
} // namespace cadcam
