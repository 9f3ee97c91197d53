#include "toolgeometry/qzProfileToShapeIf.h"

#include <cmath>

namespace cadcam
{
namespace
{
// The single-precision value of 1e-6, in both instantiations.
constexpr double kFlat = static_cast<double>(1e-6f);
} // namespace

template <class T> void qzProfileToShapeIf<T>::Create(const qz2dPolyLine<T>& profile)
{
    const auto& points = profile.GetPoints();
    if (points.empty())
        return;
    T x0 = points.front()->x(), y0 = points.front()->y();
    for (auto it = points.begin() + 1; it != points.end(); ++it)
    {
        const T x1 = (*it)->x(), y1 = (*it)->y();
        if (std::abs(y0 - y1) > T(kFlat))
        {
            const T height = y1 - y0;
            if (std::abs(x0 - x1) > T(kFlat))
                CreateCone(x0, x1, height, y0);
            else
                CreateCylinder(x0, height, y0);
        }
        x0 = x1;
        y0 = y1;
    }
}

template <class T>
qzTProfileToCylinderApproximation<T>::qzTProfileToCylinderApproximation(const qz2dPolyLine<T>& profile)
    : m_radius(T(0)), m_height(T(0))
{
    this->Create(profile);
}

template <class T>
qzTProfileToCylinderApproximation<T>::qzTProfileToCylinderApproximation(
    const qzTProfileToCylinderApproximation&) = default;
template <class T>
qzTProfileToCylinderApproximation<T>&
qzTProfileToCylinderApproximation<T>::operator=(const qzTProfileToCylinderApproximation&) = default;
template <class T> qzTProfileToCylinderApproximation<T>::~qzTProfileToCylinderApproximation() = default;

template <class T> void qzTProfileToCylinderApproximation<T>::CheckRadius(const T& radius)
{
    if (radius > m_radius)
        m_radius = radius;
}

template <class T> void qzTProfileToCylinderApproximation<T>::CheckHeight(const T& height)
{
    m_height += height;
}

template <class T>
void qzTProfileToCylinderApproximation<T>::CreateCylinder(const T& radius, const T& height, const T&)
{
    CheckHeight(height);
    CheckRadius(radius);
}

template <class T>
void qzTProfileToCylinderApproximation<T>::CreateCone(const T& radius1, const T& radius2, const T& height,
                                                      const T&)
{
    CheckHeight(height);
    CheckRadius(radius1);
    CheckRadius(radius2);
}

template class qzProfileToShapeIf<float>;
template class qzProfileToShapeIf<double>;
template class qzTProfileToCylinderApproximation<float>;
template class qzTProfileToCylinderApproximation<double>;
} // namespace cadcam
