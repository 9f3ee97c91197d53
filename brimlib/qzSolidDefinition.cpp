#include "brimlib/qzSolidDefinition.h"

namespace cadcam
{
template <class T> qzSolidDefinition<T>::qzSolidDefinition(measures::qzUnitsFactory::Units units)
    : measures::qzMeasurable(units)
{
}

template <class T> qzSolidDefinition<T>::~qzSolidDefinition() = default;

template <class T> void qzSolidDefinition<T>::AcceptVisitor(qzSolidDefinitionVisitorGetter<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T>
qzRevolvedSolidDefinition<T>::qzRevolvedSolidDefinition(measures::qzUnitsFactory::Units units,
                                                        misc::qzAutoPointer<qz2dContour<T>> profile)
    : qzSolidDefinition<T>(units), m_profile(std::move(profile))
{
}

template <class T> qzRevolvedSolidDefinition<T>::~qzRevolvedSolidDefinition() = default;

template <class T>
void qzRevolvedSolidDefinition<T>::AcceptVisitor(qzSolidDefinitionVisitorGetter<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T>
qzExtrusionBase<T>::qzExtrusionBase(misc::qzAutoPointer<qz2dContour<T>> contour, T baseHeight)
    : m_baseHeight(baseHeight)
{
    m_contours.push_back(std::move(contour));
}

template <class T>
qzExtrudedSolidDefinition<T>::qzExtrudedSolidDefinition(measures::qzUnitsFactory::Units units)
    : qzSolidDefinition<T>(units)
{
}

template <class T>
qzExtrudedSolidDefinition<T>::qzExtrudedSolidDefinition(measures::qzUnitsFactory::Units units,
                                                        const qzExtrusionBase<T>& base, const qz3dPoint<T>& extrusion)
    : qzSolidDefinition<T>(units), m_base(base), m_extrusion(extrusion)
{
}

template <class T> qzExtrudedSolidDefinition<T>::~qzExtrudedSolidDefinition() = default;

template <class T>
void qzExtrudedSolidDefinition<T>::AcceptVisitor(qzSolidDefinitionVisitorGetter<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T>
qzMeshSolidDefinition<T>::qzMeshSolidDefinition(measures::qzUnitsFactory::Units units,
                                                misc::qzAutoPointer<qzTMesh<T>> mesh)
    : qzSolidDefinition<T>(units), m_mesh(std::move(mesh))
{
}

template <class T> qzMeshSolidDefinition<T>::~qzMeshSolidDefinition() = default;

template <class T> void qzMeshSolidDefinition<T>::AcceptVisitor(qzSolidDefinitionVisitorGetter<T>& visitor) const
{
    visitor.Visit(*this);
}

template class qzSolidDefinition<float>;
template class qzSolidDefinition<double>;
template class qzRevolvedSolidDefinition<float>;
template class qzRevolvedSolidDefinition<double>;
template class qzExtrusionBase<float>;
template class qzExtrusionBase<double>;
template class qzExtrudedSolidDefinition<float>;
template class qzExtrudedSolidDefinition<double>;
template class qzMeshSolidDefinition<float>;
template class qzMeshSolidDefinition<double>;
} // namespace cadcam
