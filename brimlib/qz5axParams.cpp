#include "brimlib/qz5axParams.h"

qz5axParams::qz5axParams(measures::qzUnitsFactory::Units units)
    : measures::qzMeasurable(units), m_CollControl(units), m_LinkParams(units), m_RoughingParams(units),
      m_ContourStartExtraLength(0.0, units), m_ContourEndExtraLength(0.0, units), m_ShallowAndSteepAreaParams(units),
      m_2dContainmentParams(units), m_CollCtrlOpStockParams(units), m_TpCalculationMethodsParams(units),
      m_SurfEdgeHandlingParams(units), m_TiltRelativeToCutDirParams(units), m_TiltRelToImpellerMachLayerParams(units),
      m_machDef(new post::qz5axMachDef(units))
{
    // Lengths whose sensible default depends on the units.
    if (units == measures::qzUnitsFactory::INCH)
    {
        m_CutTolerance = 0.0004;
        m_SurfaceEdgeCurveTol = 0.00118;
        m_MaxProjectionDistance = 0.004;
    }
}

void qz5axParams::SetDefaults()
{
    *this = qz5axParams(GetUnits());
}
