// Cutting tools: the base class, the visitors over the tool classes, the revolved tools given by
// profiles (generic revolved, lathe) and the enriched tool of a tool library.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzMeasurable.h"
#include "brimlib/qzToolDefinitions.h"

#include <string>

namespace cadcam
{
class qzTool;
class qzTypedRevolvedTool;
class qzBoreBar;
class qzBullMill;
class qzChamferMill;
class qzCntrBore;
class qzCSink;
class qzCtrDrill;
class qzDoveMill;
class qzDrill;
class qzEndMill;
class qzFaceMill;
class qzLolMill;
class qzRadMill;
class qzReamer;
class qzSlotMill;
class qzSpherMill;
class qzSpotDrill;
class qzTaperMill;
class qzTapLH;
class qzTapRH;
class qzLatheTool;
class qzBarrelMill;
class qzConvexTipMill;
class qzGenericRevolvedTool;

/// One visit per tool class, by mutable reference. The last one takes the base class: a tool
/// class of the host's own that overrides no AcceptVirtual lands there, so a visitor can
/// refuse it instead of mistaking it for a known kind.
class TESSAFORM_API qzToolVisitor
{
public:
    qzToolVisitor() = default;
    /// Visitors hold no state of their own here; copying is that of the derived class.
    ///@{
    qzToolVisitor(const qzToolVisitor&) = default;
    qzToolVisitor& operator=(const qzToolVisitor&) = default;
    ///@}
    virtual ~qzToolVisitor();

    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind.
    virtual void Visit(qzBoreBar& tool) = 0;
    virtual void Visit(qzBullMill& tool) = 0;
    virtual void Visit(qzChamferMill& tool) = 0;
    virtual void Visit(qzCntrBore& tool) = 0;
    virtual void Visit(qzCSink& tool) = 0;
    virtual void Visit(qzCtrDrill& tool) = 0;
    virtual void Visit(qzDoveMill& tool) = 0;
    virtual void Visit(qzDrill& tool) = 0;
    virtual void Visit(qzEndMill& tool) = 0;
    virtual void Visit(qzFaceMill& tool) = 0;
    virtual void Visit(qzLolMill& tool) = 0;
    virtual void Visit(qzRadMill& tool) = 0;
    virtual void Visit(qzReamer& tool) = 0;
    virtual void Visit(qzSlotMill& tool) = 0;
    virtual void Visit(qzSpherMill& tool) = 0;
    virtual void Visit(qzSpotDrill& tool) = 0;
    virtual void Visit(qzTaperMill& tool) = 0;
    virtual void Visit(qzTapLH& tool) = 0;
    virtual void Visit(qzTapRH& tool) = 0;
    virtual void Visit(qzLatheTool& tool) = 0;
    virtual void Visit(qzBarrelMill& tool) = 0;
    virtual void Visit(qzConvexTipMill& tool) = 0;
    virtual void Visit(qzGenericRevolvedTool& tool) = 0;
    virtual void Visit(qzTool& tool) = 0;
    ///@}
};

/// One visit per branch of the tool tree, by const reference.
class TESSAFORM_API qzToolBranchVisitor
{
public:
    qzToolBranchVisitor() = default;
    /// Visitors hold no state of their own here; copying is that of the derived class.
    ///@{
    qzToolBranchVisitor(const qzToolBranchVisitor&) = default;
    qzToolBranchVisitor& operator=(const qzToolBranchVisitor&) = default;
    ///@}
    virtual ~qzToolBranchVisitor();

    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind.
    virtual void Visit(const qzTypedRevolvedTool& tool) = 0;
    virtual void Visit(const qzGenericRevolvedTool& tool) = 0;
    virtual void Visit(const qzLatheTool& tool) = 0;
    ///@}
};

/// A cutting tool in given units.
class TESSAFORM_API qzTool : public measures::qzMeasurable
{
public:
    /// The stored type codes of the tool classes.
    enum toolType : int
    {
        BORE_BAR = 0,
        BULL_MILL = 1,
        CHAMFER_MILL = 2,
        CNTR_BORE = 3,
        CSINK = 4,
        CTR_DRILL = 5,
        DOVE_MILL = 6,
        DRILL = 7,
        END_MILL = 8,
        FACE_MILL = 9,
        LOL_MILL = 10,
        RAD_MILL = 11,
        REAMER = 12,
        SLOT_MILL = 13,
        SPHER_MILL = 14,
        SPOT_DRILL = 15,
        TAPER_MILL = 16,
        TAP_LH = 17,
        TAP_RH = 18,
        LATHE_TOOL = 19,
        BARREL_MILL = 20,
        CONVEX_TIP_MILL = 21,
        GENERIC_REVOLVED_TOOL = 22
    };
    /// Largest valid type code; the tool reader refuses larger codes (qzcadcamException 2108).
    static constexpr int kLastToolType = GENERIC_REVOLVED_TOOL;

