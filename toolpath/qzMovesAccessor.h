// Move-level operations over a move list or a collection of sub-containers.
#pragma once

#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzCNCMove.h"
#include "toolpath/qzCollectionOfContainers.h"
#include "toolpath/qzMovesCompMethods.h"

#include <list>

namespace cadcam
{
/// The shared moves of a section, in order.
using qzMoveList = std::list<misc::qzAutoPointer<qzCNCMove>>;

namespace detail
{
/// Sequence comparisons and collision queries shared by every accessor level. `Self` offers
/// GetMovesBegin/GetMovesEnd/GetMovesCount.
template <class Self> class qzMoveSequenceOps
{
public:
    /// Same object, or as many moves and each pair equal by kind and operator==.
    bool operator==(const Self& other) const
    {
        return Pairwise(other, [](const qzCNCMove& a, const qzCNCMove& b) {
            return qzMovesCompMethods::NormalCompareMoves(a, b);
        });
    }
    bool operator!=(const Self& other) const { return !(*this == other); }

    /// As operator==, comparing each pair by position and orientation within the tolerances.
    bool ExactCompareTolerance(const Self& other, double positionTolerance, double orientationTolerance) const
    {
        return Pairwise(other, [&](const qzCNCMove& a, const qzCNCMove& b) {
            return qzMovesCompMethods::ExactCompareMoves(a, b, positionTolerance, orientationTolerance);
        });
    }

    /// Geometric comparison of two paths that may be sampled differently: every move of each
    /// sequence lies on the other's path within the tolerances (qzMovesCompMethods::
    /// RealCompareOneWay, applied in both directions). The axis point of a move lies
    /// `axisDistance` along its orientation. The last argument is not used.
    bool RealCompare(const Self& other, double positionTolerance, double axisTolerance, double axisDistance,
                     double /*unused*/ = 0.0) const
    {
        const Self& self = Me();
        return qzMovesCompMethods::RealCompareOneWay(self.GetMovesBegin(), self.GetMovesEnd(), other.GetMovesBegin(),
                                                     other.GetMovesEnd(), positionTolerance, axisTolerance,
                                                     axisDistance) &&
               qzMovesCompMethods::RealCompareOneWay(other.GetMovesBegin(), other.GetMovesEnd(), self.GetMovesBegin(),
                                                     self.GetMovesEnd(), positionTolerance, axisTolerance,
                                                     axisDistance);
    }

    /// Whether any move is in collision.
    bool Collide() const
    {
        for (auto it = Me().GetMovesBegin(), end = Me().GetMovesEnd(); it != end; ++it)
            if ((*it)->GetCollisionState() == qzCNCMove::COLLISION)
                return true;
        return false;
    }

    unsigned long CountCollisions() const
    {
        unsigned long count = 0;
        for (auto it = Me().GetMovesBegin(), end = Me().GetMovesEnd(); it != end; ++it)
            count += (*it)->GetCollisionState() == qzCNCMove::COLLISION;
        return count;
    }

protected:
    ~qzMoveSequenceOps() = default;

private:
    const Self& Me() const { return static_cast<const Self&>(*this); }

    template <class Equal> bool Pairwise(const Self& other, Equal equal) const
    {
        const Self& self = Me();
        if (&self == &other)
            return true;
        if (self.GetMovesCount() != other.GetMovesCount())
            return false;
        auto b = other.GetMovesBegin();
        for (auto a = self.GetMovesBegin(), end = self.GetMovesEnd(); a != end; ++a, ++b)
            if (!equal(**a, **b))
                return false;
        return true;
    }
};
} // namespace detail

/// Move access over a collection of sub-containers. Before a move is inserted, the level makes
/// sure a sub-container exists (AssureSpace4Move), so a move can always be inserted.
template <class C>
class qzMovesAccessor : protected C, public detail::qzMoveSequenceOps<qzMovesAccessor<C>>
{
public:
    /// A shared move.
    using Move = misc::qzAutoPointer<qzCNCMove>;
    /// Iterator over every move of every sub-container, in order.
    using iterator = typename C::iterator;
    /// Iterator over every move of every sub-container, in order, read-only.
    using const_iterator = typename C::const_iterator;

