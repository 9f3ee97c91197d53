#include "paramformat/qzBOTools.h"

#include "brimlib/qzException.h"
#include "paramformat/qzToolsLayout.h"

#include <tuple>

namespace cadcam
{
/// Routes each solid kind to its record writer.
class qzBOTools::SolidDispatch : public qzSolidDefinitionVisitorGetter<double>
{
public:
    explicit SolidDispatch(qzBOTools& writer) : m_writer(writer) {}
    void Visit(const qzMeshSolidDefinition<double>& solid) override { m_writer.WriteMesh(solid); }
    void Visit(const qzExtrudedSolidDefinition<double>& solid) override { m_writer.WriteExtruded(solid); }
    void Visit(const qzRevolvedSolidDefinition<double>& solid) override { m_writer.WriteRevolved(solid); }
    void Visit(const qzSolidDefinition<double>&) override
    {
        throw qzcadcamException(qzcadcamException::UNKNOWN_SOLID_DEFINITION);
    }

private:
    qzBOTools& m_writer;
};

qzBOTools::qzBOTools(misc::qzBinOutputStream& stream, bool shrinkData)
    : m_cadcam(stream, shrinkData), m_geometry(stream, shrinkData)
{
}

qzBOTools::~qzBOTools() = default;

void qzBOTools::WriteEnum(int value)
{
    m_cadcam << static_cast<unsigned char>(value & 0xFF);
}

void qzBOTools::WriteValue(double value)
{
    m_cadcam << value;
}

void qzBOTools::WriteValue(int value)
{
    m_cadcam << value;
}

void qzBOTools::WriteValue(qzTypedRevolvedTool::cornerRaduisType value)
{
    WriteEnum(value);
}

misc::qzBinOutputStream& qzBOTools::operator<<(const measures::qzUnitsFactory::Units& units)
{
    return m_cadcam << units;
}

misc::qzBinOutputStream& qzBOTools::operator<<(const qzShoulderExtender& shoulder)
{
    m_cadcam << shoulder.GetUnits();
    m_cadcam << shoulder.GetDiameter();
    return m_cadcam << shoulder.GetBaseLength();
}

void qzBOTools::WriteDefinition(const qzSolidBasedDefinition<double>& definition)
{
    const qzSolidDefinition<double>& solid = *definition.GetSolid();
    m_cadcam << solid.GetUnits();
    *this << solid;
}

misc::qzBinOutputStream& qzBOTools::operator<<(const qzHolderDefinition<double>& holder)
{
    WriteDefinition(holder);
    return GetStream();
}

misc::qzBinOutputStream& qzBOTools::operator<<(const qzArborDefinition<double>& arbor)
{
    WriteDefinition(arbor);
    return GetStream();
}

misc::qzBinOutputStream& qzBOTools::operator<<(const qzToolPartDefinition<double>& part)
{
    WriteDefinition(part);
    return GetStream();
}

misc::qzBinOutputStream& qzBOTools::operator<<(const qzSolidDefinition<double>& solid)
{
    SolidDispatch dispatch(*this);
    solid.AcceptVisitor(dispatch);
    return GetStream();
}

void qzBOTools::WriteRevolved(const qzRevolvedSolidDefinition<double>& solid)
{
    const qz2dContour<double>& profile = *solid.GetProfile();
    WriteEnum(0);
    m_geometry << profile;
}

void qzBOTools::WriteExtruded(const qzExtrudedSolidDefinition<double>& solid)
{
    const auto& base = solid.GetExtrusionBase();
    for (const auto& contour : base.GetContours())
        if (!contour)
            misc::detail::ThrowAccessingNullPointer();
    WriteEnum(1);
    m_cadcam << misc::qzStreamableSize_t(base.GetContours().size());
    for (const auto& contour : base.GetContours())
        m_geometry << *contour;
    m_cadcam << base.GetBaseHeight();
    m_cadcam << solid.GetExtrusionVector().GetPoint();
}

void qzBOTools::WriteMesh(const qzMeshSolidDefinition<double>& solid)
{
    const qzTMesh<double>& mesh = *solid.GetMesh();
    WriteEnum(2);
    m_cadcam << mesh.GetUnits();
    m_cadcam << misc::qzStreamableSize_t(mesh.GetPoints().size());
    for (const auto& point : mesh.GetPoints())
        m_cadcam << point;
    m_cadcam << misc::qzStreamableSize_t(mesh.GetTriangles().size());
    for (const auto& triangle : mesh.GetTriangles())
    {
        for (const std::uint32_t vertex : triangle.vertices)
            m_cadcam << static_cast<unsigned int>(vertex);
        m_cadcam << triangle.normal;
    }
}

void qzBOTools::WriteCommon(const qzTypedRevolvedTool& tool, bool singleLength)
{
    const qzArborDefinition<double>& arbor = *tool.GetArbor();
    const qzHolderDefinition<double>& holder = *tool.GetHolder();
    m_cadcam << tool.GetDiameter();
    if (!singleLength)
        m_cadcam << tool.GetCuttingLength();
    m_cadcam << tool.GetLength();
    *this << arbor;
    *this << holder;
    *this << tool.GetShoulderExtender();
}

template <class Tool> void qzBOTools::WriteTyped(const qzTool& tool)
{
    using Layout = paramformat::TypedToolLayout<Tool>;
    const Tool* typed = dynamic_cast<const Tool*>(&tool);
    if (!typed)
        throw qzcadcamException(qzcadcamException::UNKNOWN_TOOL_TYPE);
    WriteEnum(typed->GetToolType());
    m_cadcam << typed->GetUnits();
    std::apply([&](const auto&... value) { (WriteValue(value), ...); }, Layout::Values(*typed));
    WriteCommon(*typed, Layout::kSingleLength);
}

void qzBOTools::WriteGenericRevolved(const qzGenericRevolvedTool& tool)
{
    const qzHolderDefinition<double>& holder = *tool.GetHolder();
    const qzArborDefinition<double>& arbor = *tool.GetArbor();
    const qzToolPartDefinition<double>& cutPart = *tool.GetCutPart();
    const qzToolPartDefinition<double>& nonCutPart = *tool.GetNonCutPart();
    WriteEnum(qzTool::GENERIC_REVOLVED_TOOL);
    *this << holder;
    *this << arbor;
    *this << cutPart;
    *this << nonCutPart;
}

void qzBOTools::WriteLathe(const qzLatheTool& tool)
{
    const qzToolPartDefinition<double>& part = *tool.GetToolPart();
    const qzHolderDefinition<double>& holder = *tool.GetHolder();
    WriteEnum(qzTool::LATHE_TOOL);
    *this << part;
    *this << holder;
}

misc::qzBinOutputStream& qzBOTools::operator<<(const qzTool& tool)
{
    switch (tool.GetToolType())
    {
    case qzTool::BORE_BAR:
        WriteTyped<qzBoreBar>(tool);
        break;
    case qzTool::BULL_MILL:
        WriteTyped<qzBullMill>(tool);
        break;
    case qzTool::CHAMFER_MILL:
        WriteTyped<qzChamferMill>(tool);
        break;
    case qzTool::CNTR_BORE:
        WriteTyped<qzCntrBore>(tool);
        break;
    case qzTool::CSINK:
        WriteTyped<qzCSink>(tool);
        break;
    case qzTool::CTR_DRILL:
        WriteTyped<qzCtrDrill>(tool);
        break;
    case qzTool::DOVE_MILL:
        WriteTyped<qzDoveMill>(tool);
        break;
    case qzTool::DRILL:
        WriteTyped<qzDrill>(tool);
        break;
    case qzTool::END_MILL:
        WriteTyped<qzEndMill>(tool);
        break;
    case qzTool::FACE_MILL:
        WriteTyped<qzFaceMill>(tool);
        break;
    case qzTool::LOL_MILL:
        WriteTyped<qzLolMill>(tool);
        break;
    case qzTool::RAD_MILL:
        WriteTyped<qzRadMill>(tool);
        break;
    case qzTool::REAMER:
        WriteTyped<qzReamer>(tool);
        break;
    case qzTool::SLOT_MILL:
        WriteTyped<qzSlotMill>(tool);
        break;
    case qzTool::SPHER_MILL:
        WriteTyped<qzSpherMill>(tool);
        break;
    case qzTool::SPOT_DRILL:
        WriteTyped<qzSpotDrill>(tool);
        break;
    case qzTool::TAPER_MILL:
        WriteTyped<qzTaperMill>(tool);
        break;
    case qzTool::TAP_LH:
        WriteTyped<qzTapLH>(tool);
        break;
    case qzTool::TAP_RH:
        WriteTyped<qzTapRH>(tool);
        break;
    case qzTool::BARREL_MILL:
        WriteTyped<qzBarrelMill>(tool);
        break;
    case qzTool::CONVEX_TIP_MILL:
        WriteTyped<qzConvexTipMill>(tool);
        break;
    case qzTool::LATHE_TOOL:
        if (const auto* lathe = dynamic_cast<const qzLatheTool*>(&tool))
        {
            WriteLathe(*lathe);
            break;
        }
        throw qzcadcamException(qzcadcamException::UNKNOWN_TOOL_TYPE);
    case qzTool::GENERIC_REVOLVED_TOOL:
        if (const auto* generic = dynamic_cast<const qzGenericRevolvedTool*>(&tool))
        {
            WriteGenericRevolved(*generic);
            break;
        }
        throw qzcadcamException(qzcadcamException::UNKNOWN_TOOL_TYPE);
    default:
        throw qzcadcamException(qzcadcamException::UNKNOWN_TOOL_TYPE);
    }
    return GetStream();
}

misc::qzBinOutputStream& qzBOTools::operator<<(const qzEnrichedTool& tool)
{
    *this << *tool.GetTool();
    m_cadcam << tool.GetNumber();
    m_cadcam << tool.GetName();
    return m_cadcam << tool.GetComment();
}
} // namespace cadcam
