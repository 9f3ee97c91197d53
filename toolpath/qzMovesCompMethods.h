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

    /// The normal rule: the kind's own operator==.
    struct NormalRule
    {
        /// Whether the two moves of one kind are equal by that kind's operator==.
        template <class M> bool operator()(const M& first, const M& second) const { return first == second; }
    };

    /// The tolerance rule (position first, then orientation), for every kind alike.
    struct ToleranceRule
    {
        double position;    ///< Positions must lie closer than this, in the moves' length units.
        double orientation; ///< The cosine of the orientations' angle must lie above this.
        /// Whether the two moves match within both tolerances, as ExactCompareMoves for one kind.
        bool operator()(const qzCNCMove& first, const qzCNCMove& second) const
        {
            return ExactCompareToleranceCNC(first, second, position, orientation);
        }
    };

    /// Inner visitor: holds the first move, of kind M, and is visited by the second; only the
    /// visit of the same kind applies the rule, every other one yields false.
    template <class M, class Rule> class qzTypedMoveCompare : public qzCNCMoveVisitor
    {
    public:
        /// Compares against `first`, which is held by reference and must outlive the visitor.
        explicit qzTypedMoveCompare(const M& first, Rule rule = Rule()) : m_first(first), m_rule(rule) {}
        /// The tolerance kinds: position tolerance, then orientation tolerance.
        qzTypedMoveCompare(const M& first, double position, double orientation)
            : m_first(first), m_rule{position, orientation}
        {
        }
        /// The copy refers to the same first move.
        qzTypedMoveCompare(const qzTypedMoveCompare&) = default;
        void Visit(const qz5axMove& second) override { Compare(second); }
        void Visit(const qz3axMove& second) override { Compare(second); }
        void Visit(const qzCNCMove& second) override { Compare(second); }
        /// Result of the last visit; false before any.
        bool Equals() const { return m_result; }

    private:
        template <class S> void Compare(const S& second)
        {
            if constexpr (std::is_same<S, M>::value)
                m_result = m_rule(m_first, second);
            else
                m_result = false;
        }

        const M& m_first;
        Rule m_rule;
        bool m_result = false;
    };

    /// Outer visitor: visited by the first move, holds the second, and lets the second accept
    /// the inner visitor of the first one's kind.
    template <class Rule> class qzOuterMoveCompare : public qzCNCMoveVisitor
    {
    public:
        /// Compares with `second`, which is held by reference and must outlive the visitor.
        explicit qzOuterMoveCompare(const qzCNCMove& second, Rule rule = Rule()) : m_second(second), m_rule(rule) {}
        /// The tolerance kind: position tolerance, then orientation tolerance.
        qzOuterMoveCompare(const qzCNCMove& second, double position, double orientation)
            : m_second(second), m_rule{position, orientation}
        {
        }
        /// The copy refers to the same second move.
        qzOuterMoveCompare(const qzOuterMoveCompare&) = default;
        void Visit(const qz5axMove& first) override { Dispatch(first); }
        void Visit(const qz3axMove& first) override { Dispatch(first); }
        void Visit(const qzCNCMove& first) override { Dispatch(first); }
        /// Result of the last visit; false before any.
        bool Equals() const { return m_result; }

    private:
        template <class M> void Dispatch(const M& first)
        {
            qzTypedMoveCompare<M, Rule> inner(first, m_rule);
            m_second.AcceptVisitor(inner);
            m_result = inner.Equals();
        }

        const qzCNCMove& m_second;
        Rule m_rule;
        bool m_result = false;
    };

    /// The visitors of the normal comparison: the outer one, then the inner one per kind.
    ///@{
    using qzMoveCompare = qzOuterMoveCompare<NormalRule>;
    using qzCNCMoveCompare = qzTypedMoveCompare<qzCNCMove, NormalRule>;
    using qz3axMoveCompare = qzTypedMoveCompare<qz3axMove, NormalRule>;
    using qz5axMoveCompare = qzTypedMoveCompare<qz5axMove, NormalRule>;
    ///@}
    /// The visitors of the tolerance comparison: the outer one, then the inner one per kind.
    ///@{
    using qzMoveExactCompare = qzOuterMoveCompare<ToleranceRule>;
    using qzCNCMoveExactCompare = qzTypedMoveCompare<qzCNCMove, ToleranceRule>;
    using qz3axMoveExactCompare = qzTypedMoveCompare<qz3axMove, ToleranceRule>;
    using qz5axMoveExactCompare = qzTypedMoveCompare<qz5axMove, ToleranceRule>;
    ///@}

    /// Collects a move's position and its axis point (position + distance × orientation).
    class TESSAFORM_API qzRealComparePolyLines : public qzCNCMoveVisitor
    {
    public:
        /// Axis points are taken at position + `axisDistance` × orientation (the orientation as
        /// stored, not normalized).
        explicit qzRealComparePolyLines(double axisDistance) : m_axisDistance(axisDistance) {}
        /// Copies the distance and the points last collected.
        ///@{
        qzRealComparePolyLines(const qzRealComparePolyLines&) = default;
        qzRealComparePolyLines& operator=(const qzRealComparePolyLines&) = default;
        ///@}
        void Visit(const qz5axMove& move) override { Collect(move); }
        void Visit(const qz3axMove& move) override { Collect(move); }
        void Visit(const qzCNCMove& move) override { Collect(move); }

        /// Position of the last move visited.
        const qzCNCMove::Point& GetPosition() const { return m_position; }
        /// Axis point of the last move visited.
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
