// Polygonizing planar curves within a chord tolerance, and transforming contours by a matrix.
#include "geometry/geometry_test_support.h"

#include <algorithm>
#include <cmath>

namespace
{
using namespace cadcam;
using namespace tessaform_test;
using misc::qzAutoPointer;

template <class T> qzAutoPointer<qz2dPolyLine<T>> Polygonize(const qz2dGeometry<T>& element, double tolerance)
{
    qzAutoPointer<qz2dPolyLine<T>> output(new qz2dPolyLine<T>());
    element.AcceptVisitor(qz2dGeometryPolygonizer<T>(static_cast<T>(tolerance), output));
    return output;
}

template <class T> const qz2dPoint<T>& Vertex(const qzAutoPointer<qz2dPolyLine<T>>& poly, std::size_t i)
{
    return *poly->GetPoints().at(i);
}

// Largest distance of the curve c(t), t in [t0, t1], from the line through p and q, by sampling.
template <class T, class Curve>
double ChordDeviation(const qz2dPoint<T>& p, const qz2dPoint<T>& q, Curve c, double t0, double t1)
{
    const double dx = double(q.x()) - p.x(), dy = double(q.y()) - p.y(), length = std::hypot(dx, dy);
    double worst = 0;
    for (int i = 0; i <= 100; ++i)
    {
        double x, y;
        c(t0 + (t1 - t0) * i / 100, x, y);
        worst = std::max(worst, std::abs((x - p.x()) * dy - (y - p.y()) * dx) / length);
    }
    return worst;
}

template <class T> using GeoPolygonizer = RealTest<T>;
TYPED_TEST_SUITE(GeoPolygonizer, Reals);

TYPED_TEST(GeoPolygonizer, ArcWithinCoarseTolerance)
{
    using T = TypeParam;
    // A tolerance beyond the radius allows half a turn per chord.
    auto quarter = Polygonize<T>(Arc<T>(1, 2, 1, 0, 90), 5);
    ASSERT_EQ(quarter->GetPointCount(), 2u);
    ExpectPoint(Vertex(quarter, 0), 2, 2);
    ExpectPoint(Vertex(quarter, 1), 1, 3);

    auto circle = Polygonize<T>(Arc<T>(0, 0, 1, 0, 360), 2);
    ASSERT_EQ(circle->GetPointCount(), 3u);
    ExpectPoint(Vertex(circle, 1), -1, 0);
    EXPECT_EQ(Vertex(circle, 1).y(), T(0));
    EXPECT_TRUE(circle->IsClosed());
    // Closed whatever the start.
    for (const double start : {90.0, 180.0, 270.0, 45.0})
    {
        SCOPED_TRACE(start);
        const qz2dArc<T> whole = Arc<T>(0, 0, 1, start, 360);
        EXPECT_TRUE(whole.GetEndPoint()->IsEqual(*whole.GetStartPoint()));
        EXPECT_TRUE(Polygonize<T>(whole, 0.01)->IsClosed());
    }

    // Clockwise from the top: the right-hand side comes first.
    auto clockwise = Polygonize<T>(Arc<T>(0, 0, 1, 90, -180), 0.3);
    ASSERT_EQ(clockwise->GetPointCount(), 3u);
    ExpectPoint(Vertex(clockwise, 0), 0, 1);
    ExpectPoint(Vertex(clockwise, 1), 1, 0);
    ExpectPoint(Vertex(clockwise, 2), 0, -1);

    EXPECT_EQ(ErrorMessage([] { Polygonize<T>(Arc<T>(0, 0, 1e-13, 0, 90), 0.1); }), "Arc radius is invalid.");
    EXPECT_EQ(ErrorMessage([] { Polygonize<T>(Arc<T>(0, 0, 1, 0, 90), 0); }),
              "Polygonization tolerance is invalid.");
    EXPECT_EQ(ErrorMessage([] { Polygonize<T>(Arc<T>(0, 0, 1, 0, 90), -0.1); }),
              "Polygonization tolerance is invalid.");
}

TYPED_TEST(GeoPolygonizer, ArcPointCountAndChordBound)
{
    using T = TypeParam;
    const struct
    {
        double r, start, sweep, tol;
    } cases[] = {{10, 0, 90, 0.01}, {5, 45, -270, 0.1}, {1, 0, 360, 0.001}, {3, 200, -17, 0.05}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "r " << c.r << " sweep " << c.sweep << " tol " << c.tol);
        auto poly = Polygonize<T>(Arc<T>(1, -1, c.r, c.start, c.sweep), c.tol);
        // The chord of a step of 2 acos(1 - tol / r) is exactly tol from the circle.
        const double step = 2 * std::acos(1 - c.tol / c.r) * 180 / kPi;
        EXPECT_EQ(poly->GetPointCount(), static_cast<std::size_t>(std::ceil(std::abs(c.sweep) / step)) + 1);
        for (std::size_t i = 0; i < poly->GetPointCount(); ++i)
        {
            const qz2dPoint<T>& v = Vertex(poly, i);
            EXPECT_NEAR(std::hypot(v.x() - 1.0, v.y() + 1.0), c.r, c.r * kEps<T>) << i;
            if (i == 0)
                continue;
            const qz2dPoint<T>& u = Vertex(poly, i - 1);
            const double sagitta =
                c.r - std::hypot((u.x() + double(v.x())) / 2 - 1, (u.y() + double(v.y())) / 2 + 1);
            EXPECT_LE(sagitta, c.tol + c.r * kEps<T>) << i;
        }
    }
}

