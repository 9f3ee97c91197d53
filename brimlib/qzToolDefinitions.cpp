#include "brimlib/qzToolDefinitions.h"

#include "geometry/qz2dLine.h"

namespace cadcam
{
template <class T>
qzSolidBasedDefinition<T>::qzSolidBasedDefinition(misc::qzAutoPointer<qzSolidDefinition<T>> solid)
    : m_solid(std::move(solid))
{
    if (!m_solid)
        misc::detail::ThrowAccessingNullPointer();
}

template <class T> qzSolidBasedDefinition<T>::~qzSolidBasedDefinition() = default;

template <class T>
qzHolderDefinition<T>::qzHolderDefinition(misc::qzAutoPointer<qzSolidDefinition<T>> solid)
    : qzSolidBasedDefinition<T>(std::move(solid))
{
}

template <class T> qzHolderDefinition<T>::~qzHolderDefinition() = default;

template <class T>
qzArborDefinition<T>::qzArborDefinition(misc::qzAutoPointer<qzSolidDefinition<T>> solid)
    : qzSolidBasedDefinition<T>(std::move(solid))
{
}

template <class T> qzArborDefinition<T>::~qzArborDefinition() = default;

template <class T>
qzToolPartDefinition<T>::qzToolPartDefinition(misc::qzAutoPointer<qzSolidDefinition<T>> solid)
    : qzSolidBasedDefinition<T>(std::move(solid))
{
}

template <class T> qzToolPartDefinition<T>::~qzToolPartDefinition() = default;

qzShoulderExtender::qzShoulderExtender(measures::qzUnitsFactory::Units units, double diameter,
                                       double baseLength)
    : measures::qzMeasurable(units), m_diameter(diameter), m_baseLength(baseLength)
{
}

bool qzShoulderExtender::operator==(const qzShoulderExtender& other) const
{
    return GetUnits() == other.GetUnits() && m_diameter == other.m_diameter &&
           m_baseLength == other.m_baseLength;
}

void qzShoulderExtender::Scale(measures::qzUnitsFactory::Units, const double& factor)
{
    m_diameter *= factor;
    m_baseLength *= factor;
}

misc::qzAutoPointer<qzRevolvedSolidDefinition<double>>
qzToolHelper<double>::CreateCylinder(double diameter, double length, measures::qzUnitsFactory::Units units)
{
    const double radius = diameter / 2.0;
    const misc::qzAutoPointer<qz2dPoint<double>> corners[] = {
        misc::qzMakeAutoPointer<qz2dPoint<double>>(0.0, 0.0),
        misc::qzMakeAutoPointer<qz2dPoint<double>>(radius, 0.0),
        misc::qzMakeAutoPointer<qz2dPoint<double>>(radius, length),
        misc::qzMakeAutoPointer<qz2dPoint<double>>(0.0, length),
    };
    auto profile = misc::qzMakeAutoPointer<qz2dContour<double>>();
    for (std::size_t i = 0; i < 4; ++i)
        profile->AddGeometry(misc::qzMakeAutoPointer<qz2dLine<double>>(corners[i], corners[(i + 1) % 4]));
    return misc::qzMakeAutoPointer<qzRevolvedSolidDefinition<double>>(units, profile);
}

misc::qzAutoPointer<qzArborDefinition<double>>
qzToolHelper<double>::CreateArborAsCylinder(double diameter, double length,
                                            measures::qzUnitsFactory::Units units)
{
    return misc::qzMakeAutoPointer<qzArborDefinition<double>>(CreateCylinder(diameter, length, units));
}

misc::qzAutoPointer<qzHolderDefinition<double>>
qzToolHelper<double>::CreateHolderAsCylinder(double diameter, double length,
                                             measures::qzUnitsFactory::Units units)
{
    return misc::qzMakeAutoPointer<qzHolderDefinition<double>>(CreateCylinder(diameter, length, units));
}

template class qzSolidBasedDefinition<float>;
template class qzSolidBasedDefinition<double>;
template class qzHolderDefinition<float>;
template class qzHolderDefinition<double>;
template class qzArborDefinition<float>;
template class qzArborDefinition<double>;
template class qzToolPartDefinition<float>;
template class qzToolPartDefinition<double>;
} // namespace cadcam
