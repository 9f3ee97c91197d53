#include "brimlib/qzPercentOrValueParameter.h"

qzPercentOrValueParameter::qzPercentOrValueParameter(measures::qzUnitsFactory::Units units)
    : measures::qzMeasurable(units), m_isPercent(false), m_percent(0.0), m_value(0.0)
{
}

qzPercentOrValueParameter::qzPercentOrValueParameter(double value, measures::qzUnitsFactory::Units units)
    : measures::qzMeasurable(units), m_isPercent(false), m_percent(0.0), m_value(value)
{
}

void qzPercentOrValueParameter::SetPercent(double percent)
{
    m_isPercent = true;
    m_percent = percent;
}

void qzPercentOrValueParameter::SetValue(double value)
{
    m_isPercent = false;
    m_value = value;
}

double qzPercentOrValueParameter::GetActualValue(double reference) const
{
    return m_isPercent ? reference * m_percent / 100.0 : m_value;
}

bool qzPercentOrValueParameter::operator==(const qzPercentOrValueParameter& other) const
{
    return GetUnits() == other.GetUnits() && m_isPercent == other.m_isPercent && m_percent == other.m_percent &&
           m_value == other.m_value;
}
