#include "geometry/qz2dContourTransformationFactory.h"

#include "brimlib/qzException.h"
#include "geometry/qz2dArc.h"
#include "geometry/qz2dConic.h"
#include "geometry/qz2dPolyLine.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cadcam
{
namespace
{
constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

[[noreturn]] void Refuse(const char* message)
{
    throw misc::qzException(0, message);
}
} // namespace

template <class T>
qz2dContourTransformationFactory<T>::qz2dContourTransformationFactory(misc::qzAutoPointer<qz2dContour<T>> target,
                                                                      const qzMatrix<T, 3, 3>& matrix)
    : m_target(std::move(target)), m_matrix(matrix)
{
}

template <class T> qz2dContourTransformationFactory<T>::~qz2dContourTransformationFactory() = default;

template <class T>
misc::qzAutoPointer<qz2dContour<T>> qz2dContourTransformationFactory<T>::Transform(const qz2dContour<T>& source,
                                                                                   const qzMatrix<T, 3, 3>& matrix)
{
    misc::qzAutoPointer<qz2dContour<T>> target(new qz2dContour<T>());
    const qz2dContourTransformationFactory factory(target, matrix);
    for (const auto& member : source)
        member->AcceptVisitor(factory);
    return target;
}

template <class T>
misc::qzAutoPointer<qz2dPoint<T>> qz2dContourTransformationFactory<T>::Apply(const qz2dPoint<T>& p) const
{
    const qzMatrix<T, 3, 3>& m = m_matrix;
    return misc::qzAutoPointer<qz2dPoint<T>>(new qz2dPoint<T>(m[0][0] * p.x() + m[0][1] * p.y() + m[0][2],
                                                              m[1][0] * p.x() + m[1][1] * p.y() + m[1][2]));
}

template <class T> void qz2dContourTransformationFactory<T>::Visit(const qz2dCurve<T>&) const
{
    Refuse("Not implemented");
}

template <class T> void qz2dContourTransformationFactory<T>::Visit(const qz2dPolyLine<T>& polyline) const
{
    misc::qzAutoPointer<qz2dPolyLine<T>> result(new qz2dPolyLine<T>());
    result->ReservePoints(polyline.GetPointCount());
    for (const auto& vertex : polyline.GetPoints())
        result->AddPoint(Apply(*vertex));
    m_target->AddGeometry(misc::qzAutoPointer<qz2dGeometry<T>>(result));
}

template <class T> void qz2dContourTransformationFactory<T>::Visit(const qz2dClosedContour<T>&) const
{
    Refuse("Not implemented");
}

template <class T> void qz2dContourTransformationFactory<T>::Visit(const qz2dContour<T>& contour) const
{
    m_target->AddGeometry(misc::qzAutoPointer<qz2dGeometry<T>>(Transform(contour, m_matrix)));
}

template <class T> void qz2dContourTransformationFactory<T>::Visit(const qz2dSpline<T>&) const
{
    Refuse("Not implemented");
}

template <class T> void qz2dContourTransformationFactory<T>::Visit(const qz2dEllipse<T>& ellipse) const
{
    const qzMatrix<T, 3, 3>& m = m_matrix;
    // Images of the semi-axis vectors (A, 0) and (0, B) under the linear part of the map.
    const T a = ellipse.GetA(), b = ellipse.GetB();
    const T ax = m[0][0] * a, ay = m[1][0] * a, bx = m[0][1] * b, by = m[1][1] * b;
    const T scale = std::abs(ax) + std::abs(ay) + std::abs(bx) + std::abs(by);
    // Quarter turns come with rounding of the matrix's precision in place of exact zeros.
    const T eps = std::max(T(1e-9), T(16) * std::numeric_limits<T>::epsilon()) * scale;
    T newA, newB;
    if (std::abs(ay) <= eps && std::abs(bx) <= eps)
    {
        newA = std::abs(ax);
        newB = std::abs(by);
    }
    else if (std::abs(ax) <= eps && std::abs(by) <= eps)
    {
        newA = std::abs(bx);
        newB = std::abs(ay);
    }
    else
        Refuse("An axis-aligned ellipse cannot follow this transformation");
    m_target->AddGeometry(misc::qzAutoPointer<qz2dGeometry<T>>(new qz2dEllipse<T>(Apply(*ellipse.GetCenter()), newA, newB)));
}

template <class T> void qz2dContourTransformationFactory<T>::Visit(const qz2dParabola<T>& parabola) const
{
    misc::qzAutoPointer<qz2dParabola<T>> result(
        new qz2dParabola<T>(Apply(*parabola.GetVertexPoint()), Apply(*parabola.GetFarPoint())));
    if (parabola.IsReversed())
        result->Reverse();
    m_target->AddGeometry(misc::qzAutoPointer<qz2dGeometry<T>>(result));
}

template <class T> void qz2dContourTransformationFactory<T>::Visit(const qz2dArc<T>& arc) const
{
    const qzMatrix<T, 3, 3>& m = m_matrix;
    const misc::qzAutoPointer<qz2dPoint<T>> center = Apply(*arc.GetCenter());
    const misc::qzAutoPointer<qz2dPoint<T>> start = Apply(*arc.GetStartPoint());
    const T radius = center->GetDistance(*start);
    T startAngle = std::atan2(start->y() - center->y(), start->x() - center->x()) * static_cast<T>(kDegreesPerRadian);
    if (startAngle < T(0))
        startAngle += T(360);
    const bool mirrors = m[0][0] * m[1][1] < m[0][1] * m[1][0];
    const T sweep = mirrors ? -arc.GetSweepAngle() : arc.GetSweepAngle();
    m_target->AddGeometry(misc::qzAutoPointer<qz2dGeometry<T>>(new qz2dArc<T>(center, radius, startAngle, sweep)));
}

template <class T> void qz2dContourTransformationFactory<T>::Visit(const qz2dLine<T>& line) const
{
    m_target->AddGeometry(misc::qzAutoPointer<qz2dGeometry<T>>(
        new qz2dLine<T>(Apply(*line.GetStartPoint()), Apply(*line.GetEndPoint()))));
}

template <class T> void qz2dContourTransformationFactory<T>::Visit(const qz2dPoint<T>& point) const
{
    m_target->AddGeometry(misc::qzAutoPointer<qz2dGeometry<T>>(Apply(point)));
}

template <class T> void qz2dContourTransformationFactory<T>::Visit(const qz2dGeometry<T>&) const
{
    Refuse("Unable to apply transformation matrix to abstract class");
}

template class qz2dContourTransformationFactory<float>;
template class qz2dContourTransformationFactory<double>;
} // namespace cadcam
