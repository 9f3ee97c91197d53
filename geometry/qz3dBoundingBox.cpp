#include "geometry/qz3dBoundingBox.h"

#include "geometry/qzGeometryConstants.h"

#include <algorithm>

namespace cadcam
{
template <class T> qz3dBoundingBox<T>::qz3dBoundingBox()
{
    SetEmpty();
}

template <class T>
qz3dBoundingBox<T>::qz3dBoundingBox(const qzTPoint3d<T>& min, const qzTPoint3d<T>& max) : m_min(min), m_max(max)
{
}

template <class T> void qz3dBoundingBox<T>::SetEmpty()
{
    const T s = qzGeometryConstants<T>::boxSentinel;
    m_min = qzTPoint3d<T>(s, s, s);
    m_max = qzTPoint3d<T>(-s, -s, -s);
}

template <class T> bool qz3dBoundingBox<T>::IsEmpty() const
{
    return m_min.x() > m_max.x() || m_min.y() > m_max.y() || m_min.z() > m_max.z();
}

template <class T> void qz3dBoundingBox<T>::Set(const qzTPoint3d<T>& a, const qzTPoint3d<T>& b)
{
    m_min = qzTPoint3d<T>(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::min(a.z(), b.z()));
    m_max = qzTPoint3d<T>(std::max(a.x(), b.x()), std::max(a.y(), b.y()), std::max(a.z(), b.z()));
}

template <class T> void qz3dBoundingBox<T>::Extend(const qzTPoint3d<T>& p)
{
    m_min = qzTPoint3d<T>(std::min(m_min.x(), p.x()), std::min(m_min.y(), p.y()), std::min(m_min.z(), p.z()));
    m_max = qzTPoint3d<T>(std::max(m_max.x(), p.x()), std::max(m_max.y(), p.y()), std::max(m_max.z(), p.z()));
}

template <class T> void qz3dBoundingBox<T>::Union(const qz3dBoundingBox& other)
{
    if (other.IsEmpty())
        return;
    Extend(other.m_min);
    Extend(other.m_max);
}

template class qz3dBoundingBox<float>;
template class qz3dBoundingBox<double>;
} // namespace cadcam