TYPED_TEST(GeoPolygonizer, Parabola)
{
    using T = TypeParam;
    // Flat enough: its chord, in the direction of travel.
    qz2dParabola<T> flat(Pt<T>(0, 0), Pt<T>(5, 0.05));
    auto chord = Polygonize<T>(flat, 0.1);
    ASSERT_EQ(chord->GetPointCount(), 2u);
    ExpectPoint(Vertex(chord, 1), 5, 0.05);
    flat.Reverse();
    ExpectPoint(Vertex(Polygonize<T>(flat, 0.1), 0), 5, 0.05);

    // x - 1 = k (y - 1)^2 with |k| = 1: a chord of height h strays |k| h^2 / 4 from the curve,
    // so tolerance 0.02 allows 2 sqrt(0.02) = 0.283 per segment: floor(2 / 0.283) + 1 = 8.
    const double tol = 0.02;
    for (const double dx : {4.0, -4.0})
    {
        SCOPED_TRACE(dx);
        const double k = dx / 4;
        auto poly = Polygonize<T>(qz2dParabola<T>(Pt<T>(1, 1), Pt<T>(1 + dx, 3)), tol);
        ASSERT_EQ(poly->GetPointCount(), 9u);
        // Opening towards -x the points run from the far end back to the vertex.
        ExpectPoint(Vertex(poly, dx > 0 ? 0 : 8), 1, 1);
        ExpectPoint(Vertex(poly, dx > 0 ? 8 : 0), 1 + dx, 3);
        auto curve = [k](double y, double& x, double& yy) { x = 1 + k * (y - 1) * (y - 1), yy = y; };
        for (std::size_t i = 1; i < 9; ++i)
        {
            const qz2dPoint<T>&u = Vertex(poly, i - 1), &v = Vertex(poly, i);
            EXPECT_NEAR(v.x(), T(1 + k * (v.y() - 1) * (v.y() - 1)), 10 * kEps<T>);
            EXPECT_LE(ChordDeviation(u, v, curve, u.y(), v.y()), tol * (1 + 1e-4));
        }
    }
    qz2dParabola<T> reversed(Pt<T>(0, 0), Pt<T>(4, 2));
    reversed.Reverse();
    ExpectPoint(Vertex(Polygonize<T>(reversed, tol), 0), 4, 2);
}

