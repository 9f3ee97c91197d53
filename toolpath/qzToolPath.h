// The toolpath tree: toolpath > passes > slices > sections > moves, all levels shared.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzMeasurable.h"
#include "toolpath/qzMovesAccessor.h"

#include <list>

namespace cadcam
{
class qzTPSection;
class qzTPContour;
class qzTPLink;

/// Visit of a section by its kind.
class TESSAFORM_API qzTPSVisitor
{
public:
    qzTPSVisitor() = default;
    /// The interface holds no state; these let derived visitors be copied.
    ///@{
    qzTPSVisitor(const qzTPSVisitor&) = default;
    qzTPSVisitor& operator=(const qzTPSVisitor&) = default;
    ///@}
    virtual ~qzTPSVisitor();
    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind.
    virtual void Visit(const qzTPLink& section) = 0;
    virtual void Visit(const qzTPContour& section) = 0;
    /// Sections of any other kind.
    virtual void Visit(const qzTPSection& section) = 0;
    ///@}
};

/// A run of moves. Sections of kinds other than contour and link visit the last slot.
class TESSAFORM_API qzTPSection : public qzMovesAccessor<qzMoveList>
{
public:
    qzTPSection();
    /// Copies the list of moves; the moves themselves are shared.
    ///@{
    qzTPSection(const qzTPSection&);
    qzTPSection& operator=(const qzTPSection&);
    ///@}
    ~qzTPSection() override;

    /// Calls the visitor's last slot, that of other kinds; contours and links override it.
    virtual void AcceptVisitor(qzTPSVisitor& visitor) const;
};

/// A cutting section.
class TESSAFORM_API qzTPContour : public qzTPSection
{
public:
    qzTPContour();
    ~qzTPContour() override;
    /// Calls the visitor's contour slot.
    void AcceptVisitor(qzTPSVisitor& visitor) const override;

protected:
    /// Nothing to make: a contour holds its moves itself.
    void AssureSpace4Move() override {}
};

/// A linking section with its kind of link.
class TESSAFORM_API qzTPLink : public qzTPSection
{
public:
    /// Kind of link, named after where it lies in the toolpath (first entry, last exit, lead-in,
    /// lead-out, gap along a cut, between slices, between passes, retract). The toolpath only
    /// keeps and returns it.
    enum Types : int
    {
        FIRST_ENTRY = 0,
        LAST_EXIT = 1,
        LEAD_IN = 2,
        LEAD_OUT = 3,
        GAP_ALONG_CUT = 4,
        BETWEEN_SLICES = 5,
        BETWEEN_PASSES = 6,
        RETRACT = 7
    };

    /// An empty link of the given kind.
    explicit qzTPLink(Types type = BETWEEN_SLICES);
    ~qzTPLink() override;
    /// Calls the visitor's link slot.
    void AcceptVisitor(qzTPSVisitor& visitor) const override;

    /// The kind of link; any value is kept as given.
    ///@{
    Types GetLinkType() const { return m_type; }
    void SetLinkType(Types type) { m_type = type; }
    ///@}

protected:
    /// Nothing to make: a link holds its moves itself.
    void AssureSpace4Move() override {}

private:
    Types m_type;
};

/// The shared sections of a slice, in order.
using qzSectionList = std::list<misc::qzAutoPointer<qzTPSection>>;

/// The sections of one slice.
class TESSAFORM_API qzTPSlice : public qzMovesAccessor<misc::qzCollectionOfContainers<qzSectionList>>
{
public:
    /// A position in the slice's list of sections.
    using SectionPosition = qzSectionList::iterator;

    qzTPSlice();
    /// Copies the list of sections; the sections themselves are shared.
    ///@{
    qzTPSlice(const qzTPSlice&);
    qzTPSlice& operator=(const qzTPSlice&);
    ///@}
    ~qzTPSlice() override;

    /// Number of sections, empty ones included.
    unsigned long GetSectionsCount() const { return static_cast<unsigned long>(GetContainers().size()); }
    /// Positions in the list of sections.
    ///@{
    SectionPosition GetSectionsBegin() { return GetContainers().begin(); }
    SectionPosition GetSectionsEnd() { return GetContainers().end(); }
    qzSectionList::const_iterator GetSectionsBegin() const { return GetContainers().begin(); }
    qzSectionList::const_iterator GetSectionsEnd() const { return GetContainers().end(); }
    ///@}
    /// Appends or prepends the section itself (shared, not copied).
    ///@{
    void PushBack(const misc::qzAutoPointer<qzTPSection>& section) { GetContainers().push_back(section); }
    void PushFront(const misc::qzAutoPointer<qzTPSection>& section) { GetContainers().push_front(section); }
    ///@}

protected:
    /// A slice without sections gets an empty contour.
    void AssureSpace4Move() override;
};

/// The shared slices of a pass, in order.
using qzSliceList = std::list<misc::qzAutoPointer<qzTPSlice>>;

/// The slices of one pass.
class TESSAFORM_API qzTPPass : public qzMovesAccessor<misc::qzCollectionOfContainers<qzSliceList>>
{
public:
    /// A position in the pass's list of slices.
    using SlicePosition = qzSliceList::iterator;

