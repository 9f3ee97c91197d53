#include "toolpath/qzMovesCompMethods.h"

#include "geometry/qzTPoint.h"

namespace cadcam
{
bool qzMovesCompMethods::NormalCompareMoves(const qzCNCMove& a, const qzCNCMove& b)
{
    qzMoveCompare compare(b);
    a.AcceptVisitor(compare);
    return compare.Equals();
}

bool qzMovesCompMethods::ExactCompareMoves(const qzCNCMove& a, const qzCNCMove& b, double positionTolerance,
                                           double orientationTolerance)
{
    qzMoveExactCompare compare(b, positionTolerance, orientationTolerance);
    a.AcceptVisitor(compare);
    return compare.Equals();
}

bool qzMovesCompMethods::ExactCompareToleranceCNC(const qzCNCMove& a, const qzCNCMove& b, double positionTolerance,
                                                  double orientationTolerance)
{
    const auto& pa = a.GetPosition();
    const auto& pb = b.GetPosition();
    if (!((pa - pb).Length2() < positionTolerance * positionTolerance))
        return false;

    // cos(angle) > tolerance, decided on squares so that no root is taken.
    const auto& oa = a.GetOrientation();
    const auto& ob = b.GetOrientation();
    const double c = Dot(oa, ob);
    const double to = orientationTolerance;
    if (c >= 0.0)
        return to < 0.0 || c * c > to * to * oa.Length2() * ob.Length2();
    return to <= 0.0 && c * c < to * to * oa.Length2() * ob.Length2();
}

void qzMovesCompMethods::qzRealComparePolyLines::Collect(const qzCNCMove& move)
{
    m_position = move.GetPosition();
    m_axisPoint = m_position + move.GetOrientation() * m_axisDistance;
}

bool qzMovesCompMethods::SegmentMatches(const qzRealComparePolyLines& m, const qzRealComparePolyLines& b1,
                                        const qzRealComparePolyLines& b2, double positionTolerance,
                                        double axisTolerance)
{
    using Utils = qzTPointUtils<qzTPoint3d<double>>;
    return Utils::GetDistanceLineSegmentPoint(b1.GetPosition(), b2.GetPosition(), m.GetPosition()) <=
               positionTolerance &&
           Utils::GetDistanceLineSegmentPoint(b1.GetAxisPoint(), b2.GetAxisPoint(), m.GetAxisPoint()) <=
               axisTolerance;
}
} // namespace cadcam
