// Tool moves of a toolpath and the visitors that dispatch on their kind.
#pragma once

#include "tessaform_export.h"
#include "geometry/qzTPoint.h"

#include <cstddef>

namespace cadcam
{
class qzCNCMove;
class qz3axMove;
class qz5axMove;

/// Read-only visit of a move by its dynamic kind.
class TESSAFORM_API qzCNCMoveVisitor
{
public:
    qzCNCMoveVisitor() = default;
    /// Visitors hold no state of their own here; copying is that of the derived class.
    ///@{
    qzCNCMoveVisitor(const qzCNCMoveVisitor&) = default;
    qzCNCMoveVisitor& operator=(const qzCNCMoveVisitor&) = default;
    ///@}
    virtual ~qzCNCMoveVisitor();
    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind.
    virtual void Visit(const qz5axMove& move) = 0;
    virtual void Visit(const qz3axMove& move) = 0;
    virtual void Visit(const qzCNCMove& move) = 0;
    ///@}
};

/// Visit that may change the move.
class TESSAFORM_API qzCNCMoveVisitorSetter
{
public:
    qzCNCMoveVisitorSetter() = default;
    /// Visitors hold no state of their own here; copying is that of the derived class.
    ///@{
    qzCNCMoveVisitorSetter(const qzCNCMoveVisitorSetter&) = default;
    qzCNCMoveVisitorSetter& operator=(const qzCNCMoveVisitorSetter&) = default;
    ///@}
    virtual ~qzCNCMoveVisitorSetter();
    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind.
    virtual void Visit(qz5axMove& move) = 0;
    virtual void Visit(qz3axMove& move) = 0;
    virtual void Visit(qzCNCMove& move) = 0;
    ///@}
};

/// A tool position with its axis orientation and motion attributes.
class TESSAFORM_API qzCNCMove
{
public:
    /// Positions and directions of a move.
    using Point = qzTPoint3d<double>;

    /// Result of the collision check at the move (GetCollisionState).
    enum collState : int
    {
        NOT_CHECKED = 0,
        NO_COLLISION = 1,
        COLLISION = 2
    };

    /// A move at the origin with the tool axis along +Z, feed rate 0, not rapid, not checked.
    qzCNCMove();
    /// A move at `position` with tool-axis direction `orientation`; other attributes default.
    qzCNCMove(const Point& position, const Point& orientation);
    /// Copies take every attribute.
    ///@{
    qzCNCMove(const qzCNCMove&) = default;
    qzCNCMove& operator=(const qzCNCMove&) = default;
    ///@}
    virtual ~qzCNCMove();

    /// Calls the visitor's Visit overload for this move's dynamic kind.
    ///@{
    virtual void AcceptVisitor(qzCNCMoveVisitor& visitor) const;
    virtual void AcceptVisitor(qzCNCMoveVisitorSetter& visitor);
    ///@}

    /// Tool position of the move, in the toolpath's units.
    ///@{
    virtual const Point& GetPosition() const { return m_position; }
    virtual void SetPosition(const Point& position) { m_position = position; }
    ///@}
    /// Tool-axis direction at the move, stored as given (not normalized).
    ///@{
    virtual const Point& GetOrientation() const { return m_orientation; }
    virtual void SetOrientation(const Point& orientation) { m_orientation = orientation; }
    ///@}

    /// Feed rate of the move (0 by default); stored as given, without unit conversion.
    ///@{
    double GetFeedRate() const { return m_feedRate; }
    void SetFeedRate(double feedRate) { m_feedRate = feedRate; }
    ///@}
    /// True for a rapid (non-cutting) move.
    ///@{
    bool IsRapidMove() const { return m_rapid; }
    void SetRapidMove(bool rapid) { m_rapid = rapid; }
    ///@}
    /// Collision state at the move (NOT_CHECKED by default).
    ///@{
    collState GetCollisionState() const { return m_collisionState; }
    void SetCollisionState(collState state) { m_collisionState = state; }
    ///@}
    /// Parameter of the move along the toolpath it was derived from (0 by default).
    ///@{
    double GetParameterizationAgainstOriginalPath() const { return m_parameterization; }
    void SetParameterizationAgainstOriginalPath(double value) { m_parameterization = value; }
    ///@}

