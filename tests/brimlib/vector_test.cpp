// The sibling library's vectors: products, normalization and orthonormal bases.
#include "brimlib/qzException.h"
#include "brimlib/qzTVector.h"

#include <gtest/gtest.h>

namespace
{
using V3 = mathdef::qzTVector3<double>;

TEST(Vector3, CrossAndDotFollowTheRightHandRule)
{
    const V3 x(1, 0, 0), y(0, 1, 0);
    EXPECT_EQ(x.Cross(y), V3(0, 0, 1));
    EXPECT_EQ(y.Cross(x), V3(0, 0, -1));
    EXPECT_EQ(V3(1, 2, 3).Dot(V3(4, -5, 6)), 12.0);
    EXPECT_DOUBLE_EQ(V3(2, 3, 6).Length(), 7.0);
    EXPECT_DOUBLE_EQ(mathdef::qzTVector2<double>(3, 4).Length(), 5.0);
    EXPECT_EQ(mathdef::qzTVector2<double>(1, 0).DotPerp(mathdef::qzTVector2<double>(0, 1)), 1.0);
}

TEST(Vector3, ZeroVectorsAreNotNormalized)
{
    V3 zero;
    EXPECT_THROW(zero.Normalize(), misc::qzMathException);
    mathdef::qzTVector2<float> zero2;
    EXPECT_THROW(zero2.Normalize(), misc::qzMathException);
}

TEST(Vector3, OrthonormalBasisAroundAnyDirection)
{
    for (const V3& direction : {V3(0, 0, 5), V3(3, 0, 0), V3(0, -2, 0), V3(1, 2, 3), V3(-4, 0.5, -1e-3)})
    {
        V3 u, v, w = direction;
        V3::GenerateOrthonormalBasis(u, v, w);
        EXPECT_NEAR(w.Length(), 1.0, 1e-15);
        EXPECT_NEAR(u.Length(), 1.0, 1e-15);
        EXPECT_NEAR(v.Length(), 1.0, 1e-15);
        EXPECT_NEAR(u.Dot(v), 0.0, 1e-15);
        EXPECT_NEAR(u.Dot(w), 0.0, 1e-15);
        const V3 uv = u.Cross(v);
        EXPECT_NEAR(uv.X(), w.X(), 1e-15);
        EXPECT_NEAR(uv.Y(), w.Y(), 1e-15);
        EXPECT_NEAR(uv.Z(), w.Z(), 1e-15);
        EXPECT_NEAR(w.Dot(direction), direction.Length(), 1e-12) << "w keeps the direction";
    }
    V3 u, v, w;
    EXPECT_THROW(V3::GenerateOrthonormalBasis(u, v, w), misc::qzMathException);
}
} // namespace
