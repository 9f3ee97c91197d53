#include "brimlib/qzTool.h"

namespace cadcam
{
qzToolVisitor::~qzToolVisitor() = default;
qzToolBranchVisitor::~qzToolBranchVisitor() = default;

qzTool::qzTool(Units units) : measures::qzMeasurable(units) {}

qzTool::~qzTool() = default;

void qzTool::AcceptVirtual(qzToolVisitor& visitor)
{
    visitor.Visit(*this);
}

qzGenericRevolvedTool::qzGenericRevolvedTool() = default;

qzGenericRevolvedTool::qzGenericRevolvedTool(Holder holder, Arbor arbor, ToolPart cutPart,
                                             ToolPart nonCutPart, Units units)
    : qzTool(units), m_holder(std::move(holder)), m_arbor(std::move(arbor)), m_cutPart(std::move(cutPart)),
      m_nonCutPart(std::move(nonCutPart))
{
}

qzGenericRevolvedTool::~qzGenericRevolvedTool() = default;

void qzGenericRevolvedTool::AcceptVirtual(qzToolVisitor& visitor)
{
    visitor.Visit(*this);
}

void qzGenericRevolvedTool::AcceptVisitor(qzToolBranchVisitor& visitor) const
{
    visitor.Visit(*this);
}

qzLatheTool::qzLatheTool() = default;

qzLatheTool::qzLatheTool(ToolPart toolPart, Holder holder, Units units)
    : qzTool(units), m_toolPart(std::move(toolPart)), m_holder(std::move(holder))
{
}

qzLatheTool::~qzLatheTool() = default;

void qzLatheTool::AcceptVirtual(qzToolVisitor& visitor)
{
    visitor.Visit(*this);
}

void qzLatheTool::AcceptVisitor(qzToolBranchVisitor& visitor) const
{
    visitor.Visit(*this);
}

qzEnrichedTool::qzEnrichedTool(misc::qzAutoPointer<qzTool> tool, int number, std::string name,
                               std::string comment)
    : m_tool(std::move(tool)), m_number(number), m_name(std::move(name)), m_comment(std::move(comment))
{
}
} // namespace cadcam
