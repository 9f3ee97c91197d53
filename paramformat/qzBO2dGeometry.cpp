#include "paramformat/qzBO2dGeometry.h"

#include "brimlib/qzException.h"
#include "geometry/qz2dArc.h"
#include "geometry/qz2dConic.h"
#include "geometry/qz2dContour.h"
#include "geometry/qz2dCurve.h"
#include "geometry/qz2dLine.h"
#include "geometry/qz2dPolyLine.h"

#include <cmath>

namespace cadcam
{
namespace
{
[[noreturn]] void Refuse(const char* message)
{
    throw misc::qzException(0, message);
}
} // namespace

/// Routes each kind to its record writer.
template <class T> class qzBO2dGeometry<T>::Dispatch : public qz2dConstGeometryVisitor<T>
{
public:
    explicit Dispatch(qzBO2dGeometry& writer) : m_writer(&writer) {}

    using qz2dConstGeometryVisitor<T>::Visit;
    void Visit(const qz2dCurve<T>&) const override { Refuse("Please define << operator for curve."); }
    void Visit(const qz2dPolyLine<T>& e) const override { m_writer->WritePolyLine(e); }
    void Visit(const qz2dClosedContour<T>&) const override
    {
        Refuse("Please define << operator for closed contour.");
    }
    void Visit(const qz2dContour<T>& e) const override { m_writer->WriteContour(e); }
    void Visit(const qz2dSpline<T>&) const override { Refuse("Please define << operator for spline."); }
    void Visit(const qz2dEllipse<T>&) const override { Refuse("Please define << operator for ellipse."); }
    void Visit(const qz2dParabola<T>& e) const override { m_writer->WriteParabola(e); }
    void Visit(const qz2dArc<T>& e) const override { m_writer->WriteArc(e); }
    void Visit(const qz2dLine<T>& e) const override { m_writer->WriteLine(e); }
    void Visit(const qz2dPoint<T>& e) const override { m_writer->WritePoint(e); }
    void Visit(const qz2dGeometry<T>&) const override { Refuse("Unknown geometric type"); }

private:
    qzBO2dGeometry* m_writer;
};

template <class T>
qzBO2dGeometry<T>::qzBO2dGeometry(misc::qzBinOutputStream& stream, bool shrinkData)
    : m_out(stream, shrinkData)
{
}

template <class T> qzBO2dGeometry<T>::~qzBO2dGeometry() = default;

template <class T> misc::qzBinOutputStream& qzBO2dGeometry<T>::operator<<(const qz2dGeometry<T>& element)
{
    element.AcceptVisitor(static_cast<const qz2dGeometryVisitor<T>&>(Dispatch(*this)));
    return GetStream();
}

template <class T>
misc::qzBinOutputStream& qzBO2dGeometry<T>::operator<<(const misc::qzAutoPointer<qz2dGeometry<T>>& element)
{
    return *this << *element;
}

template <class T> void qzBO2dGeometry<T>::WriteCode(geometryType code)
{
    m_out << static_cast<unsigned char>(code);
}

template <class T> void qzBO2dGeometry<T>::WritePoint(const qz2dPoint<T>& point)
{
    WriteCode(POINT);
    m_out << static_cast<double>(point.x());
    m_out << static_cast<double>(point.y());
}

template <class T> void qzBO2dGeometry<T>::WriteLine(const qz2dLine<T>& line)
{
    // Both points first: an empty one must fail before the code is written.
    const auto start = line.GetStartPoint();
    const auto end = line.GetEndPoint();
    const qz2dPoint<T>& s = *start;
    const qz2dPoint<T>& e = *end;
    WriteCode(LINE);
    WritePoint(s);
    WritePoint(e);
}

template <class T> void qzBO2dGeometry<T>::WriteArc(const qz2dArc<T>& arc)
{
    const auto centerPtr = arc.GetCenter();
    const qz2dPoint<T>& center = *centerPtr;
    const T sweep = arc.GetSweepAngle();
    WriteCode(ARC);
    WritePoint(center);
    m_out << static_cast<double>(arc.GetRadius());
    m_out << static_cast<double>(arc.GetStartAngle());
    m_out << static_cast<double>(std::fabs(sweep));
    // The sign bit, not the comparison, so that a sweep of -0 comes back as -0.
    m_out << static_cast<unsigned char>(std::signbit(sweep) ? CLOCKWISE : COUNTER_CLOCKWISE);
}

template <class T> void qzBO2dGeometry<T>::WritePolyLine(const qz2dPolyLine<T>& polyline)
{
    const auto& points = polyline.GetPoints();
    for (const auto& point : points)
        if (!point)
            misc::detail::ThrowAccessingNullPointer();
    WriteCode(POLYLINE);
    m_out << misc::qzStreamableSize_t(points.size());
    for (const auto& point : points)
        WritePoint(*point);
}

template <class T> void qzBO2dGeometry<T>::WriteContour(const qz2dContour<T>& contour)
{
    WriteCode(CONTOUR);
    m_out << misc::qzStreamableSize_t(contour.GetMembers().size());
    for (const auto& member : contour.GetMembers())
        *this << member;
}

template <class T> void qzBO2dGeometry<T>::WriteParabola(const qz2dParabola<T>& parabola)
{
    const auto vertexPtr = parabola.GetVertexPoint();
    const auto farPtr = parabola.GetFarPoint();
    const qz2dPoint<T>& vertex = *vertexPtr;
    const qz2dPoint<T>& far = *farPtr;
    WriteCode(PARABOLA);
    WritePoint(vertex);
    WritePoint(far);
    m_out << static_cast<unsigned char>(parabola.IsReversed() ? TO_VERTEX : FROM_VERTEX);
}

template class qzBO2dGeometry<float>;
template class qzBO2dGeometry<double>;
} // namespace cadcam