TYPED_TEST(GeoPolygonizer, EllipseStepsByItsFlattestCurvature)
{
    using T = TypeParam;
    const struct
    {
        double a, b, tol;
    } cases[] = {{4, 2, 0.05}, {1, 3, 0.001}, {3, 3, 0.01}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << c.a << " x " << c.b << " tol " << c.tol);
        const double big = std::max(c.a, c.b), small = std::min(c.a, c.b);
        const double step = 2 * std::acos(1 - c.tol * small / (big * big)) * 180 / kPi;
        const auto n = static_cast<std::size_t>(std::ceil(360 / step + 1));
        auto poly =
            Polygonize<T>(qz2dEllipse<T>(Pt<T>(2, 1), static_cast<T>(c.a), static_cast<T>(c.b)), c.tol);
        ASSERT_EQ(poly->GetPointCount(), n + 1);
        ExpectPoint(Vertex(poly, 0), 2 + c.a, 1);
        auto ellipse = [&c](double t, double& x, double& y)
        { x = 2 + c.a * std::cos(t), y = 1 + c.b * std::sin(t); };
        for (std::size_t i = 0; i <= n; ++i)
        {
            const qz2dPoint<T>& v = Vertex(poly, i);
            const double u = (v.x() - 2) / c.a, w = (v.y() - 1) / c.b;
            EXPECT_NEAR(u * u + w * w, 1, 20 * kEps<T>) << i;
            if (i == 0)
                continue;
            const double t0 = 2 * kPi * double(i - 1) / double(n), t1 = 2 * kPi * double(i) / double(n);
            EXPECT_LE(ChordDeviation(Vertex(poly, i - 1), v, ellipse, t0, t1), c.tol + 10 * big * kEps<T>)
                << i;
        }
    }
    // A tolerance beyond every radius still steps by a third of a turn: ceil(360 / 180 + 1).
    auto coarse = Polygonize<T>(qz2dEllipse<T>(Pt<T>(0, 0), 2, 1), 1e6);
    ASSERT_EQ(coarse->GetPointCount(), 4u);
    ExpectPoint(Vertex(coarse, 1), -1, std::sqrt(0.75));
}

TEST(GeoPolygonizerDouble, KindsWithoutApproximation)
{
    const qz2dSpline<double> spline({{0, 0}, {1, 1}});
    EXPECT_EQ(ErrorMessage([] { Polygonize<double>(qz2dPoint<double>(1, 1), 0.1); }), "Not implemented");
    EXPECT_EQ(ErrorMessage([&] { Polygonize<double>(spline, 0.1); }), "Not implemented");
    EXPECT_EQ(ErrorMessage([] { Polygonize<double>(BareGeometry(), 0.1); }), "Can't init 2dgeometry");
}

template <class T> qzMatrix<T, 3, 3> Scale(double sx, double sy)
{
    qzMatrix<T, 3, 3> m;
    m[0][0] = static_cast<T>(sx);
    m[1][1] = static_cast<T>(sy);
    return m;
}

template <class T>
qzAutoPointer<qz2dContour<T>> TransformOne(qzAutoPointer<qz2dGeometry<T>> element,
                                           const qzMatrix<T, 3, 3>& matrix)
{
    qz2dContour<T> source;
    source.AddGeometry(element);
    return qz2dContourTransformationFactory<T>::Transform(source, matrix);
}

template <class E, class T> qzAutoPointer<E> First(const qzAutoPointer<qz2dContour<T>>& contour)
{
    return contour->GetMembers().front().template DynamicCast<E>();
}

TYPED_TEST(GeoPolygonizer, TransformedArcsKeepTheirShape)
{
    using T = TypeParam;
    using A = qz2dArc<T>;
    auto arc = First<A>(TransformOne(Own<qz2dGeometry<T>>(new A(Arc<T>(0, 0, 1, 0, 90))), Scale<T>(-1, 1)));
    ASSERT_TRUE(arc);
    EXPECT_NEAR(arc->GetStartAngle(), T(180), 10 * kEps<T>);
    EXPECT_EQ(arc->GetSweepAngle(), T(-90));
    EXPECT_NEAR(arc->GetRadius(), T(1), kEps<T>);

    const auto turn = qzMatrixTransformationsFactory<T>::Create2dRotation(static_cast<T>(kPi / 2));
    arc = First<A>(TransformOne(Own<qz2dGeometry<T>>(new A(Arc<T>(1, 0, 2, 0, 45))), turn));
    ASSERT_TRUE(arc);
    ExpectPoint(*arc->GetCenter(), 0, 1);
    EXPECT_NEAR(arc->GetRadius(), T(2), kEps<T>);
    EXPECT_NEAR(arc->GetStartAngle(), T(90), 10 * kEps<T>);
    EXPECT_EQ(arc->GetSweepAngle(), T(45));
}

