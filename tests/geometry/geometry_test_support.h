// Helpers of the geometry tests: tolerances per real type, element factories, comparisons and
// exception codes.
#pragma once

#include "geometry/geometry.h"

#include "foundation/test_support.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace tessaform_test
{
using Reals = ::testing::Types<float, double>;
/// Fixture of the tests typed over Reals.
template <class T> class RealTest : public ::testing::Test
{
};

/// Rounding allowance for results of a few operations on values near 1.
template <class T> constexpr T kEps = std::is_same<T, float>::value ? T(2e-5) : T(1e-12);
constexpr double kPi = 3.14159265358979323846;

template <class T> misc::qzAutoPointer<cadcam::qz2dPoint<T>> Pt(double x, double y)
{
    return misc::qzAutoPointer<cadcam::qz2dPoint<T>>(
        new cadcam::qz2dPoint<T>(static_cast<T>(x), static_cast<T>(y)));
}

template <class T>
misc::qzAutoPointer<cadcam::qz2dGeometry<T>> Line(double x1, double y1, double x2, double y2)
{
    return misc::qzAutoPointer<cadcam::qz2dGeometry<T>>(
        new cadcam::qz2dLine<T>(Pt<T>(x1, y1), Pt<T>(x2, y2)));
}

template <class T> cadcam::qz2dArc<T> Arc(double cx, double cy, double r, double start, double sweep)
{
    return cadcam::qz2dArc<T>(Pt<T>(cx, cy), static_cast<T>(r), static_cast<T>(start), static_cast<T>(sweep));
}

/// A handle of base type B to a new element.
template <class B, class E> misc::qzAutoPointer<B> Own(E* element)
{
    return misc::qzAutoPointer<B>(element);
}

template <class T> void ExpectPoint(const cadcam::qz2dPoint<T>& p, double x, double y)
{
    EXPECT_NEAR(p.x(), static_cast<T>(x), kEps<T>);
    EXPECT_NEAR(p.y(), static_cast<T>(y), kEps<T>);
}

template <class T> void ExpectNear(const cadcam::qzTPoint3d<T>& actual, const cadcam::qzTPoint3d<T>& expected)
{
    EXPECT_NEAR(actual.x(), expected.x(), kEps<T>);
    EXPECT_NEAR(actual.y(), expected.y(), kEps<T>);
    EXPECT_NEAR(actual.z(), expected.z(), kEps<T>);
}

template <class T>
void ExpectBox(const cadcam::qz2dBoundingBox<T>& box, double minX, double minY, double maxX, double maxY)
{
    EXPECT_NEAR(box.GetMinX(), static_cast<T>(minX), kEps<T>);
    EXPECT_NEAR(box.GetMinY(), static_cast<T>(minY), kEps<T>);
    EXPECT_NEAR(box.GetMaxX(), static_cast<T>(maxX), kEps<T>);
    EXPECT_NEAR(box.GetMaxY(), static_cast<T>(maxY), kEps<T>);
}

/// Segment i of a 2D or 3D polyline must join vertex i and i + 1 through the same point objects.
template <class Poly> void ExpectSegmentsShareVertices(const Poly& poly)
{
    ASSERT_EQ(poly.GetSize() + 1, poly.GetPointCount());
    std::size_t i = 0;
    for (const auto& segment : poly)
    {
        EXPECT_EQ(segment->GetStartPoint().Get(), poly.GetPoints()[i].Get()) << "segment " << i;
        EXPECT_EQ(segment->GetEndPoint().Get(), poly.GetPoints()[i + 1].Get()) << "segment " << i;
        ++i;
    }
}

/// Error code of the qzcadcamException that `f` throws, 0 when it throws none.
template <class F> unsigned long CadcamCode(F&& f)
{
    const auto e = Thrown<qzcadcamException>(f);
    return e ? e->GetErrorCode() : 0;
}

/// An element of no known kind: visitors see it as the base class.
class BareGeometry : public cadcam::qz2dGeometry<double>
{
public:
    misc::qzAutoPointer<cadcam::qz2dPoint<double>> GetStartPoint() const override { return nullptr; }
    misc::qzAutoPointer<cadcam::qz2dPoint<double>> GetEndPoint() const override { return nullptr; }
    bool IsContinuous(const double&) const override { return false; }
    double GetLength() const override { return 0; }
    void Reverse() override {}
};
} // namespace tessaform_test
