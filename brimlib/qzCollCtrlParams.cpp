#include "brimlib/qzCollCtrlParams.h"

#include <algorithm>
#include <stdexcept>

qzCollCtrlOpBaseParams::qzCollCtrlOpBaseParams(measures::qzUnitsFactory::Units units) : measures::qzMeasurable(units)
{
}

qzCollCtrlOpParams::qzCollCtrlOpParams(measures::qzUnitsFactory::Units units) : qzCollCtrlOpBaseParams(units)
{
    // The continuity distance follows the units: 0.1 mm or 0.05 inch.
    m_DistForToolAxOrContinuous = units == measures::qzUnitsFactory::METRIC ? 0.1 : 0.05;
}

void qzCollCtrlOpParams::SetAvoidTiltAngles(double minAngle, double maxAngle)
{
    m_AvoidMinTiltAngle = minAngle;
    m_AvoidMaxTiltAngle = maxAngle;
}

void qzCollCtrlOpParams::SetAllowedAnglesInCutDirection(double minAngle, double maxAngle)
{
    m_MinAllowedAngleInCutDirection = minAngle;
    m_MaxAllowedAngleInCutDirection = maxAngle;
}

void qzCollCtrlOpParams::SetPreferredTiltAngleUsingMaxTiltAngle(double angle, double maxTiltAngle)
{
    m_PreferredTiltAngle = std::clamp(angle, 0.0, std::max(0.0, maxTiltAngle));
}

void qzCollCtrlOpParams::SetCCWith2DegOptionsList(const qzCCWith2DegOptionsList& list)
{
    if (&list != &m_options)
        m_options = list;
}

qzCollCtrlOpStockParams::qzCollCtrlOpStockParams(measures::qzUnitsFactory::Units units)
    : qzCollCtrlOpBaseParams(units), m_IgnoredSmallContoursSize(0.0, units)
{
}

qzCollCtrlParams::qzCollCtrlParams(measures::qzUnitsFactory::Units units)
    : measures::qzMeasurable(units), m_operations(4, qzCollCtrlOpParams(units))
{
}

const qzCollCtrlOpParams& qzCollCtrlParams::GetCollCtrlOperation(unsigned index) const
{
    if (index >= m_operations.size())
        throw std::out_of_range("invalid vector<T> subscript");
    return m_operations[index];
}

void qzCollCtrlParams::SetCollCtrlOperation(const qzCollCtrlOpParams& operation, unsigned index)
{
    if (index >= m_operations.size())
        throw std::out_of_range("invalid vector<T> subscript");
    m_operations[index] = operation;
}
