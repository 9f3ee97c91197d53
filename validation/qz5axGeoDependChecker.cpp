#include "validation/qz5axGeoDependChecker.h"

namespace
{
const qzTriangleMeshBasedTpCalcParams& Mesh(const qz5axParams& params)
{
    return params.GetTpCalculationMethodsParams().GetTriangleMeshBasedTpCalcParams();
}

constexpr int kSurfaceBased = qzTpCalcMethodsParams::SURFACE_BASED;
constexpr int kMeshBased = qzTpCalcMethodsParams::TRIANGLE_MESH_BASED;
constexpr int kDrilling = qzTpCalcMethodsParams::DRILLING;
constexpr int kDriveCurves = qzTpCalcMethodsParams::DRIVE_CURVES;
constexpr int kOriginalToolpath = qzTpCalcMethodsParams::ORIGINAL_TOOLPATH;
} // namespace

qz5axGeoDependChecker::qzImpellerGeosDependChecker::qzImpellerGeosDependChecker(const qzImpellerParams* params,
                                                                                bool isImpellerCalc)
    : m_params(params), m_isImpellerCalc(isImpellerCalc)
{
}

qz5axGeoDependChecker::qz5axGeoDependChecker(const qz5axParams& params,
                                             bool ignoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge)
    : m_params(&params), m_ignoreCheckSurface(ignoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge),
      m_impeller(&Mesh(params).GetImpellerParams(), IsImpellerTriMeshBasedCalc())
{
}

int qz5axGeoDependChecker::Method() const
{
    return m_params->GetTpCalculationMethodsParams().GetMethod();
}

int qz5axGeoDependChecker::CutType() const
{
    return m_params->GetCurCutType();
}

int qz5axGeoDependChecker::MeshPattern() const
{
    return Mesh(*m_params).GetPattern();
}

bool qz5axGeoDependChecker::OutputIs5Or4Axis() const
{
    const int output = m_params->GetCurOutputType();
    return output == qz5axParams::OUTPUT_5_AXIS || output == qz5axParams::OUTPUT_4_AXIS;
}

bool qz5axGeoDependChecker::IsSurfaceBasedCalc() const
{
    return Method() == kSurfaceBased;
}

bool qz5axGeoDependChecker::IsTriMeshBasedCalc() const
{
    return Method() == kMeshBased;
}

bool qz5axGeoDependChecker::IsImpellerTriMeshBasedCalc() const
{
    return IsTriMeshBasedCalc() && MeshPattern() == qzTriangleMeshBasedTpCalcParams::IMPELLER;
}

bool qz5axGeoDependChecker::NeedDriveSurfaces() const
{
    return IsSurfaceBasedCalc() ||
           (Method() == kDrilling && m_params->GetTpCalculationMethodsParams().GetDrillingBasedTpCalcParams().GetPattern() ==
                                         qzDrillingBasedTpCalcParams::POINTS_ON_SURFACE);
}

bool qz5axGeoDependChecker::NeedLeadCurve() const
{
    return IsSurfaceBasedCalc() && CutType() == qz5axParams::ALONG_LEAD_CURVE;
}

bool qz5axGeoDependChecker::NeedLowEdgeCurve() const
{
    return IsSurfaceBasedCalc() && CutType() == qz5axParams::MORPH_BETWEEN_CURVES;
}

bool qz5axGeoDependChecker::NeedUppEdgeCurve() const
{
    return NeedLowEdgeCurve();
}

bool qz5axGeoDependChecker::NeedEdgeCurves() const
{
    return IsSurfaceBasedCalc() && CutType() == qz5axParams::PARALLEL_TO_CURVE;
}

bool qz5axGeoDependChecker::NeedLowEdgeSurfaces() const
{
    return IsSurfaceBasedCalc() && CutType() == qz5axParams::MORPH_BETWEEN_SURFACES;
}

bool qz5axGeoDependChecker::NeedUppEdgeSurfaces() const
{
    return NeedLowEdgeSurfaces();
}

bool qz5axGeoDependChecker::NeedSingleEdgeSurface() const
{
    return IsSurfaceBasedCalc() && CutType() == qz5axParams::PARALLEL_TO_SURFACE;
}

