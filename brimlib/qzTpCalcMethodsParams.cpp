#include "brimlib/qzTpCalcMethodsParams.h"

qzImpellerParams::qzImpellerParams(measures::qzUnitsFactory::Units units)
    : measures::qzMeasurable(units), m_CutParams(units), m_MachLayerDefParams(units),
      m_OffsetAndClearanceParams(units), m_SmoothParams(units), m_SplittersImpellerParams(units),
      m_TiltParams(units), m_TrimAndExtendParams(units)
{
}

qzTriangleMeshBasedTpCalcParams::qzTriangleMeshBasedTpCalcParams(measures::qzUnitsFactory::Units units)
    : measures::qzMeasurable(units), m_ProjectionPatternParams(units), m_ImpellerParams(units)
{
}

void qzTriangleMeshBasedTpCalcParams::SetProjectCurvesRadiusStartEnd(double start, double end)
{
    m_ProjectCurvesRadiusStart = start;
    m_ProjectCurvesRadiusEnd = end;
}

void qzTriangleMeshBasedTpCalcParams::SetProjectCurvesAngleStartEnd(double start, double end)
{
    m_ProjectCurvesAngleStart = start;
    m_ProjectCurvesAngleEnd = end;
}

qzTpCalcMethodsParams::qzTpCalcMethodsParams(measures::qzUnitsFactory::Units units)
    : m_TriangleMeshBasedTpCalcParams(units), m_DrillingBasedTpCalcParams(units), m_WireframeBasedTpCalcParams(units)
{
}
