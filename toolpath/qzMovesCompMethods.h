// Comparison of moves by kind (double dispatch over the move visitors) and of move sequences.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzCNCMove.h"

#include <type_traits>

namespace cadcam
{
/// Static entry points and the visitors they are built from.
class TESSAFORM_API qzMovesCompMethods
{
public:
    /// Same dynamic kind and that kind's operator== holds.
    static bool NormalCompareMoves(const qzCNCMove& a, const qzCNCMove& b);
    /// Same dynamic kind, positions closer than `positionTolerance` (strictly) and orientations
    /// whose angle cosine is strictly above `orientationTolerance`; nothing else counts.
    static bool ExactCompareMoves(const qzCNCMove& a, const qzCNCMove& b, double positionTolerance,
                                  double orientationTolerance);

    /// Outer visitor of the normal comparison: visited by the first move, holds the second.
    class TESSAFORM_API qzMoveCompare : public qzCNCMoveVisitor
    {
    public:
        explicit qzMoveCompare(const qzCNCMove& second) : m_second(second) {}
        qzMoveCompare(const qzMoveCompare&) = default;
        void Visit(const qz5axMove& first) override;
        void Visit(const qz3axMove& first) override;
        void Visit(const qzCNCMove& first) override;
        bool Equals() const { return m_result; }

    private:
        const qzCNCMove& m_second;
        bool m_result = false;
    };

    /// Inner visitor: holds the first move of kind M and is visited by the second; only the
    /// visit of the same kind compares.
    template <class M> class qzTypedMoveCompare : public qzCNCMoveVisitor
    {
    public:
        explicit qzTypedMoveCompare(const M& first) : m_first(first) {}
        qzTypedMoveCompare(const qzTypedMoveCompare&) = default;
        void Visit(const qz5axMove& second) override { Compare(second); }
        void Visit(const qz3axMove& second) override { Compare(second); }
        void Visit(const qzCNCMove& second) override { Compare(second); }
        bool Equals() const { return m_result; }

    private:
        template <class S> void Compare(const S& second)
        {
            if constexpr (std::is_same<S, M>::value)
                m_result = m_first == second;
            else
                m_result = false;
        }

        const M& m_first;
        bool m_result = false;
    };
    using qzCNCMoveCompare = qzTypedMoveCompare<qzCNCMove>;
    using qz3axMoveCompare = qzTypedMoveCompare<qz3axMove>;
    using qz5axMoveCompare = qzTypedMoveCompare<qz5axMove>;

    /// Outer visitor of the tolerance comparison.
    class TESSAFORM_API qzMoveExactCompare : public qzCNCMoveVisitor
    {
    public:
        qzMoveExactCompare(const qzCNCMove& second, double positionTolerance, double orientationTolerance)
            : m_second(second), m_positionTolerance(positionTolerance), m_orientationTolerance(orientationTolerance)
        {
        }
        qzMoveExactCompare(const qzMoveExactCompare&) = default;
        void Visit(const qz5axMove& first) override;
        void Visit(const qz3axMove& first) override;
        void Visit(const qzCNCMove& first) override;
        bool Equals() const { return m_result; }

    private:
        const qzCNCMove& m_second;
        bool m_result = false;
        double m_positionTolerance;
        double m_orientationTolerance;
    };

    template <class M> class qzTypedMoveExactCompare : public qzCNCMoveVisitor
    {
    public:
        qzTypedMoveExactCompare(const M& first, double positionTolerance, double orientationTolerance)
            : m_first(first), m_positionTolerance(positionTolerance), m_orientationTolerance(orientationTolerance)
        {
        }
        qzTypedMoveExactCompare(const qzTypedMoveExactCompare&) = default;
        void Visit(const qz5axMove& second) override { Compare(second); }
        void Visit(const qz3axMove& second) override { Compare(second); }
        void Visit(const qzCNCMove& second) override { Compare(second); }
        bool Equals() const { return m_result; }

    private:
        template <class S> void Compare(const S& second)
        {
            if constexpr (std::is_same<S, M>::value)
                m_result = ExactCompareToleranceCNC(m_first, second, m_positionTolerance, m_orientationTolerance);
            else
                m_result = false;
        }

        const M& m_first;
        double m_positionTolerance;
        double m_orientationTolerance;
        bool m_result = false;
    };
    using qzCNCMoveExactCompare = qzTypedMoveExactCompare<qzCNCMove>;
    using qz3axMoveExactCompare = qzTypedMoveExactCompare<qz3axMove>;
    using qz5axMoveExactCompare = qzTypedMoveExactCompare<qz5axMove>;

