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

namespace
{
template <class Outer, class M> bool DispatchSecond(const M& first, const qzCNCMove& second)
{
    Outer inner(first);
    second.AcceptVisitor(inner);
    return inner.Equals();
}

template <class Outer, class M>
bool DispatchSecondExact(const M& first, const qzCNCMove& second, double positionTolerance,
                         double orientationTolerance)
{
    Outer inner(first, positionTolerance, orientationTolerance);
    second.AcceptVisitor(inner);
    return inner.Equals();
}
} // namespace

void qzMovesCompMethods::qzMoveCompare::Visit(const qz5axMove& first)
{
    m_result = DispatchSecond<qz5axMoveCompare>(first, m_second);
}

void qzMovesCompMethods::qzMoveCompare::Visit(const qz3axMove& first)
{
    m_result = DispatchSecond<qz3axMoveCompare>(first, m_second);
}

void qzMovesCompMethods::qzMoveCompare::Visit(const qzCNCMove& first)
{
    m_result = DispatchSecond<qzCNCMoveCompare>(first, m_second);
}

void qzMovesCompMethods::qzMoveExactCompare::Visit(const qz5axMove& first)
{
    m_result = DispatchSecondExact<qz5axMoveExactCompare>(first, m_second, m_positionTolerance,
                                                          m_orientationTolerance);
}

void qzMovesCompMethods::qzMoveExactCompare::Visit(const qz3axMove& first)
{
    m_result = DispatchSecondExact<qz3axMoveExactCompare>(first, m_second, m_positionTolerance,
                                                          m_orientationTolerance);
}

void qzMovesCompMethods::qzMoveExactCompare::Visit(const qzCNCMove& first)
{
    m_result = DispatchSecondExact<qzCNCMoveExactCompare>(first, m_second, m_positionTolerance,
                                                          m_orientationTolerance);
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
