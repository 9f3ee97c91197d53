// Reader of tools, their holders, arbors, parts and solids.
#pragma once

#include "brimlib/qzTypedTools.h"
#include "paramformat/qzBI2dGeometry.h"
#include "paramformat/qzBICadcamTypes.h"

namespace cadcam
{
/// Reads tool records of every stored version.
///
/// Record layout (ENUM: one byte from version 18, I32 below; UNITS: I32 from version 25, not
/// stored below, where the reader's default units stand in and default units of 0 fail with
/// qzcadcamException 2139):
///
/// - Tool: type code (ENUM, the qzTool::toolType values 0 to 22; any other, -1 included, fails
///   with qzcadcamException 2108), then the record of that class.
/// - Typed revolved tool (every code but 19 and 22):
///   1. UNITS;
///   2. the kind's own values (see the accessors of each class, in order; F64, I32 or ENUM;
///      corner types other than 0 to 2 fail with qzcadcamException 2184); a lollipop mill holds
///      its neck diameter from version 155 on only;
///   3. diameter, cutting length, length (F64); a slot mill stores the diameter and its one
///      length;
///   4. arbor: an arbor definition from version 23; below, two F64 a, b and the arbor is
///      qzToolHelper<double>::CreateArborAsCylinder(a, b - the last length of step 3);
///   5. holder: a holder definition from version 22; below, two F64 a, b and the holder is
///      CreateHolderAsCylinder(a, b);
///   6. shoulder extender: a shoulder record from version 130; below, the units of the holder
///      with the diameter and the first length of step 3;
///   7. below version 154, barrel, taper, lollipop, dovetail and chamfer mills then store the
///      corrected shoulder diameter and base length (F64 each);
///   8. below version 50 a slot mill's arbor is replaced by the cylinder enclosing its profile
///      (diameter twice the largest x, length the profile's height), as those versions kept
///      only the arbor's size.
/// - Shoulder record: units (I32, from version 131; the default units below), diameter and base
///   length (F64).
/// - Holder and arbor definitions: UNITS, then from version 60 a solid definition; from 48 to
///   59 the profile of a revolved solid (a contour element, no kind code); below 48 a stack of
///   truncated cones from the tip up: a count (SIZE), then each cone's bottom diameter, top
///   diameter and height (F64), turned into the closed half-profile of lines from the axis at
///   height 0 out to the first cone, along every flank, back to the axis at the top and down
///   the axis (steps of length 0 left out).
/// - Tool-part definition: UNITS, then a solid definition.
/// - Solid definition: kind (ENUM; other than 0 to 2 fails with qzcadcamException 2183), then
///   0 revolved: its profile, a contour element;
///   1 extruded: the contour count of its base (SIZE), each contour element, the base height
///   (F64), the extrusion vector (three F64);
///   2 mesh: UNITS of the mesh, the point count (SIZE), each point (three F64), the triangle
///   count (SIZE), each triangle's three point indices (U32; an index beyond the points fails
///   with misc::qzIdxRangeException<unsigned>) and its normal (three F64).
///   The solid takes the units of the definition that holds it.
/// - Generic revolved tool: holder, arbor, cutting-part and non-cutting-part definitions; the
///   tool's units are those of the cutting part.
/// - Lathe tool: tool-part definition, holder definition; the tool's units are the part's.
/// - Enriched tool: tool record, number (I32), name (STR), comment (STR).
///
/// 2D elements are read with qzBI2dGeometry<double>. A short stream throws qzmiscException
/// 2018. A failed read leaves its target unchanged.
class TESSAFORM_API qzBITools : public qzToolVisitor
{
public:
    /// Units of the tools and of their parts.
    using Units = measures::qzUnitsFactory::Units;
    /// Holder, arbor and tool-part definitions, shared as a tool holds them.
    ///@{
    using Holder = qzTool::Holder;
    using Arbor = qzTool::Arbor;
    using ToolPart = qzTool::ToolPart;
    ///@}
    /// A solid definition of any kind, shared.
    using Solid = misc::qzAutoPointer<qzSolidDefinition<double>>;

    /// The stream, the stored version, the shrink-data, unicode and 64-bit-binary flags, and the
    /// units of records older than their units field.
    qzBITools(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData = false,
              bool isUnicode = false, bool is64bBin = false,
              Units defaultUnits = measures::qzUnitsFactory::METRIC);
    ~qzBITools() override;