    /// Every attribute equal (kinds are compared by qzMovesCompMethods).
    bool operator==(const qzCNCMove& other) const;
    /// Negation of operator==.
    bool operator!=(const qzCNCMove& other) const { return !(*this == other); }

private:
    Point m_position;
    Point m_orientation;
    double m_feedRate = 0.0;
    double m_parameterization = 0.0;
    collState m_collisionState = NOT_CHECKED;
    bool m_rapid = false;
};

/// A move of a three-axis toolpath.
class TESSAFORM_API qz3axMove : public qzCNCMove
{
public:
    /// The constructors of qzCNCMove.
    using qzCNCMove::qzCNCMove;

    /// Calls the visitor's Visit(qz3axMove) overload.
    ///@{
    void AcceptVisitor(qzCNCMoveVisitor& visitor) const override;
    void AcceptVisitor(qzCNCMoveVisitorSetter& visitor) override;
    ///@}

    /// Exact comparison of every attribute, as qzCNCMove::operator==.
    ///@{
    bool operator==(const qz3axMove& other) const { return qzCNCMove::operator==(other); }
    bool operator!=(const qz3axMove& other) const { return !(*this == other); }
    ///@}
};

/// A move of a five-axis toolpath; may carry the surface contact it was computed from.
class TESSAFORM_API qz5axMove : public qzCNCMove
{
public:
    /// The constructors of qzCNCMove; a new move has no contact data.
    using qzCNCMove::qzCNCMove;

    /// Calls the visitor's Visit(qz5axMove) overload.
    ///@{
    void AcceptVisitor(qzCNCMoveVisitor& visitor) const override;
    void AcceptVisitor(qzCNCMoveVisitorSetter& visitor) override;
    ///@}

    /// True once any contact datum was set, until ClearPotentialSurfaceData.
    bool HasPotentialSurfaceData() const { return m_hasSurfaceData; }
    /// Forgets the contact data.
    void ClearPotentialSurfaceData();
    /// Surface contact point the move was computed from; setting it marks the data present.
    ///@{
    const Point& GetPotentialSurfaceCP() const { return m_surfaceCP; }
    void SetPotentialSurfaceCP(const Point& point);
    ///@}
    /// Surface orientation at the contact point; setting it marks the data present.
    ///@{
    const Point& GetPotentialSurfaceCPOrient() const { return m_surfaceCPOrient; }
    void SetPotentialSurfaceCPOrient(const Point& orientation);
    ///@}
    /// Identifier of the contacted surface; setting it marks the data present.
    ///@{
    std::size_t GetPotentialSurfaceID() const { return m_surfaceID; }
    void SetPotentialSurfaceID(std::size_t id);
    ///@}

    /// Exact comparison of the base attributes and the presence of contact data; the contact
    /// data itself is compared only when both moves have it.
    ///@{
    bool operator==(const qz5axMove& other) const;
    bool operator!=(const qz5axMove& other) const { return !(*this == other); }
    ///@}

private:
    Point m_surfaceCP;
    Point m_surfaceCPOrient;
    std::size_t m_surfaceID = 0;
    bool m_hasSurfaceData = false;
};

/// Scales the lengths of a move (positions and contact points); orientations stay.
class TESSAFORM_API qzCNCMoveScaleVisitor : public qzCNCMoveVisitorSetter
{
public:
    /// A visitor that multiplies lengths by `factor`.
    explicit qzCNCMoveScaleVisitor(double factor);
    /// Copies take the factor.
    ///@{
    qzCNCMoveScaleVisitor(const qzCNCMoveScaleVisitor&) = default;
    qzCNCMoveScaleVisitor& operator=(const qzCNCMoveScaleVisitor&) = default;
    ///@}
    ~qzCNCMoveScaleVisitor() override;

    void Visit(qz5axMove& move) override;
    void Visit(qz3axMove& move) override;
    void Visit(qzCNCMove& move) override;

    /// The factor given at construction.
    double GetFactor() const { return m_factor; }

private:
    double m_factor;
};
} // namespace cadcam
