// Coordinate tuples, checked real arrays, matrices and the homogeneous transformation factory.
#include "geometry/geometry_test_support.h"

#include "foundation/qzIdxRangeException.h"

#include <cmath>
#include <limits>

namespace
{
using namespace cadcam;
using namespace tessaform_test;

template <class T> using GeoPoint = RealTest<T>;
template <class T> using GeoMatrix = RealTest<T>;
TYPED_TEST_SUITE(GeoPoint, Reals);
TYPED_TEST_SUITE(GeoMatrix, Reals);

TYPED_TEST(GeoPoint, LengthAndExactComparison)
{
    using T = TypeParam;
    EXPECT_EQ(~qzTPoint2d<T>(3, 4), T(5));
    EXPECT_EQ(~qzTPoint2d<T>(-4, -3), T(5));
    EXPECT_EQ(~qzTPoint2d<T>(0, 0), T(0));
    EXPECT_EQ(~qzTPoint3d<T>(2, 3, 6), T(7));
    // Squaring would overflow.
    const T huge = std::numeric_limits<T>::max() / 2;
    EXPECT_NEAR(~qzTPoint2d<T>(huge, huge) / huge, T(std::sqrt(2.0)), kEps<T>);
    const qzTPoint2d<T> p(1, 2);
    EXPECT_FALSE(p == qzTPoint2d<T>(1, std::nextafter(T(2), T(3))));
    EXPECT_TRUE(p != qzTPoint2d<T>(1, std::nextafter(T(2), T(3))));
}

TYPED_TEST(GeoPoint, Normalizing)
{
    using T = TypeParam;
    qzTPoint3d<T> up(0, 0, 2);
    EXPECT_EQ(&up.Normalize(), &up);
    EXPECT_EQ(up, qzTPoint3d<T>(0, 0, 1));

    // The planar Normalize hands back a copy but still changes the point.
    qzTPoint2d<T> p(3, 4);
    const qzTPoint2d<T> copy = p.Normalize();
    EXPECT_NEAR(p.x(), T(0.6), kEps<T>);
    EXPECT_NEAR(p.y(), T(0.8), kEps<T>);
    EXPECT_EQ(copy, p);
    const qzTPoint2d<T> q(0, 5);
    EXPECT_EQ(q.Normalized(), qzTPoint2d<T>(0, 1));
    EXPECT_EQ(q, qzTPoint2d<T>(0, 5));

    qzTPoint3d<T> zero3;
    qzTPoint2d<T> zero2;
    EXPECT_EQ(CadcamCode([&] { zero3.Normalize(); }), 2189u);
    EXPECT_EQ(CadcamCode([&] { zero2.Normalize(); }), 2189u);
    EXPECT_EQ(CadcamCode([&] { (void)zero2.Normalized(); }), 2189u);
}

TYPED_TEST(GeoPoint, DistanceFromSegmentByRegion)
{
    using T = TypeParam;
    using P = qzTPoint3d<T>;
    const auto distance = &qzTPointUtils<P>::GetDistanceLineSegmentPoint;
    const P a(0, 0, 0), b(10, 0, 0);
    EXPECT_NEAR(distance(a, b, P(5, 3, 0)), T(3), kEps<T>);
    EXPECT_NEAR(distance(a, b, P(-4, 3, 0)), T(5), kEps<T>);
    EXPECT_NEAR(distance(a, b, P(13, 0, 4)), T(5), kEps<T>);
    EXPECT_NEAR(distance(a, a, P(0, 0, 2)), T(2), kEps<T>);
}

TYPED_TEST(GeoMatrix, RealArrayChecksIndex)
{
    using T = TypeParam;
    misc::qzRealArray<T> array(3);
    EXPECT_EQ(array[2], T(0));
    const auto e = Thrown<misc::qzIdxRangeException<unsigned>>([&] { array[3] = T(1); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->GetMaxIndex(), 2u);
    EXPECT_EQ(e->GetIndex(), 3u);
}

TYPED_TEST(GeoMatrix, IdentityOnlyForSquareMatrices)
{
    using T = TypeParam;
    const qzMatrix<T, 4, 4> m;
    for (unsigned i = 0; i < 4; ++i)
        for (unsigned j = 0; j < 4; ++j)
            EXPECT_EQ(m[i][j], i == j ? T(1) : T(0)) << i << "," << j;
    qzMatrix<T, 4, 1> column;
    EXPECT_EQ(column[0][0], T(0));
    const auto e = Thrown<misc::qzMathException>([&] { column.LoadIdentity(); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->GetErrorMessage(), "Cannot set identity matrix");
    EXPECT_EQ(e->GetType(), 1);
    EXPECT_TRUE((qzMatrix<T, 3, 3>().IsHomogenous()));
    EXPECT_TRUE(m.IsHomogenous());
    EXPECT_FALSE(column.IsHomogenous());
}

TYPED_TEST(GeoMatrix, ProductIsRowTimesColumn)
{
    using T = TypeParam;
    qzMatrix<T, 2, 2> a, b;
    a[0][0] = 1, a[0][1] = 2, a[1][0] = 3, a[1][1] = 4;
    b[0][0] = 5, b[0][1] = 6, b[1][0] = 7, b[1][1] = 8;
    const qzMatrix<T, 2, 2> ab = a * b;
    const T expected[2][2] = {{19, 22}, {43, 50}};
    for (unsigned i = 0; i < 2; ++i)
        for (unsigned j = 0; j < 2; ++j)
            EXPECT_EQ(ab[i][j], expected[i][j]) << i << "," << j;
}

template <class T> qzTPoint3d<T> Apply(const qzMatrix<T, 4, 4>& m, const qzTPoint3d<T>& p)
{
    qzMatrix<T, 4, 1> v;
    v[0][0] = p.x(), v[1][0] = p.y(), v[2][0] = p.z(), v[3][0] = T(1);
    const qzMatrix<T, 4, 1> r = m * v;
    EXPECT_NEAR(r[3][0], T(1), kEps<T>);
    return qzTPoint3d<T>(r[0][0], r[1][0], r[2][0]);
}

TYPED_TEST(GeoMatrix, RotationsAreRightHanded)
{
    using T = TypeParam;
    using F = qzMatrixTransformationsFactory<T>;
    using P = qzTPoint3d<T>;
    const T quarter = static_cast<T>(kPi / 2), half = static_cast<T>(kPi);
    ExpectNear(Apply(F::Create3dRotation(P(0, 0, 1), quarter), P(1, 0, 0)), P(0, 1, 0));
    ExpectNear(Apply(F::Create3dRotation(P(1, 0, 0), quarter), P(0, 1, 0)), P(0, 0, 1));
    ExpectNear(Apply(F::Create3dRotation(P(0, 1, 0), quarter), P(0, 0, 1)), P(1, 0, 0));
    ExpectNear(Apply(F::Create3dRotation(P(0, 0, 1), P(1, 0, 0), half), P(2, 0, 0)), P(0, 0, 0));
    ExpectNear(Apply(F::Create3dTranslation(P(1, -2, 3)), P(1, 1, 1)), P(2, -1, 4));

    P p(2, 0, 5);
    F::Rotate3dPoint(p, P(0, 0, 1), P(1, 0, 0), quarter);
    ExpectNear(p, P(1, 1, 5));
    F::Translate3dPoint(p, P(0, 0, 1), T(2));
    ExpectNear(p, P(1, 1, 7));
}

TYPED_TEST(GeoMatrix, PlanarLayout)
{
    using T = TypeParam;
    using F = qzMatrixTransformationsFactory<T>;
    // Counter-clockwise, with the homogeneous row and column untouched.
    const qzMatrix<T, 3, 3> r = F::Create2dRotation(static_cast<T>(kPi / 2));
    const T rotation[3][3] = {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};
    const qzMatrix<T, 3, 3> t = F::Create2dTranslation(qzTPoint2d<T>(3, -4));
    const T translation[3][3] = {{1, 0, 3}, {0, 1, -4}, {0, 0, 1}};
    for (unsigned i = 0; i < 3; ++i)
        for (unsigned j = 0; j < 3; ++j)
        {
            EXPECT_NEAR(r[i][j], rotation[i][j], kEps<T>) << i << "," << j;
            EXPECT_EQ(t[i][j], translation[i][j]) << i << "," << j;
        }
}

TYPED_TEST(GeoMatrix, IntermediaryFramesStepTowardsTarget)
{
    using T = TypeParam;
    using F = qzMatrixTransformationsFactory<T>;
    const qzMatrix<T, 4, 4> identity;
    const qzMatrix<T, 4, 4> shifted = F::Create3dTranslation(qzTPoint3d<T>(4, 0, 0));
    const auto frames = F::CreateIntermediaryTransforms(identity, shifted, 4);
    ASSERT_EQ(frames.size(), 4u);
    for (unsigned i = 0; i < 4; ++i)
        for (unsigned r = 0; r < 4; ++r)
            for (unsigned c = 0; c < 4; ++c)
                EXPECT_NEAR(frames[i][r][c], c == 3 && r == 0 ? T(i) : T(r == c), kEps<T>)
                    << i << ":" << r << c;
    EXPECT_TRUE(F::CreateIntermediaryTransforms(identity, shifted, 0).empty());

    // Half a turn about y: halfway the interpolated z axis vanishes and that frame is left out.
    qzMatrix<T, 4, 4> flipped;
    flipped[0][0] = flipped[2][2] = -1;
    EXPECT_EQ(F::CreateIntermediaryTransforms(identity, flipped, 2).size(), 1u);

    // y along z leaves no x axis.
    qzMatrix<T, 4, 4> degenerate;
    degenerate[1][1] = 0;
    degenerate[2][1] = 1;
    EXPECT_EQ(CadcamCode([&] { F::CreateIntermediaryTransforms(degenerate, identity, 1); }), 2189u);
}

TYPED_TEST(GeoMatrix, SineAndCosineInDegreesAreExactlyZeroOnAxes)
{
    using T = TypeParam;
    for (const T angle : {T(-360), T(-180), T(180), T(360)})
        EXPECT_EQ(SinDeg(angle), T(0)) << angle;
    for (const T angle : {T(-270), T(-90), T(90), T(270)})
        EXPECT_EQ(CosDeg(angle), T(0)) << angle;
    EXPECT_NEAR(SinDeg(T(30)), T(0.5), kEps<T>);
    EXPECT_NEAR(CosDeg(T(-60)), T(0.5), kEps<T>);
}
} // namespace
