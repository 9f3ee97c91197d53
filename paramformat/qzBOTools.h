// Writer of tools, their holders, arbors, parts and solids.
#pragma once

#include "brimlib/qzTypedTools.h"
#include "paramformat/qzBO2dGeometry.h"
#include "paramformat/qzBOCadcamTypes.h"

namespace cadcam
{
/// Writes tool records in the layout of the newest version (kVersion), the one qzBITools
/// describes: enumerations as one byte, units as I32, holder and arbor definitions as solid
/// definitions, the shoulder record with its units, no shoulder correction, the lollipop
/// mill's neck diameter.
///
/// Refusals: a tool whose type code is beyond the table or does not match its class, and a
/// class of no known kind: qzcadcamException 2108; a solid definition of no known kind:
/// qzcadcamException 2183; an empty holder, arbor, part, solid, profile, mesh or tool:
/// misc::qzException "Accessing NULL pointer"; 2D elements as qzBO2dGeometry refuses them.
/// A refused record may leave the bytes written before the refusal in the stream.
class TESSAFORM_API qzBOTools
{
public:
    /// The stored version whose layout the records are written in.
    static constexpr unsigned kVersion = 226;

    /// Writes to `stream` (not owned; it must outlive the writer), shrunk or full width.
    qzBOTools(misc::qzBinOutputStream& stream, bool shrinkData = false);
    virtual ~qzBOTools();

    /// A tool record: the type code and the record of the tool's class.
    misc::qzBinOutputStream& operator<<(const qzTool& tool);
    /// Units as an I32 (2 bytes with shrink data).
    misc::qzBinOutputStream& operator<<(const measures::qzUnitsFactory::Units& units);
    /// A shoulder record: units, diameter and base length.
    misc::qzBinOutputStream& operator<<(const qzShoulderExtender& shoulder);
    /// A holder, arbor or tool-part definition: its solid's units, then the solid definition.
    ///@{
    misc::qzBinOutputStream& operator<<(const qzHolderDefinition<double>& holder);
    misc::qzBinOutputStream& operator<<(const qzArborDefinition<double>& arbor);
    misc::qzBinOutputStream& operator<<(const qzToolPartDefinition<double>& part);
    ///@}
    /// The kind code and the record of the solid.
    misc::qzBinOutputStream& operator<<(const qzSolidDefinition<double>& solid);
    /// An enriched tool: the tool record, its number, name and comment.
    misc::qzBinOutputStream& operator<<(const qzEnrichedTool& tool);

    /// The stream written to.
    misc::qzBinOutputStream& GetStream() const { return m_cadcam.GetStream(); }

private:
    class SolidDispatch;
    template <class Tool> void WriteTyped(const qzTool& tool);
    void WriteCommon(const qzTypedRevolvedTool& tool, bool singleLength);
    void WriteValue(double value);
    void WriteValue(int value);
    void WriteValue(qzTypedRevolvedTool::cornerRaduisType value);
    void WriteEnum(int value);
    void WriteDefinition(const qzSolidBasedDefinition<double>& definition);
    void WriteRevolved(const qzRevolvedSolidDefinition<double>& solid);
    void WriteExtruded(const qzExtrudedSolidDefinition<double>& solid);
    void WriteMesh(const qzMeshSolidDefinition<double>& solid);
    void WriteGenericRevolved(const qzGenericRevolvedTool& tool);
    void WriteLathe(const qzLatheTool& tool);

    qzBOCadcamTypes m_cadcam;
    qzBO2dGeometry<double> m_geometry;
};
} // namespace cadcam
