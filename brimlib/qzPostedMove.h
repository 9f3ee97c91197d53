// Posted moves: tool moves transformed to machine axes, and the posted toolpath.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "geometry/qzMatrix.h"
#include "geometry/qzTPoint.h"

#include <cstddef>
#include <list>

namespace post
{
class qzPostedMoveVisitor;
class qzPostedMoveConstVisitor;

/// Attributes shared by posted moves of every axis count.
class TESSAFORM_API qzPostedMove
{
public:
    using Point = cadcam::qzTPoint3d<double>;

    enum Types : int
    {
        CUT = 0,
        RAPID = 1,
        LEAD_IN = 2,
        LEAD_OUT = 3,
        LINK = 4,
        RETRACT = 5,
        APPROACH = 6
    };

    qzPostedMove() = default;
    qzPostedMove(const qzPostedMove&) = default;
    qzPostedMove& operator=(const qzPostedMove&) = default;
    virtual ~qzPostedMove();

    /// Number of rotary axes of the kind (0 to 3).
    virtual unsigned GetNrOfRotaryAxes() const = 0;
    /// Calls the visitor's overload for the move's kind.
    virtual void AcceptVisitor(qzPostedMoveVisitor& visitor) = 0;
    virtual void AcceptVisitor(qzPostedMoveConstVisitor& visitor) const = 0;

    const Point& GetAbsMachPos() const { return m_absMachPos; }
    void SetAbsMachPos(const Point& p) { m_absMachPos = p; }
    const Point& GetPartPos() const { return m_partPos; }
    void SetPartPos(const Point& p) { m_partPos = p; }
    const Point& GetOrientation() const { return m_orientation; }
    void SetOrientation(const Point& p) { m_orientation = p; }
    double GetFeedrate() const { return m_feedrate; }
    void SetFeedrate(double value) { m_feedrate = value; }
    bool IsRapid() const { return m_rapid; }
    void SetRapid(bool value) { m_rapid = value; }
    Types GetMoveType() const { return m_moveType; }
    void SetMoveType(Types type) { m_moveType = type; }
    double GetTime() const { return m_time; }
    void SetTime(double value) { m_time = value; }
    bool IsShortPostedMove() const { return m_short; }
    void SetShortPostedMove(bool value) { m_short = value; }

private:
    Point m_absMachPos;
    Point m_partPos;
    Point m_orientation{0.0, 0.0, 1.0};
    double m_feedrate = 0.0;
    double m_time = 0.0;
    Types m_moveType = CUT;
    bool m_rapid = false;
    bool m_short = false;
};

/// A posted move that remembers the surface contact and the original toolpath move.
class TESSAFORM_API qzExtendedPostedMove : public qzPostedMove
{
public:
    /// Surface identifier of a move whose contact surface is not known.
    static constexpr unsigned NONDETERMINATE_SURFACE_ID = 0;

