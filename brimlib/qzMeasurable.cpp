#include "brimlib/qzMeasurable.h"

namespace measures
{
double qzUnitsFactory::ConversionFactor(Units from, Units to)
{
    if (from == to || from == NONE || to == NONE)
        return 1.0;
    return from == METRIC ? 1.0 / 25.4 : 25.4;
}

qzMeasurable::qzMeasurable(qzUnitsFactory::Units units) : m_units(units) {}
qzMeasurable::~qzMeasurable() = default;

void qzMeasurable::SetUnits(qzUnitsFactory::Units units, bool convert)
{
    if (convert && units != m_units)
        Scale(units, qzUnitsFactory::ConversionFactor(m_units, units));
    m_units = units;
}

void qzMeasurable::Scale(qzUnitsFactory::Units, const double&) {}
} // namespace measures
