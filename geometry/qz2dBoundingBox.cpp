#include "geometry/qz2dBoundingBox.h"

#include "brimlib/qzException.h"
#include "geometry/qzGeometryConstants.h"

#include <algorithm>

namespace cadcam
{
template <class T> qz2dBoundingBox<T>::qz2dBoundingBox()
{
    SetEmpty();
}

template <class T>
qz2dBoundingBox<T>::qz2dBoundingBox(const T& minX, const T& minY, const T& maxX, const T& maxY)
    : m_minX(minX), m_minY(minY), m_maxX(maxX), m_maxY(maxY)
{
}

template <class T> void qz2dBoundingBox<T>::SetEmpty()
{
    m_minX = m_minY = qzGeometryConstants<T>::boxSentinel;
    m_maxX = m_maxY = -qzGeometryConstants<T>::boxSentinel;
}

template <class T> bool qz2dBoundingBox<T>::IsEmpty() const
{
    return m_minX > m_maxX || m_minY > m_maxY;
}

template <class T> void qz2dBoundingBox<T>::Set(const T& x1, const T& y1, const T& x2, const T& y2)
{
    m_minX = std::min(x1, x2);
    m_maxX = std::max(x1, x2);
    m_minY = std::min(y1, y2);
    m_maxY = std::max(y1, y2);
}

template <class T> void qz2dBoundingBox<T>::Extend(const T& x, const T& y)
{
    // Every check runs before anything changes: a refused point leaves the box as it was.
    if (x < m_minX && x > m_maxX)
        throw misc::qzException(0, "Minimum x is more then maximum x!");
    if (y < m_minY && y > m_maxY)
        throw misc::qzException(0, "Minimum y is more then maximum y!");
    if (x > m_maxX && x < m_minX)
        throw misc::qzException(0, "Maximum x is less then minimum x!");
    if (y > m_maxY && y < m_minY)
        throw misc::qzException(0, "Maximum y is less then minimum y!");
    if (x < m_minX)
        m_minX = x;
    if (y < m_minY)
        m_minY = y;
    if (x > m_maxX)
        m_maxX = x;
    if (y > m_maxY)
        m_maxY = y;
}

template <class T> void qz2dBoundingBox<T>::Union(const qz2dBoundingBox& other)
{
    // The corners of an empty box are sentinels, not points: joining them would blow the box up
    // (or, into an empty box, be refused).
    if (other.IsEmpty())
        return;
    if (IsEmpty())
    {
        *this = other;
        return;
    }
    Extend(other.m_minX, other.m_minY);
    Extend(other.m_maxX, other.m_maxY);
}

template class qz2dBoundingBox<float>;
template class qz2dBoundingBox<double>;
} // namespace cadcam