    /// Units of the tool's lengths.
    using Units = measures::qzUnitsFactory::Units;
    /// Shared holder, arbor and tool-part definitions; an empty pointer means the part is absent.
    ///@{
    using Holder = misc::qzAutoPointer<qzHolderDefinition<double>>;
    using Arbor = misc::qzAutoPointer<qzArborDefinition<double>>;
    using ToolPart = misc::qzAutoPointer<qzToolPartDefinition<double>>;
    ///@}

    /// A tool in `units`.
    explicit qzTool(Units units = measures::qzUnitsFactory::METRIC);
    ~qzTool() override;

    /// The type code of the tool's class.
    virtual toolType GetToolType() const = 0;
    /// Calls the visitor's Visit for the tool's own class (the qzTool one here).
    virtual void AcceptVirtual(qzToolVisitor& visitor);
    /// Calls the visitor's Visit for the tool's branch.
    virtual void AcceptVisitor(qzToolBranchVisitor& visitor) const = 0;
};

/// A tool whose body is given by its holder, arbor and the profiles of its cutting and
/// non-cutting parts.
class TESSAFORM_API qzGenericRevolvedTool : public qzTool
{
public:
    /// No parts, metric.
    qzGenericRevolvedTool();
    /// A tool of the given parts, shared with the caller (any of them may be empty), in `units`.
    qzGenericRevolvedTool(Holder holder, Arbor arbor, ToolPart cutPart, ToolPart nonCutPart, Units units);
    ~qzGenericRevolvedTool() override;

    toolType GetToolType() const override { return GENERIC_REVOLVED_TOOL; }
    void AcceptVirtual(qzToolVisitor& visitor) override;
    void AcceptVisitor(qzToolBranchVisitor& visitor) const override;

    /// The parts given at construction: holder, arbor, cutting part and non-cutting part
    /// (each empty when not given).
    ///@{
    const Holder& GetHolder() const { return m_holder; }
    const Arbor& GetArbor() const { return m_arbor; }
    const ToolPart& GetCutPart() const { return m_cutPart; }
    const ToolPart& GetNonCutPart() const { return m_nonCutPart; }
    ///@}

private:
    Holder m_holder;
    Arbor m_arbor;
    ToolPart m_cutPart;
    ToolPart m_nonCutPart;
};

/// A turning tool: its insert and body as one tool part, and its holder.
class TESSAFORM_API qzLatheTool : public qzTool
{
public:
    /// No parts, metric.
    qzLatheTool();
    /// A tool of the given parts, shared with the caller (either may be empty), in `units`.
    qzLatheTool(ToolPart toolPart, Holder holder, Units units);
    ~qzLatheTool() override;

    toolType GetToolType() const override { return LATHE_TOOL; }
    void AcceptVirtual(qzToolVisitor& visitor) override;
    void AcceptVisitor(qzToolBranchVisitor& visitor) const override;

    /// The parts given at construction: insert and body, and holder (each empty when not given).
    ///@{
    const ToolPart& GetToolPart() const { return m_toolPart; }
    const Holder& GetHolder() const { return m_holder; }
    ///@}

private:
    ToolPart m_toolPart;
    Holder m_holder;
};

/// A tool as a tool library lists it: the shared tool, its number, name and comment.
class TESSAFORM_API qzEnrichedTool
{
public:
    qzEnrichedTool() = default;
    /// An entry for `tool` (shared with the caller) with its number, name and comment.
    qzEnrichedTool(misc::qzAutoPointer<qzTool> tool, int number, std::string name, std::string comment);

    /// The tool, shared (empty for a default-constructed entry).
    ///@{
    const misc::qzAutoPointer<qzTool>& GetTool() const { return m_tool; }
    void SetTool(misc::qzAutoPointer<qzTool> tool) { m_tool = std::move(tool); }
    ///@}
    /// Tool number in the library (0 by default).
    ///@{
    int GetNumber() const { return m_number; }
    void SetNumber(int number) { m_number = number; }
    ///@}
    /// Name and comment of the entry, free text ("" by default).
    ///@{
    const std::string& GetName() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    const std::string& GetComment() const { return m_comment; }
    void SetComment(const std::string& comment) { m_comment = comment; }
    ///@}

private:
    misc::qzAutoPointer<qzTool> m_tool;
    int m_number = 0;
    std::string m_name;
    std::string m_comment;
};
} // namespace cadcam