    /// Whether a surface contact was set (each of its three setters sets it).
    bool HasPotentialSurfaceData() const { return m_hasSurfaceData; }
    /// Forgets the surface contact.
    void ClearPotentialSurfaceData()
    {
        m_surfaceCP = Point();
        m_surfaceCPOrient = Point();
        m_surfaceID = NONDETERMINATE_SURFACE_ID;
        m_hasSurfaceData = false;
    }
    const Point& GetPotentialSurfaceCP() const { return m_surfaceCP; }
    void SetPotentialSurfaceCP(const Point& p)
    {
        m_surfaceCP = p;
        m_hasSurfaceData = true;
    }
    const Point& GetPotentialSurfaceCPOrient() const { return m_surfaceCPOrient; }
    void SetPotentialSurfaceCPOrient(const Point& p)
    {
        m_surfaceCPOrient = p;
        m_hasSurfaceData = true;
    }
    std::size_t GetPotentialSurfaceID() const { return m_surfaceID; }
    void SetPotentialSurfaceID(std::size_t id)
    {
        m_surfaceID = id;
        m_hasSurfaceData = true;
    }
    std::size_t GetReferenceToOriginalToolpath() const { return m_reference; }
    void SetReferenceToOriginalToolpath(std::size_t reference) { m_reference = reference; }
    bool WasAddOnPost() const { return m_addOnPost; }
    void SetWasAddOnPost(bool value) { m_addOnPost = value; }

private:
    Point m_surfaceCP;
    Point m_surfaceCPOrient;
    std::size_t m_surfaceID = NONDETERMINATE_SURFACE_ID;
    std::size_t m_reference = 0;
    bool m_addOnPost = false;
    bool m_hasSurfaceData = false;
};

/// Posted move with N rotary values (N = 0 to 3).
template <unsigned N> class qzPostedNaxMove : public qzExtendedPostedMove
{
public:
    /// `shortMove` marks a move stored in the reduced record.
    explicit qzPostedNaxMove(bool shortMove = false) { SetShortPostedMove(shortMove); }

    unsigned GetNrOfRotaryAxes() const override { return N; }
    /// Rotary value `index`; 0 for an index beyond the kind's axes.
    double GetRotVal(unsigned index = 0) const { return index < N ? m_rot[index] : 0.0; }
    /// Ignored for an index beyond the kind's axes.
    void SetRotVal(double value, unsigned index = 0)
    {
        if (index < N)
            m_rot[index] = value;
    }

private:
    double m_rot[N == 0 ? 1 : N] = {};
};

class TESSAFORM_API qzPosted3axMove : public qzPostedNaxMove<0>
{
public:
    using qzPostedNaxMove<0>::qzPostedNaxMove;
    void AcceptVisitor(qzPostedMoveVisitor& visitor) override;
    void AcceptVisitor(qzPostedMoveConstVisitor& visitor) const override;
};

class TESSAFORM_API qzPosted4axMove : public qzPostedNaxMove<1>
{
public:
    using qzPostedNaxMove<1>::qzPostedNaxMove;
    void AcceptVisitor(qzPostedMoveVisitor& visitor) override;
    void AcceptVisitor(qzPostedMoveConstVisitor& visitor) const override;
};

/// Which of the two angle solutions a 5- or 6-axis move took.
enum qzAnglesState : int
{
    ANGLES_UNDEFINED = 0,
    ANGLES_FIRST_SOLUTION = 1,
    ANGLES_SECOND_SOLUTION = 2
};

/// A posted move whose N rotary angles were chosen from two solutions.
template <unsigned N> class qzPostedAngledMove : public qzPostedNaxMove<N>
{
public:
    using anglesState = qzAnglesState;
    using qzPostedNaxMove<N>::qzPostedNaxMove;
    anglesState GetAngleState() const { return m_state; }
    void SetAngleState(anglesState state) { m_state = state; }

private:
    anglesState m_state = ANGLES_UNDEFINED;
};

class TESSAFORM_API qzPosted5axMove : public qzPostedAngledMove<2>
{
public:
    using qzPostedAngledMove<2>::qzPostedAngledMove;
    void AcceptVisitor(qzPostedMoveVisitor& visitor) override;
    void AcceptVisitor(qzPostedMoveConstVisitor& visitor) const override;
};

class TESSAFORM_API qzPosted6axMove : public qzPostedAngledMove<3>
{
public:
    using qzPostedAngledMove<3>::qzPostedAngledMove;
    void AcceptVisitor(qzPostedMoveVisitor& visitor) override;
    void AcceptVisitor(qzPostedMoveConstVisitor& visitor) const override;
};

/// A posted toolpath: shared moves and an optional alignment matrix.
class TESSAFORM_API qzPostedTP
{
public:
    using MoveList = std::list<misc::qzAutoPointer<qzPostedMove>>;
    using Matrix = cadcam::qzMatrix<double, 4, 4>;

    qzPostedTP();
    /// Shares the moves and the matrix.
    qzPostedTP(const qzPostedTP& other);
    qzPostedTP& operator=(const qzPostedTP& other);
    virtual ~qzPostedTP();

    const MoveList& GetMoves() const { return m_moves; }
    MoveList& GetMoves() { return m_moves; }
    void PushBack(const misc::qzAutoPointer<qzPostedMove>& move) { m_moves.push_back(move); }
    std::size_t GetSize() const { return m_moves.size(); }

    const misc::qzAutoPointer<Matrix>& GetAlignMatrix() const { return m_alignMatrix; }
    void SetAlignMatrix(const misc::qzAutoPointer<Matrix>& matrix) { m_alignMatrix = matrix; }

private:
    MoveList m_moves;
    misc::qzAutoPointer<Matrix> m_alignMatrix;
};
} // namespace post