TYPED_TEST(GeoPolygonizer, TransformedChainsKeepTheirKind)
{
    using T = TypeParam;
    auto nested = Own<qz2dContour<T>>(new qz2dContour<T>());
    nested->AddGeometry(Line<T>(0, 0, 1, 0));
    nested->AddGeometry(Line<T>(1, 0, 1, 1));
    auto poly = Own<qz2dPolyLine<T>>(new qz2dPolyLine<T>());
    for (const T x : {T(0), T(1), T(2)})
        poly->AddPoint(qz2dPoint<T>(x, x * x));
    qz2dContour<T> source;
    source.AddGeometry(Line<T>(0, 0, 1, 2));
    source.AddGeometry(Pt<T>(3, 3));
    source.AddGeometry(nested);
    source.AddGeometry(poly);

    const auto moved = qz2dContourTransformationFactory<T>::Transform(
        source, qzMatrixTransformationsFactory<T>::Create2dTranslation(qzTPoint2d<T>(10, -1)));
    ASSERT_EQ(moved->GetSize(), 4u);
    auto it = moved->begin();
    ExpectPoint(*(*it)->GetStartPoint(), 10, -1);
    ExpectPoint(*(*it)->GetEndPoint(), 11, 1);
    const auto point = (*++it).template DynamicCast<qz2dPoint<T>>();
    ASSERT_TRUE(point);
    ExpectPoint(*point, 13, 2);
    const auto contour = (*++it).template DynamicCast<qz2dContour<T>>();
    ASSERT_TRUE(contour);
    EXPECT_EQ(contour->GetSize(), 2u);
    ExpectPoint(*contour->GetEndPoint(), 11, 0);
    const auto polyline = (*++it).template DynamicCast<qz2dPolyLine<T>>();
    ASSERT_TRUE(polyline);
    ASSERT_EQ(polyline->GetPointCount(), 3u);
    ExpectSegmentsShareVertices(*polyline);
    ExpectPoint(*polyline->GetPoints()[2], 12, 3);
    // The source is untouched.
    ExpectPoint(*source.GetStartPoint(), 0, 0);
    EXPECT_EQ(poly->GetPoints()[2]->x(), T(2));
}

TYPED_TEST(GeoPolygonizer, TransformedEllipseStaysAxisAligned)
{
    using T = TypeParam;
    using M = qzMatrixTransformationsFactory<T>;
    const auto source = Own<qz2dGeometry<T>>(new qz2dEllipse<T>(Pt<T>(1, 2), 3, 1));
    const struct
    {
        qzMatrix<T, 3, 3> matrix;
        double cx, cy, a, b;
    } cases[] = {
        {M::Create2dTranslation(qzTPoint2d<T>(1, 1)), 2, 3, 3, 1},
        {Scale<T>(2, 3), 2, 6, 6, 3},
        {Scale<T>(-1, 1), -1, 2, 3, 1},
        // The cosine of the turn is only as close to zero as pi / 2 is to its rounded value.
        {M::Create2dRotation(static_cast<T>(kPi / 2)), -2, 1, 1, 3},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << c.cx << ", " << c.cy);
        const auto ellipse = First<qz2dEllipse<T>>(TransformOne(source, c.matrix));
        ASSERT_TRUE(ellipse);
        ExpectPoint(*ellipse->GetCenter(), c.cx, c.cy);
        EXPECT_NEAR(ellipse->GetA(), T(c.a), kEps<T>);
        EXPECT_NEAR(ellipse->GetB(), T(c.b), kEps<T>);
    }
    EXPECT_EQ(ErrorMessage([&] { TransformOne(source, M::Create2dRotation(static_cast<T>(kPi / 6))); }),
              "An axis-aligned ellipse cannot follow this transformation");
}
} // namespace