    /// A tool record: creates the tool of the stored type and fills it.
    misc::qzBinInputStream& operator>>(misc::qzAutoPointer<qzTool>& tool);
    /// The units of a tool record (the version rule above).
    misc::qzBinInputStream& operator>>(Units& units);
    /// A shoulder record (stored from version 130 on).
    misc::qzBinInputStream& operator>>(qzShoulderExtender& shoulder);
    /// A holder, arbor or tool-part definition in a new object, replacing the one held.
    ///@{
    misc::qzBinInputStream& operator>>(Holder& holder);
    misc::qzBinInputStream& operator>>(Arbor& arbor);
    misc::qzBinInputStream& operator>>(ToolPart& part);
    ///@}
    /// An enriched tool: the tool record, its number, name and comment.
    misc::qzBinInputStream& operator>>(qzEnrichedTool& tool);

    /// The units of a tool record (the version rule above).
    virtual Units ReadUnits();
    /// A holder or arbor definition: its units, then its solid in the stored version's form.
    ///@{
    virtual Holder ReadHolderDefinition();
    virtual Arbor ReadArborDefinition();
    ///@}
    /// A tool-part definition: its units, then a solid definition.
    virtual ToolPart ReadToolPartDefinition();
    /// A solid definition of any kind, in `units`.
    virtual Solid ReadSolidDefinition(Units units);
    /// The record of a solid of each kind, without its kind code, in `units`.
    ///@{
    virtual misc::qzAutoPointer<qzRevolvedSolidDefinition<double>> ReadRevolvedSolid(Units units);
    virtual misc::qzAutoPointer<qzExtrudedSolidDefinition<double>> ReadExtrudedSolid(Units units);
    virtual misc::qzAutoPointer<qzMeshSolidDefinition<double>> ReadMeshSolid(Units units);
    ///@}

    /// Each reads the record of its class (without the type code) into the tool.
    void Visit(qzBoreBar& tool) override;
    void Visit(qzBullMill& tool) override;
    void Visit(qzChamferMill& tool) override;
    void Visit(qzCntrBore& tool) override;
    void Visit(qzCSink& tool) override;
    void Visit(qzCtrDrill& tool) override;
    void Visit(qzDoveMill& tool) override;
    void Visit(qzDrill& tool) override;
    void Visit(qzEndMill& tool) override;
    void Visit(qzFaceMill& tool) override;
    void Visit(qzLolMill& tool) override;
    void Visit(qzRadMill& tool) override;
    void Visit(qzReamer& tool) override;
    void Visit(qzSlotMill& tool) override;
    void Visit(qzSpherMill& tool) override;
    void Visit(qzSpotDrill& tool) override;
    void Visit(qzTaperMill& tool) override;
    void Visit(qzTapLH& tool) override;
    void Visit(qzTapRH& tool) override;
    void Visit(qzLatheTool& tool) override;
    void Visit(qzBarrelMill& tool) override;
    void Visit(qzConvexTipMill& tool) override;
    void Visit(qzGenericRevolvedTool& tool) override;
    /// A tool of no known class: qzcadcamException 2108.
    void Visit(qzTool& tool) override;

    /// The stored version the data are read as.
    unsigned int GetVersion() const { return m_cadcam.GetVersion(); }
    /// The units of records older than their units field.
    Units GetDefaultUnits() const { return m_cadcam.GetDefaultUnits(); }
    /// The stream read from.
    misc::qzBinInputStream& GetStream() const { return m_stream; }
    /// The reader of units, points and primitive values on the same stream.
    qzBICadcamTypes& GetCadcamReader() { return m_cadcam; }
    /// The reader of the profiles and contours (2D elements) on the same stream.
    qzBI2dGeometry<double>& GetGeometryReader() { return m_geometry; }

private:
    template <class Tool> void ReadTyped(Tool& tool);
    void ReadValue(double& value);
    void ReadValue(int& value);
    void ReadValue(qzTypedRevolvedTool::cornerRaduisType& value);
    /// The solid of a holder or arbor definition, in whichever form the version stores.
    Solid ReadHolderOrArborSolid(Units units);
    Solid ReadConeStack(Units units);

    misc::qzBinInputStream& m_stream;
    qzBICadcamTypes m_cadcam;
    qzBI2dGeometry<double> m_geometry;
};
} // namespace cadcam
