// The parts a tool is assembled from: holder, arbor and tool-part definitions around a solid,
// the shoulder extender, and the cylinders that stand in for holders and arbors given by size.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzMeasurable.h"
#include "brimlib/qzSolidDefinition.h"

namespace cadcam
{
/// A tool component described by a solid; its units are those of the solid.
template <class T> class TESSAFORM_API qzSolidBasedDefinition
{
public:
    /// Holds `solid`; "Accessing NULL pointer" when it is empty.
    explicit qzSolidBasedDefinition(misc::qzAutoPointer<qzSolidDefinition<T>> solid);
    virtual ~qzSolidBasedDefinition();

    /// The solid, shared and never empty.
    const misc::qzAutoPointer<qzSolidDefinition<T>>& GetSolid() const { return m_solid; }
    /// Units of the solid.
    measures::qzUnitsFactory::Units GetUnits() const { return m_solid->GetUnits(); }

private:
    misc::qzAutoPointer<qzSolidDefinition<T>> m_solid;
};

/// The holder that clamps a tool or its arbor.
template <class T> class TESSAFORM_API qzHolderDefinition : public qzSolidBasedDefinition<T>
{
public:
    /// Holds `solid`; "Accessing NULL pointer" when it is empty.
    explicit qzHolderDefinition(misc::qzAutoPointer<qzSolidDefinition<T>> solid);
    ~qzHolderDefinition() override;
};

/// The arbor (extension) between a tool and its holder.
template <class T> class TESSAFORM_API qzArborDefinition : public qzSolidBasedDefinition<T>
{
public:
    /// Holds `solid`; "Accessing NULL pointer" when it is empty.
    explicit qzArborDefinition(misc::qzAutoPointer<qzSolidDefinition<T>> solid);
    ~qzArborDefinition() override;
};

/// A part of the tool body itself: the cutting part or the non-cutting part (shank).
template <class T> class TESSAFORM_API qzToolPartDefinition : public qzSolidBasedDefinition<T>
{
public:
    /// Holds `solid`; "Accessing NULL pointer" when it is empty.
    explicit qzToolPartDefinition(misc::qzAutoPointer<qzSolidDefinition<T>> solid);
    ~qzToolPartDefinition() override;
};

/// The plain cylinder above the cutting length of a typed tool: its diameter and the height
/// (from the tool tip) where it begins.
class TESSAFORM_API qzShoulderExtender : public measures::qzMeasurable
{
public:
    /// An extender in `units` with the given diameter and base length.
    explicit qzShoulderExtender(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC,
                                double diameter = 0.0, double baseLength = 0.0);

    /// Diameter of the cylinder, in the object's units.
    ///@{
    double GetDiameter() const { return m_diameter; }
    void SetDiameter(double diameter) { m_diameter = diameter; }
    ///@}
    /// Height above the tool tip where the cylinder begins, in the object's units.
    ///@{
    double GetBaseLength() const { return m_baseLength; }
    void SetBaseLength(double baseLength) { m_baseLength = baseLength; }
    ///@}

    /// Same units, diameter and base length.
    bool operator==(const qzShoulderExtender& other) const;
    /// Negation of operator==.
    bool operator!=(const qzShoulderExtender& other) const { return !(*this == other); }

protected:
    void Scale(measures::qzUnitsFactory::Units units, const double& factor) override;

private:
    double m_diameter;
    double m_baseLength;
};

template <class T> class qzToolHelper;

/// Builds holders and arbors that are known only by their size.
template <> class TESSAFORM_API qzToolHelper<double>
{
public:
    /// An arbor revolved from the closed rectangle half-profile (0, 0) -> (d/2, 0) ->
    /// (d/2, length) -> (0, length) -> (0, 0): four lines, the last one along the axis.
    static misc::qzAutoPointer<qzArborDefinition<double>>
    CreateArborAsCylinder(double diameter, double length, measures::qzUnitsFactory::Units units);
    /// A holder built like the arbor above.
    static misc::qzAutoPointer<qzHolderDefinition<double>>
    CreateHolderAsCylinder(double diameter, double length, measures::qzUnitsFactory::Units units);
    /// The revolved cylinder both use.
    static misc::qzAutoPointer<qzRevolvedSolidDefinition<double>>
    CreateCylinder(double diameter, double length, measures::qzUnitsFactory::Units units);
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzSolidBasedDefinition<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzSolidBasedDefinition<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzHolderDefinition<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzHolderDefinition<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzArborDefinition<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzArborDefinition<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzToolPartDefinition<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzToolPartDefinition<double>;
} // namespace cadcam