    /// Collects a move's position and its axis point (position + distance × orientation).
    class TESSAFORM_API qzRealComparePolyLines : public qzCNCMoveVisitor
    {
    public:
        explicit qzRealComparePolyLines(double axisDistance) : m_axisDistance(axisDistance) {}
        qzRealComparePolyLines(const qzRealComparePolyLines&) = default;
        qzRealComparePolyLines& operator=(const qzRealComparePolyLines&) = default;
        void Visit(const qz5axMove& move) override { Collect(move); }
        void Visit(const qz3axMove& move) override { Collect(move); }
        void Visit(const qzCNCMove& move) override { Collect(move); }

        const qzCNCMove::Point& GetPosition() const { return m_position; }
        const qzCNCMove::Point& GetAxisPoint() const { return m_axisPoint; }

    private:
        void Collect(const qzCNCMove& move);

        double m_axisDistance;
        qzCNCMove::Point m_position;
        qzCNCMove::Point m_axisPoint;
    };

    /// One direction of the geometric sequence comparison: does every move of [aBegin, aEnd)
    /// lie on the path of [bBegin, bEnd)?
    ///
    /// The path of b is the polyline of its positions, paired with the polyline of its axis
    /// points. A move m of a matches segment k (b[k] to b[k+1]; a single b move is a segment of
    /// length zero) when m's position is within `positionTolerance` of the position segment and
    /// m's axis point within `axisTolerance` of the axis segment, both at that same segment.
    ///
    /// The moves of a are taken in order against a window segment k that starts at 0 and only
    /// moves forward: m is tested against k; when it does not match, k advances to the first
    /// later segment that m matches. If none does, the comparison fails. Taking the first match
    /// never skips past the place where m really lies, so a resampled copy of the same path
    /// always follows it, while a move that is off the path, or a path visited in another
    /// order, fails. Every segment is entered at most once: the cost is linear in the two
    /// lengths. An empty a matches only an empty b; a non-empty a never matches an empty b.
    ///
    /// A direction alone admits a that covers only part of b; callers check both directions.
    template <class ItA, class ItB>
    static bool RealCompareOneWay(ItA aBegin, ItA aEnd, ItB bBegin, ItB bEnd, double positionTolerance,
                                  double axisTolerance, double axisDistance);

private:
    /// The tolerance rule, applied to any pair of moves.
    static bool ExactCompareToleranceCNC(const qzCNCMove& a, const qzCNCMove& b, double positionTolerance,
                                         double orientationTolerance);
    /// Distances of m's position and axis point from the segments a-b (position, axis).
    static bool SegmentMatches(const qzRealComparePolyLines& m, const qzRealComparePolyLines& b1,
                               const qzRealComparePolyLines& b2, double positionTolerance, double axisTolerance);
};

template <class ItA, class ItB>
bool qzMovesCompMethods::RealCompareOneWay(ItA aBegin, ItA aEnd, ItB bBegin, ItB bEnd, double positionTolerance,
                                           double axisTolerance, double axisDistance)
{
    if (aBegin == aEnd)
        return bBegin == bEnd;
    if (bBegin == bEnd)
        return false;

    // Window: segment from b1 to b2, b2 == b1 while b holds a single move.
    qzRealComparePolyLines b1(axisDistance), b2(axisDistance);
    ItB next = bBegin;
    (*next)->AcceptVisitor(b1);
    ++next;
    if (next != bEnd)
    {
        (*next)->AcceptVisitor(b2);
        ++next;
    }
    else
        b2 = b1;

    qzRealComparePolyLines m(axisDistance);
    for (ItA a = aBegin; a != aEnd; ++a)
    {
        (*a)->AcceptVisitor(m);
        while (!SegmentMatches(m, b1, b2, positionTolerance, axisTolerance))
        {
            if (next == bEnd)
                return false;
            b1 = b2;
            (*next)->AcceptVisitor(b2);
            ++next;
        }
    }
    return true;
}
} // namespace cadcam
