#include "toolgeometry/qzSolidDefinitionMeshFactory.h"

#include "brimlib/qz2dPolygonOffseter.h"
#include "brimlib/qzException.h"
#include "foundation/qzWMException.h"
#include "geometry/qz2dArc.h"
#include "geometry/qz2dConic.h"
#include "geometry/qz2dCurve.h"
#include "geometry/qz2dGeometryPolygonizer.h"
#include "geometry/qz2dLine.h"
#include "geometry/qzWildMagicAdapter.h"

#include <cmath>
#include <type_traits>
#include <vector>

namespace cadcam
{
namespace
{
constexpr double kPi = 3.14159265358979323846; // not M_PI: MinGW's math.h hides it in strict C++17
using measures::qzUnitsFactory;

template <class T> using Soup = typename qzTMesh<T>::qzTTriangleVector;
template <class T> using P3 = qzTPoint3d<T>;

// Gap below which a polyline's last vertex counts as its first (the polyline's own merge gap).
template <class T> constexpr T kCloseGap = std::is_same<T, float>::value ? T(1e-6) : T(1e-12);

/// Signed area enclosed by a closed contour (counter-clockwise positive): exact for lines and
/// arcs, points add nothing, other curves by their chords at the given tolerance.
template <class T> class AreaSummer : public qz2dConstGeometryVisitor<T>
{
public:
    explicit AreaSummer(T tolerance) : m_tolerance(tolerance) {}
    double Area() const { return 0.5 * m_twice; }

    using qz2dConstGeometryVisitor<T>::Visit;
    void Visit(const qz2dLine<T>& line) const override
    {
        const auto s = line.GetStartPoint(), e = line.GetEndPoint();
        m_twice += double(s->x()) * e->y() - double(e->x()) * s->y();
    }
    void Visit(const qz2dArc<T>& arc) const override
    {
        // Twice the integral of (x dy - y dx) / 2 along the arc.
        const double r = arc.GetRadius(), s = arc.GetSweepAngle() * kPi / 180.0;
        const double a0 = arc.GetStartAngle() * kPi / 180.0, a1 = a0 + s;
        const auto c = arc.GetCenter();
        m_twice += r * r * s + r * (c->x() * (std::sin(a1) - std::sin(a0)) - c->y() * (std::cos(a1) - std::cos(a0)));
    }
    void Visit(const qz2dPoint<T>&) const override {}
    void Visit(const qz2dContour<T>& contour) const override { Members(contour); }
    void Visit(const qz2dClosedContour<T>& contour) const override { Members(contour); }
    void Visit(const qz2dPolyLine<T>& polyline) const override { Members(polyline); }
    void Visit(const qz2dCurve<T>& e) const override { Chords(e); }
    void Visit(const qz2dSpline<T>& e) const override { Chords(e); }
    void Visit(const qz2dEllipse<T>& e) const override { Chords(e); }
    void Visit(const qz2dParabola<T>& e) const override { Chords(e); }
    void Visit(const qz2dGeometry<T>& e) const override { Chords(e); }

private:
    void Members(const qz2dContour<T>& contour) const
    {
        for (const auto& member : contour)
            member->AcceptVisitor(*this);
    }
    void Chords(const qz2dGeometry<T>& element) const
    {
        auto polyline = misc::qzMakeAutoPointer<qz2dPolyLine<T>>();
        element.AcceptVisitor(qz2dGeometryPolygonizer<T>(m_tolerance, polyline));
        Members(*polyline);
    }

    T m_tolerance;
    mutable double m_twice = 0.0;
};

template <class T> double PolylineArea(const qz2dPolyLine<T>& polyline)
{
    const auto& points = polyline.GetPoints();
    double twice = 0.0;
    for (std::size_t i = 0, n = points.size(); i < n; ++i)
    {
        const auto& a = *points[i];
        const auto& b = *points[(i + 1) % n];
        twice += double(a.x()) * b.y() - double(b.x()) * a.y();
    }
    return 0.5 * twice;
}

[[noreturn]] void ThrowTooFewVertices()
{
    throw qzcadcamException::TOO_FEW_POLYLINE_POINTS;
}

/// Makes the polyline end exactly where it starts.
template <class T> void ClosePolyline(qz2dPolyLine<T>& polyline)
{
    if (polyline.GetPointCount() < 2)
        ThrowTooFewVertices();
    if (polyline.IsClosed())
        return;
    const auto& points = polyline.GetPoints();
    if (points.back()->GetDistance(*points.front()) <= kCloseGap<T>)
    {
        polyline.RemovePoint(polyline.PointsEnd() - 1);
        if (polyline.GetPointCount() < 2)
            ThrowTooFewVertices();
    }
    polyline.AddPoint(qz2dPoint<T>(*polyline.GetPoints().front()));
}

template <class T> P3<T> MeshPoint(const qz2dPoint<T>& p, T height)
{
    return P3<T>(p.x(), height, p.y());
}

/// The cap of a closed polyline at `height`, facing +Y or -Y.
template <class T>
misc::qzAutoPointer<qzTMesh<T>> BuildCap(const qz2dPolyLine<T>& polyline, T height, qzUnitsFactory::Units units,
                                         bool facesUp)
{
    auto cap = misc::qzMakeAutoPointer<qzTMesh<T>>(units);
    const auto& points = polyline.GetPoints();
    std::vector<const qz2dPoint<T>*> distinct;
    for (const auto& p : points)
    {
        bool seen = false;
        for (const auto* q : distinct)
            seen = seen || q->IsEqual(*p);
        if (!seen && distinct.size() < 3)
            distinct.push_back(p.Get());
    }
    if (points.size() < 3 || distinct.size() < 3)
        return cap;
    const double area = PolylineArea(polyline);
    // A closed chain that only runs out and back encloses nothing: it has no cap.
    if (area == 0.0)
        return cap;

    std::vector<const qz2dPoint<T>*> ccw;
    for (const auto& p : points)
        ccw.push_back(p.Get());
    if (area < 0.0)
        std::reverse(ccw.begin(), ccw.end());
    std::vector<wildmagic::Vec2<T>> positions;
    for (const auto* p : ccw)
        positions.push_back({p->x(), p->y()});

    std::vector<int> triples;
    try
    {
        triples = wildmagic::TriangulateEarClipping(positions);
    }
    catch (...)
    {
        throw qzWMException(qzWMException::TRIANGULATION_FAILED);
    }

    // The closing repeat makes one triple degenerate; the soup drops it with its zero edge.
    Soup<T> soup;
    soup.Reserve(triples.size() / 3);
    for (std::size_t t = 0; t + 2 < triples.size(); t += 3)
    {
        const P3<T> a = MeshPoint(*ccw[triples[t]], height);
        const P3<T> b = MeshPoint(*ccw[triples[t + 1]], height);
        const P3<T> c = MeshPoint(*ccw[triples[t + 2]], height);
        if (facesUp)
            soup.AddTriangle(a, c, b, Cross(b - c, a - c));
        else
            soup.AddTriangle(a, b, c, Cross(c - b, a - b));
    }
    cap->SetTriangles(soup);
    return cap;
}
} // namespace

template <class T>
misc::qzAutoPointer<qz2dPolyLine<T>>
qzSolidDefinitionMeshFactory<T>::BuildExtrudedContour(const misc::qzAutoPointer<qz2dPolyLine<T>>& bottom,
                                                      const qz3dPoint<T>& extrusion)
{
    auto top = misc::qzMakeAutoPointer<qz2dPolyLine<T>>();
    top->ReservePoints(bottom->GetPointCount());
    for (const auto& p : bottom->GetPoints())
        top->AddPoint(qz2dPoint<T>(p->x() + extrusion.x(), p->y() + extrusion.y()));
    ClosePolyline(*top);
    return top;
}

template <class T>
misc::qzAutoPointer<qzTMesh<T>> qzSolidDefinitionMeshFactory<T>::Create(const qzExtrudedSolidDefinition<T>& solid,
                                                                       T offset, T tolerance)
{
    const auto units = solid.GetUnits();
    auto mesh = misc::qzMakeAutoPointer<qzTMesh<T>>(units);
    const auto& base = solid.GetExtrusionBase();
    const auto& extrusion = solid.GetExtrusionVector();
    for (const auto& contourPointer : base.GetContours())
    {
        const qz2dContour<T>& contour = *contourPointer;
        if (!contour.IsClosed())
            throw qzcadcamException(qzcadcamException::OPEN_CONTOUR);
        AreaSummer<T> summer(tolerance);
        contour.AcceptVisitor(summer);
        const double area = summer.Area();

        const int direction = ((offset > 0 && area >= 0) || (offset < 0 && area < 0)) ? 0 : 1;
        const auto shape = qz2dPolygonOffseter<T>(direction, 1, 1).Offset(contour, std::fabs(offset));
        auto bottom = misc::qzMakeAutoPointer<qz2dPolyLine<T>>();
        shape->AcceptVisitor(qz2dGeometryPolygonizer<T>(tolerance, bottom));
        ClosePolyline(*bottom);

        const T h0 = base.GetBaseHeight() + offset;
        const T h1 = h0 + extrusion.z() - 2 * offset;
        // Counter-clockwise when the body rises, clockwise otherwise: the walls then face out.
        const double turning = PolylineArea(*bottom);
        if ((turning >= 0 && h0 >= h1) || (turning < 0 && h0 < h1))
            bottom->Reverse();
        const auto top = BuildExtrudedContour(bottom, extrusion);

        Soup<T> walls;
        const auto& b = bottom->GetPoints();
        const auto& t = top->GetPoints();
        const std::size_t steps = std::min(b.size(), t.size());
        walls.Reserve(2 * steps);
        for (std::size_t i = 0; i + 1 < steps; ++i)
        {
            const P3<T> bi = MeshPoint(*b[i], h0), bj = MeshPoint(*b[i + 1], h0);
            const P3<T> ti = MeshPoint(*t[i], h1), tj = MeshPoint(*t[i + 1], h1);
            walls.AddTriangle(bi, ti, tj, Cross(tj - ti, bi - ti));
            walls.AddTriangle(bi, tj, bj, Cross(bj - tj, bi - tj));
        }
        qzTMesh<T> side(units);
        side.SetTriangles(walls);
        mesh->AddMesh(side);
        mesh->AddMesh(*BuildCap(*bottom, h0, units, false));
        mesh->AddMesh(*BuildCap(*top, h1, units, true));
    }
    return mesh;
}

template class qzSolidDefinitionMeshFactory<float>;
template class qzSolidDefinitionMeshFactory<double>;
} // namespace cadcam
