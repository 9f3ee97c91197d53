#include "brimlib/qzLinkParams.h"

qzInterlinkHandeler::qzInterlinkHandeler(measures::qzUnitsFactory::Units units)
    : measures::qzMeasurable(units), m_GapSize(qzPercentOrValueParameter(0.0, units))
{
}

qzLinkBetweenPasses::qzLinkBetweenPasses(measures::qzUnitsFactory::Units units) : measures::qzMeasurable(units) {}

qzLinkParams::qzLinkParams(measures::qzUnitsFactory::Units units)
    : m_GapsAlongCut(units), m_LinkBetweenSlices(units), m_LinkBetweenPasses(units)
{
}

void qzLinkParams::SetDefaults()
{
    *this = qzLinkParams(m_GapsAlongCut.GetUnits());
}
