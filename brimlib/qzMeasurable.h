// Units of measurable objects.
#pragma once

#include "tessaform_export.h"

namespace measures
{
/// Units of length.
class TESSAFORM_API qzUnitsFactory
{
public:
    /// Unit system of an object's lengths; the stored value is part of the binary format.
    enum Units : int
    {
        NONE = 0,   ///< not set
        METRIC = 1, ///< millimetres
        INCH = 2    ///< inches
    };

    /// Factor that converts a length from `from` to `to` (1 when either is NONE).
    static double ConversionFactor(Units from, Units to);
};

/// An object that carries units.
class TESSAFORM_API qzMeasurable
{
public:
    /// An object in `units`.
    explicit qzMeasurable(qzUnitsFactory::Units units = qzUnitsFactory::METRIC);
    /// Copies keep the units of the source.
    ///@{
    qzMeasurable(const qzMeasurable&) = default;
    qzMeasurable& operator=(const qzMeasurable&) = default;
    ///@}
    virtual ~qzMeasurable();

    /// Units the object's lengths are given in.
    qzUnitsFactory::Units GetUnits() const { return m_units; }
    /// Sets the units; with `convert` the object's lengths are scaled to the new units first.
    void SetUnits(qzUnitsFactory::Units units, bool convert);

protected:
    /// Scales the object's lengths by `factor` on a change to `units`. Objects whose values are
    /// not lengths, or that keep values as entered, leave this empty.
    virtual void Scale(qzUnitsFactory::Units units, const double& factor);

private:
    qzUnitsFactory::Units m_units;
};
} // namespace measures
