#include "brimlib/qzAreaParams.h"

void qzShallowAndSteepAreaParams::SetSlopeAngles(double start, double end)
{
    m_SlopeAngleStart = start;
    m_SlopeAngleEnd = end;
}

qzSurfEdgeHandlingParams::qzSurfEdgeHandlingParams(measures::qzUnitsFactory::Units units)
    : measures::qzMeasurable(units), m_MergeDistance(0.01, units)
{
}

void qzTiltRelativeToCutDirParams::SetDefaults()
{
    *this = qzTiltRelativeToCutDirParams(GetUnits());
}