    qzMovesAccessor() = default;
    /// Copies the list of sub-containers; the sub-containers are shared, not duplicated.
    qzMovesAccessor(const qzMovesAccessor&) = default;
    /// Replaces the list of sub-containers by a copy of the other's; they are shared.
    qzMovesAccessor& operator=(const qzMovesAccessor&) = default;
    ~qzMovesAccessor() override = default;

    /// The first move across all sub-containers, empty ones skipped.
    iterator GetMovesBegin() { return C::begin(); }
    /// Past the last move.
    iterator GetMovesEnd() { return C::end(); }
    /// The first move, read-only.
    const_iterator GetMovesBegin() const { return C::begin(); }
    /// Past the last move, read-only.
    const_iterator GetMovesEnd() const { return C::end(); }
    /// Number of moves in all sub-containers.
    unsigned long GetMovesCount() const { return C::size(); }
    /// True when there is no move at all.
    bool IsEmpty() const { return C::empty(); }

    /// Appends the move (shared) at the end of the last sub-container, made first when missing.
    virtual void PushBackMove(const Move& move) { C::push_back(move); }
    /// Inserts the move (shared) before the first move; into the last sub-container, made first
    /// when missing, when there is no move.
    virtual void PushFrontMove(const Move& move) { this->push_front(move); }
    /// Inserts the move (shared) before `position` (GetMovesEnd() appends); returns its position.
    iterator InsertMove(iterator& position, const Move& move) { return this->insert(position, move); }

protected:
    /// Makes sure a sub-container exists (AssureSpace4Move), then inserts as the collection does.
    iterator insert(const iterator& position, const Move& move) override
    {
        AssureSpace4Move();
        return C::insert(position, move);
    }

    /// Creates the sub-container a move needs when there is none.
    virtual void AssureSpace4Move() = 0;

private:
    template <class> friend class misc::qzCollectionOfContainers;
};

/// Move access over a plain move list (a section).
template <>
class qzMovesAccessor<qzMoveList> : protected qzMoveList, public detail::qzMoveSequenceOps<qzMovesAccessor<qzMoveList>>
{
public:
    /// A shared move.
    using Move = misc::qzAutoPointer<qzCNCMove>;
    /// Iterators over the moves, in order.
    ///@{
    using iterator = qzMoveList::iterator;
    using const_iterator = qzMoveList::const_iterator;
    ///@}

    qzMovesAccessor() = default;
    /// Copies the list of moves; the moves themselves are shared, not duplicated.
    ///@{
    qzMovesAccessor(const qzMovesAccessor&) = default;
    qzMovesAccessor& operator=(const qzMovesAccessor&) = default;
    ///@}
    virtual ~qzMovesAccessor() = default;

    /// The moves in order.
    ///@{
    iterator GetMovesBegin() { return begin(); }
    iterator GetMovesEnd() { return end(); }
    const_iterator GetMovesBegin() const { return begin(); }
    const_iterator GetMovesEnd() const { return end(); }
    ///@}
    /// Number of moves.
    unsigned long GetMovesCount() const { return static_cast<unsigned long>(size()); }
    /// True when there is no move.
    bool IsEmpty() const { return empty(); }

    /// Appends the move (shared).
    virtual void PushBackMove(const Move& move) { push_back(move); }
    /// Prepends the move (shared).
    virtual void PushFrontMove(const Move& move) { push_front(move); }
    /// Inserts the move (shared) before `position`; returns its position.
    iterator InsertMove(iterator& position, const Move& move) { return insert(position, move); }

protected:
    /// Kept for the interface shared by all levels: a section holds its moves itself, so its
    /// kinds define it as doing nothing.
    virtual void AssureSpace4Move() = 0;

private:
    template <class> friend class misc::qzCollectionOfContainers;
};
} // namespace cadcam
