// A length given either as a value or as a percentage of a reference.
#pragma once

#include "brimlib/qzMeasurable.h"

/// Either a percentage (of a reference the user of the parameter knows, such as the tool
/// diameter) or an absolute value in the object's units.
class TESSAFORM_API qzPercentOrValueParameter : public measures::qzMeasurable
{
public:
    /// The value 0 in `units`.
    explicit qzPercentOrValueParameter(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);
    /// A value (not a percentage).
    qzPercentOrValueParameter(double value, measures::qzUnitsFactory::Units units);

    /// True when the parameter is a percentage, false when it is a value.
    bool IsPercent() const { return m_isPercent; }
    /// The stored percentage (0 to 100 for the whole reference) and value; both are kept
    /// whichever one is in use.
    ///@{
    double GetPercent() const { return m_percent; }
    double GetValue() const { return m_value; }
    ///@}
    /// Makes the parameter a percentage.
    void SetPercent(double percent);
    /// Makes the parameter a value.
    void SetValue(double value);
    /// The length it stands for: the value, or the percentage of `reference`.
    double GetActualValue(double reference) const;

    /// Equal when units, kind, percentage and value all match exactly.
    bool operator==(const qzPercentOrValueParameter& other) const;

private:
    bool m_isPercent;
    double m_percent;
    double m_value;
};
