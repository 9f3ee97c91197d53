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
    /// Positions and directions of a posted move.
    using Point = cadcam::qzTPoint3d<double>;

    /// Role of the move in the toolpath (GetMoveType); stored values 0 to 6.
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
    /// Copies take every attribute.
    ///@{
    qzPostedMove(const qzPostedMove&) = default;
    qzPostedMove& operator=(const qzPostedMove&) = default;
    ///@}
    virtual ~qzPostedMove();

    /// Number of rotary axes of the kind (0 to 3).
    virtual unsigned GetNrOfRotaryAxes() const = 0;
    /// Calls the visitor's overload for the move's kind.
    ///@{
    virtual void AcceptVisitor(qzPostedMoveVisitor& visitor) = 0;
    virtual void AcceptVisitor(qzPostedMoveConstVisitor& visitor) const = 0;
    ///@}

    /// Position of the machine's translation axes.
    ///@{
    const Point& GetAbsMachPos() const { return m_absMachPos; }
    void SetAbsMachPos(const Point& p) { m_absMachPos = p; }
    ///@}
    /// Tool position in part coordinates.
    ///@{
    const Point& GetPartPos() const { return m_partPos; }
    void SetPartPos(const Point& p) { m_partPos = p; }
    ///@}
    /// Tool-axis direction in part coordinates ((0, 0, 1) by default), stored as given.
    ///@{
    const Point& GetOrientation() const { return m_orientation; }
    void SetOrientation(const Point& p) { m_orientation = p; }
    ///@}
    /// Feed rate of the move (0 by default), stored as given.
    ///@{
    double GetFeedrate() const { return m_feedrate; }
    void SetFeedrate(double value) { m_feedrate = value; }
    ///@}
    /// True for a rapid (non-cutting) move.
    ///@{
    bool IsRapid() const { return m_rapid; }
    void SetRapid(bool value) { m_rapid = value; }
    ///@}
    /// Role of the move (CUT by default); the setter does not check the range.
    ///@{
    Types GetMoveType() const { return m_moveType; }
    void SetMoveType(Types type) { m_moveType = type; }
    ///@}
    /// Time value carried with the move (0 by default), stored as given.
    ///@{
    double GetTime() const { return m_time; }
    void SetTime(double value) { m_time = value; }
    ///@}
    /// Flag for a move of the reduced record (false by default); the binary reader leaves it
    /// false, even for a move read from a reduced record.
    ///@{
    bool IsShortPostedMove() const { return m_short; }
    void SetShortPostedMove(bool value) { m_short = value; }
    ///@}

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
    /// Surface contact point of the move.
    ///@{
    const Point& GetPotentialSurfaceCP() const { return m_surfaceCP; }
    void SetPotentialSurfaceCP(const Point& p)
    {
        m_surfaceCP = p;
        m_hasSurfaceData = true;
    }
    ///@}
    /// Surface orientation at the contact point.
    ///@{
    const Point& GetPotentialSurfaceCPOrient() const { return m_surfaceCPOrient; }
    void SetPotentialSurfaceCPOrient(const Point& p)
    {
        m_surfaceCPOrient = p;
        m_hasSurfaceData = true;
    }
    ///@}
    /// Identifier of the contacted surface (NONDETERMINATE_SURFACE_ID when unknown).
    ///@{
    std::size_t GetPotentialSurfaceID() const { return m_surfaceID; }
    void SetPotentialSurfaceID(std::size_t id)
    {
        m_surfaceID = id;
        m_hasSurfaceData = true;
    }
    ///@}
    /// Reference to the toolpath move this move was posted from (0 by default).
    ///@{
    std::size_t GetReferenceToOriginalToolpath() const { return m_reference; }
    void SetReferenceToOriginalToolpath(std::size_t reference) { m_reference = reference; }
    ///@}
    /// True for a move added by the post-processor rather than posted from the toolpath.
    ///@{
    bool WasAddOnPost() const { return m_addOnPost; }
    void SetWasAddOnPost(bool value) { m_addOnPost = value; }
    ///@}

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

    /// N, the number of rotary values of the kind.
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

/// Posted move of a 3-axis machine: no rotary value.
class TESSAFORM_API qzPosted3axMove : public qzPostedNaxMove<0>
{
public:
    using qzPostedNaxMove<0>::qzPostedNaxMove;
    void AcceptVisitor(qzPostedMoveVisitor& visitor) override;
    void AcceptVisitor(qzPostedMoveConstVisitor& visitor) const override;
};

/// Posted move of a 4-axis machine: one rotary value.
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
    /// Which of the two angle solutions the move took.
    using anglesState = qzAnglesState;
    using qzPostedNaxMove<N>::qzPostedNaxMove;
    /// The angle solution taken (ANGLES_UNDEFINED by default).
    anglesState GetAngleState() const { return m_state; }
    /// Sets the angle solution taken, unchecked.
    void SetAngleState(anglesState state) { m_state = state; }

private:
    anglesState m_state = ANGLES_UNDEFINED;
};

/// Posted move of a 5-axis machine: two rotary values and the angle solution taken.
class TESSAFORM_API qzPosted5axMove : public qzPostedAngledMove<2>
{
public:
    using qzPostedAngledMove<2>::qzPostedAngledMove;
    void AcceptVisitor(qzPostedMoveVisitor& visitor) override;
    void AcceptVisitor(qzPostedMoveConstVisitor& visitor) const override;
};

/// Posted move of a 6-axis machine: three rotary values and the angle solution taken.
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
    /// The moves, in toolpath order, each shared with whoever else holds it.
    using MoveList = std::list<misc::qzAutoPointer<qzPostedMove>>;
    /// Alignment matrix, 4 x 4.
    using Matrix = cadcam::qzMatrix<double, 4, 4>;

    qzPostedTP();
    /// Shares the moves and the matrix.
    ///@{
    qzPostedTP(const qzPostedTP& other);
    qzPostedTP& operator=(const qzPostedTP& other);
    ///@}
    virtual ~qzPostedTP();

    /// The moves, in order; the non-const overload lets the caller edit the list.
    ///@{
    const MoveList& GetMoves() const { return m_moves; }
    MoveList& GetMoves() { return m_moves; }
    ///@}
    /// Appends `move`, shared with the caller; a null pointer is stored as it is.
    void PushBack(const misc::qzAutoPointer<qzPostedMove>& move) { m_moves.push_back(move); }
    /// Number of moves.
    std::size_t GetSize() const { return m_moves.size(); }

    /// Alignment matrix, shared; empty when the toolpath has none.
    ///@{
    const misc::qzAutoPointer<Matrix>& GetAlignMatrix() const { return m_alignMatrix; }
    void SetAlignMatrix(const misc::qzAutoPointer<Matrix>& matrix) { m_alignMatrix = matrix; }
    ///@}

private:
    MoveList m_moves;
    misc::qzAutoPointer<Matrix> m_alignMatrix;
};
} // namespace post