    qzTPPass();
    /// Copies the list of slices; the slices themselves are shared.
    ///@{
    qzTPPass(const qzTPPass&);
    qzTPPass& operator=(const qzTPPass&);
    ///@}
    ~qzTPPass() override;

    /// Number of slices, empty ones included.
    unsigned long GetSlicesCount() const { return static_cast<unsigned long>(GetContainers().size()); }
    /// Positions in the list of slices.
    ///@{
    SlicePosition GetSlicesBegin() { return GetContainers().begin(); }
    SlicePosition GetSlicesEnd() { return GetContainers().end(); }
    qzSliceList::const_iterator GetSlicesBegin() const { return GetContainers().begin(); }
    qzSliceList::const_iterator GetSlicesEnd() const { return GetContainers().end(); }
    ///@}
    /// Appends or prepends the slice itself (shared, not copied).
    ///@{
    void PushBack(const misc::qzAutoPointer<qzTPSlice>& slice) { GetContainers().push_back(slice); }
    void PushFront(const misc::qzAutoPointer<qzTPSlice>& slice) { GetContainers().push_front(slice); }
    ///@}

protected:
    /// A pass without slices gets an empty slice.
    void AssureSpace4Move() override;

private:
    friend class qzToolPath;
};

/// The shared passes of a toolpath, in order.
using qzPassList = std::list<misc::qzAutoPointer<qzTPPass>>;

/// A toolpath in given units. Copies share the passes.
class TESSAFORM_API qzToolPath : public qzMovesAccessor<misc::qzCollectionOfContainers<qzPassList>>,
                                 public measures::qzMeasurable
{
public:
    /// Positions in the toolpath's list of passes.
    ///@{
    using PassPosition = qzPassList::iterator;
    using ConstPassPosition = qzPassList::const_iterator;
    ///@}

    /// Reads the kind of a section.
    class TESSAFORM_API qzSectionInfoGetter : public qzTPSVisitor
    {
    public:
        qzSectionInfoGetter() = default;
        void Visit(const qzTPLink& section) override;
        void Visit(const qzTPContour& section) override;
        /// qzcadcamException 2639: only contours and links are known.
        void Visit(const qzTPSection& section) override;

        /// Whether the last section visited was a link.
        bool IsLink() const { return m_isLink; }
        /// Kind of the last link visited; FIRST_ENTRY before any link was.
        qzTPLink::Types GetLinkType() const { return m_linkType; }

    private:
        bool m_isLink = false;
        qzTPLink::Types m_linkType = qzTPLink::FIRST_ENTRY;
    };

    /// A toolpath without passes, in the given units.
    explicit qzToolPath(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);
    /// Shares the other toolpath's passes and copies its units (no scaling).
    ///@{
    qzToolPath(const qzToolPath& other);
    qzToolPath& operator=(const qzToolPath& other);
    ///@}
    ~qzToolPath() override;

    /// Number of passes, empty ones included.
    unsigned long GetPassesCount() const { return static_cast<unsigned long>(GetContainers().size()); }
    /// Positions in the list of passes.
    ///@{
    PassPosition GetPassesBegin() { return GetContainers().begin(); }
    PassPosition GetPassesEnd() { return GetContainers().end(); }
    ConstPassPosition GetPassesBegin() const { return GetContainers().begin(); }
    ConstPassPosition GetPassesEnd() const { return GetContainers().end(); }
    ///@}

    /// Appends or prepends the pass itself (shared, not copied).
    ///@{
    void PushBack(const misc::qzAutoPointer<qzTPPass>& pass);
    void PushFront(const misc::qzAutoPointer<qzTPPass>& pass);
    ///@}
    /// Inserts before `position`; returns the new pass's position.
    PassPosition Insert(PassPosition& position, const misc::qzAutoPointer<qzTPPass>& pass);
    /// Removes [first, last); returns the position after them.
    PassPosition ErasePasses(PassPosition first, PassPosition last);
    /// Removes every pass (passes shared elsewhere live on).
    void Clear();
    /// Appends to the last pass (made when there is none).
    void PushBack(const misc::qzAutoPointer<qzTPSlice>& slice);
    /// Appends to the last slice of the last pass (both made when missing).
    void PushBack(const misc::qzAutoPointer<qzTPSection>& section);

    /// Whether the section is a qzTPLink; qzcadcamException 2639 for a section of a kind other
    /// than contour or link.
    static bool IsALink(const qzTPSection& section);
    /// Whether the move at `position` lies in a link section.
    bool IsPartOfALink(const const_iterator& position) const;
    /// Link kind of the section of the move at `position`; qzcadcamException 2640 for a move
    /// outside a link.
    qzTPLink::Types GetLinkType(const const_iterator& position) const;

    /// Same units and equal moves, pair by pair.
    bool operator==(const qzToolPath& other) const;
    /// Negation of operator==.
    bool operator!=(const qzToolPath& other) const { return !(*this == other); }

protected:
    void AssureSpace4Move() override { AssureAtLeastOnePass(); }
    /// Multiplies every move's lengths by `factor`; the units are set by the caller.
    void Scale(measures::qzUnitsFactory::Units units, const double& factor) override;

private:
    void AssureAtLeastOnePass();
    /// The section holding the move at `position`; "Accessing NULL pointer" for end().
    const qzTPSection& GetMoveSection(const const_iterator& position) const;
};
} // namespace cadcam
