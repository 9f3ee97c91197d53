#include "brimlib/qzRoughingParams.h"

void qzSortTpRoughParams::SetDefaults()
{
    *this = qzSortTpRoughParams(GetUnits());
}

qzRoughingParams::qzRoughingParams(measures::qzUnitsFactory::Units units)
    : m_MultiCutsRoughParams(units), m_PlungeRoughParams(units), m_MorphPocketRoughParams(units),
      m_DepthCutsRoughParams(units), m_BlendRoughParams(units), m_TrochoidalRoughParams(units),
      m_AreaRoughParams(units), m_TPRotationRoughParams(units), m_SortTpRoughParams(units)
{
}

void qzRoughingParams::SetDefaults()
{
    *this = qzRoughingParams(m_MultiCutsRoughParams.GetUnits());
}
