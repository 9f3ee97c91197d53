#include "toolgeometry/qz3dShape.h"

#include "brimlib/qzException.h"

namespace cadcam
{
namespace
{
[[noreturn]] void ThrowNoObjectSlot()
{
    throw misc::qzException(0, "Unable to visit a 3d shape with an object visitor");
}
} // namespace

template <class T> qz3dShape<T>::qz3dShape() = default;
template <class T> qz3dShape<T>::qz3dShape(const qz3dShape& other) = default;
template <class T> qz3dShape<T>& qz3dShape<T>::operator=(const qz3dShape& other) = default;
template <class T> qz3dShape<T>::~qz3dShape() = default;

template <class T> void qz3dShape<T>::AcceptVisitor(const qz3dObjectVisitor<T>&) const
{
    ThrowNoObjectSlot();
}

template <class T> void qz3dShape<T>::AcceptVisitor(qz3dObjectVisitor<T>&)
{
    ThrowNoObjectSlot();
}

template <class T> bool qz3dShape<T>::IsSolid() const
{
    return true;
}

template <class T> qz3dShapeList<T>::qz3dShapeList() = default;
template <class T> qz3dShapeList<T>::qz3dShapeList(const qz3dShapeList& other) = default;
template <class T> qz3dShapeList<T>& qz3dShapeList<T>::operator=(const qz3dShapeList& other) = default;
template <class T> qz3dShapeList<T>::~qz3dShapeList() = default;

template <class T> void qz3dShapeList<T>::Add(ShapePtr shape)
{
    if (!shape)
        misc::detail::ThrowAccessingNullPointer();
    m_shapes.push_back(std::move(shape));
}

template <class T> T qz3dShapeList<T>::GetVolume() const
{
    T volume = T(0);
    for (const ShapePtr& shape : m_shapes)
        volume += shape->GetVolume();
    return volume;
}

template class qz3dShape<float>;
template class qz3dShape<double>;
template class qz3dShapeList<float>;
template class qz3dShapeList<double>;
} // namespace cadcam