bool qz5axGeoDependChecker::NeedProjectionCurves() const
{
    if (IsSurfaceBasedCalc())
        return CutType() == qz5axParams::PROJECTION_CURVES;
    if (!IsTriMeshBasedCalc() || MeshPattern() != qzTriangleMeshBasedTpCalcParams::PROJECTION)
        return false;
    const int curves = Mesh(*m_params).GetProjectCurvesType();
    return (curves == qzTriangleMeshBasedTpCalcParams::USER_CURVES ||
            curves == qzTriangleMeshBasedTpCalcParams::OFFSET_CURVES) &&
           !m_params->Get2dContainmentParams().GetIsUsedFlg() &&
           !m_params->GetShallowAndSteepAreaParams().GetIsUsedFlg() && !Mesh(*m_params).GetRestFinishingFlg();
}

bool qz5axGeoDependChecker::Need2dContainmentCurves() const
{
    return m_params->Get2dContainmentParams().GetIsUsedFlg() ||
           (IsTriMeshBasedCalc() && MeshPattern() == qzTriangleMeshBasedTpCalcParams::CONTAINMENT_2D);
}

bool qz5axGeoDependChecker::NeedMachiningSurfaces() const
{
    return IsTriMeshBasedCalc() && !IsImpellerTriMeshBasedCalc();
}

bool qz5axGeoDependChecker::NeedTiltCurve() const
{
    const int strategy = m_params->GetTiltStrategy();
    return (strategy == qz5axParams::THROUGH_CURVE || strategy == qz5axParams::AWAY_FROM_CURVE) &&
           m_params->GetCurCurvTiltType() != qz5axParams::CURVE_TILT_THROUGH_AXIS && OutputIs5Or4Axis();
}

bool qz5axGeoDependChecker::NeedTiltLines() const
{
    const int strategy = m_params->GetTiltStrategy();
    if (strategy == qz5axParams::ORIENTATION_LINES)
        return true;
    if (strategy == qz5axParams::THROUGH_LINES)
        return OutputIs5Or4Axis();
    return strategy == qz5axParams::RELATIVE_TO_CUT_DIRECTION &&
           m_params->GetCurSideTiltDefType() == qz5axParams::SIDE_TILT_BY_LINES && OutputIs5Or4Axis();
}

bool qz5axGeoDependChecker::NeedDrillHoleLines() const
{
    return Method() == kDrilling && m_params->GetTpCalculationMethodsParams().GetDrillingBasedTpCalcParams().GetPattern() ==
                                        qzDrillingBasedTpCalcParams::HOLE_LINES;
}

bool qz5axGeoDependChecker::NeedDrillPoints() const
{
    const int pattern = m_params->GetTpCalculationMethodsParams().GetDrillingBasedTpCalcParams().GetPattern();
    return Method() == kDrilling && (pattern == qzDrillingBasedTpCalcParams::POINTS_ON_SURFACE ||
                                     pattern == qzDrillingBasedTpCalcParams::POINTS);
}

bool qz5axGeoDependChecker::NeedDriveCurves() const
{
    return Method() == kDriveCurves;
}

bool qz5axGeoDependChecker::NeedOrientationLines() const
{
    return NeedDriveCurves();
}

bool qz5axGeoDependChecker::NeedOriginalToolpath() const
{
    return Method() == kOriginalToolpath;
}

bool qz5axGeoDependChecker::NeedStockDef() const
{
    const qzCollCtrlOpStockParams& stock = m_params->GetCollCtrlOpStockParams();
    return stock.GetStatus() &&
           (!IsTriMeshBasedCalc() || stock.GetStockType() == qzCollCtrlOpStockParams::STOCK_DEFINITION);
}

bool qz5axGeoDependChecker::NeedStock2dContainment() const
{
    const qzCollCtrlOpStockParams& stock = m_params->GetCollCtrlOpStockParams();
    return stock.GetStatus() && IsTriMeshBasedCalc() &&
           stock.GetStockType() == qzCollCtrlOpStockParams::STOCK_2D_CONTAINMENT;
}

bool qz5axGeoDependChecker::CutPartIsSetForCollCheck4CrtCollOp(const qzCollCtrlOpParams& operation) const
{
    if (IsSurfaceBasedCalc())
        return operation.GetCheckDriveSurfaces();
    if (IsTriMeshBasedCalc())
        return operation.GetCheckMachiningSurfaces();
    return false;
}

bool qz5axGeoDependChecker::NeedCheckSurfaces(qzCollCtrlParams::CollCtrlOperations index) const
{
    const qzCollCtrlOpParams& operation = m_params->GetCollControl().GetCollCtrlOperation(static_cast<unsigned>(index));
    if (!operation.GetStatus())
        return false;
    if (m_ignoreCheckSurface)
        return !CutPartIsSetForCollCheck4CrtCollOp(operation);
    return operation.GetCheckSurfaces();
}
