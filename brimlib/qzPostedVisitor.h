// Visitors over the posted-move kinds, and the ones that read, write and classify a move.
#pragma once

#include "brimlib/qzPostedMove.h"

namespace misc
{
class qzBinInputStream;
class qzBinOutputStream;
} // namespace misc

namespace post
{
class qzBIPostTypes;
class qzBOPostTypes;

/// Visit of a posted move that may change it, one overload per kind.
class TESSAFORM_API qzPostedMoveVisitor
{
public:
    qzPostedMoveVisitor() = default;
    /// Visitors hold no state of their own here; copying is that of the derived class.
    ///@{
    qzPostedMoveVisitor(const qzPostedMoveVisitor&) = default;
    qzPostedMoveVisitor& operator=(const qzPostedMoveVisitor&) = default;
    ///@}
    virtual ~qzPostedMoveVisitor();
    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind.
    virtual void Visit(qzPosted3axMove& move) = 0;
    virtual void Visit(qzPosted4axMove& move) = 0;
    virtual void Visit(qzPosted5axMove& move) = 0;
    virtual void Visit(qzPosted6axMove& move) = 0;
    ///@}
};

/// Read-only visit of a posted move, one overload per kind.
class TESSAFORM_API qzPostedMoveConstVisitor
{
public:
    qzPostedMoveConstVisitor() = default;
    /// Visitors hold no state of their own here; copying is that of the derived class.
    ///@{
    qzPostedMoveConstVisitor(const qzPostedMoveConstVisitor&) = default;
    qzPostedMoveConstVisitor& operator=(const qzPostedMoveConstVisitor&) = default;
    ///@}
    virtual ~qzPostedMoveConstVisitor();
    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind.
    virtual void Visit(const qzPosted3axMove& move) = 0;
    virtual void Visit(const qzPosted4axMove& move) = 0;
    virtual void Visit(const qzPosted5axMove& move) = 0;
    virtual void Visit(const qzPosted6axMove& move) = 0;
    ///@}
};

/// Reads the record of the move held by a pointer, through the reader of its kind.
class TESSAFORM_API qzPostedVisitorBinInput : public qzPostedMoveVisitor
{
public:
    /// Borrows the reader and the pointer for the visitor's lifetime.
    qzPostedVisitorBinInput(qzBIPostTypes& reader, misc::qzAutoPointer<qzPostedMove>& move);

    /// Reads the move's record; misc::qzException "Accessing NULL pointer" for an empty pointer.
    misc::qzBinInputStream& Read();

    void Visit(qzPosted3axMove& move) override;
    void Visit(qzPosted4axMove& move) override;
    void Visit(qzPosted5axMove& move) override;
    void Visit(qzPosted6axMove& move) override;

private:
    qzBIPostTypes& m_reader;
    misc::qzAutoPointer<qzPostedMove>& m_move;
};

/// Writes a move's record through the writer of its kind.
class TESSAFORM_API qzPostedVisitorBinOutput : public qzPostedMoveConstVisitor
{
public:
    /// Borrows the writer for the visitor's lifetime.
    explicit qzPostedVisitorBinOutput(qzBOPostTypes& writer);

    void Visit(const qzPosted3axMove& move) override;
    void Visit(const qzPosted4axMove& move) override;
    void Visit(const qzPosted5axMove& move) override;
    void Visit(const qzPosted6axMove& move) override;

private:
    qzBOPostTypes& m_writer;
};

/// Tells a move's kind: 0 three, 1 four, 2 five, 3 six axes (the kind codes of stored lists).
class TESSAFORM_API qzPostedVisitorMoveType : public qzPostedMoveConstVisitor
{
public:
    /// Kind code of a posted move, as stored in move lists.
    enum Kind : int
    {
        THREE_AXES = 0,
        FOUR_AXES = 1,
        FIVE_AXES = 2,
        SIX_AXES = 3
    };

    qzPostedVisitorMoveType() = default;

    void Visit(const qzPosted3axMove& move) override;
    void Visit(const qzPosted4axMove& move) override;
    void Visit(const qzPosted5axMove& move) override;
    void Visit(const qzPosted6axMove& move) override;

    /// Kind of the move last visited (THREE_AXES before any visit).
    Kind GetKind() const { return m_kind; }
    /// The kind of `move`.
    static Kind Of(const qzPostedMove& move);

private:
    Kind m_kind = THREE_AXES;
};
} // namespace post
