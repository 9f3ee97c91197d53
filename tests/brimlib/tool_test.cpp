// The tool classes: each class reaches its own visit and branch and reports its type code, the
// cylinders stand-in holders and arbors are built from, and the definitions and the shoulder.
#include "brimlib/qzTypedTools.h"
#include "foundation/test_support.h"
#include "geometry/qz2dLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using namespace cadcam;
using measures::qzUnitsFactory;
using tessaform_test::ErrorMessage;

/// Names the visit a tool reached.
class VisitRecorder : public qzToolVisitor
{
public:
    std::string visited;
    void Visit(qzBoreBar&) override { visited = "BoreBar"; }
    void Visit(qzBullMill&) override { visited = "BullMill"; }
    void Visit(qzChamferMill&) override { visited = "ChamferMill"; }
    void Visit(qzCntrBore&) override { visited = "CntrBore"; }
    void Visit(qzCSink&) override { visited = "CSink"; }
    void Visit(qzCtrDrill&) override { visited = "CtrDrill"; }
    void Visit(qzDoveMill&) override { visited = "DoveMill"; }
    void Visit(qzDrill&) override { visited = "Drill"; }
    void Visit(qzEndMill&) override { visited = "EndMill"; }
    void Visit(qzFaceMill&) override { visited = "FaceMill"; }
    void Visit(qzLolMill&) override { visited = "LolMill"; }
    void Visit(qzRadMill&) override { visited = "RadMill"; }
    void Visit(qzReamer&) override { visited = "Reamer"; }
    void Visit(qzSlotMill&) override { visited = "SlotMill"; }
    void Visit(qzSpherMill&) override { visited = "SpherMill"; }
    void Visit(qzSpotDrill&) override { visited = "SpotDrill"; }
    void Visit(qzTaperMill&) override { visited = "TaperMill"; }
    void Visit(qzTapLH&) override { visited = "TapLH"; }
    void Visit(qzTapRH&) override { visited = "TapRH"; }
    void Visit(qzLatheTool&) override { visited = "LatheTool"; }
    void Visit(qzBarrelMill&) override { visited = "BarrelMill"; }
    void Visit(qzConvexTipMill&) override { visited = "ConvexTipMill"; }
    void Visit(qzGenericRevolvedTool&) override { visited = "GenericRevolvedTool"; }
    void Visit(qzTool&) override { visited = "Tool"; }
};

class BranchRecorder : public qzToolBranchVisitor
{
public:
    std::string visited;
    void Visit(const qzTypedRevolvedTool&) override { visited = "typed"; }
    void Visit(const qzGenericRevolvedTool&) override { visited = "generic"; }
    void Visit(const qzLatheTool&) override { visited = "lathe"; }
};

TEST(ToolClasses, EachClassVisitsItselfAndReportsItsCode)
{
    struct Case
    {
        misc::qzAutoPointer<qzTool> tool;
        const char* visit;
        const char* branch;
    };
    const Case cases[] = {
        {misc::qzMakeAutoPointer<qzBoreBar>(), "BoreBar", "typed"},
        {misc::qzMakeAutoPointer<qzBullMill>(), "BullMill", "typed"},
        {misc::qzMakeAutoPointer<qzChamferMill>(), "ChamferMill", "typed"},
        {misc::qzMakeAutoPointer<qzCntrBore>(), "CntrBore", "typed"},
        {misc::qzMakeAutoPointer<qzCSink>(), "CSink", "typed"},
        {misc::qzMakeAutoPointer<qzCtrDrill>(), "CtrDrill", "typed"},
        {misc::qzMakeAutoPointer<qzDoveMill>(), "DoveMill", "typed"},
        {misc::qzMakeAutoPointer<qzDrill>(), "Drill", "typed"},
        {misc::qzMakeAutoPointer<qzEndMill>(), "EndMill", "typed"},
        {misc::qzMakeAutoPointer<qzFaceMill>(), "FaceMill", "typed"},
        {misc::qzMakeAutoPointer<qzLolMill>(), "LolMill", "typed"},
        {misc::qzMakeAutoPointer<qzRadMill>(), "RadMill", "typed"},
        {misc::qzMakeAutoPointer<qzReamer>(), "Reamer", "typed"},
        {misc::qzMakeAutoPointer<qzSlotMill>(), "SlotMill", "typed"},
        {misc::qzMakeAutoPointer<qzSpherMill>(), "SpherMill", "typed"},
        {misc::qzMakeAutoPointer<qzSpotDrill>(), "SpotDrill", "typed"},
        {misc::qzMakeAutoPointer<qzTaperMill>(), "TaperMill", "typed"},
        {misc::qzMakeAutoPointer<qzTapLH>(), "TapLH", "typed"},
        {misc::qzMakeAutoPointer<qzTapRH>(), "TapRH", "typed"},
        {misc::qzMakeAutoPointer<qzLatheTool>(), "LatheTool", "lathe"},
        {misc::qzMakeAutoPointer<qzBarrelMill>(), "BarrelMill", "typed"},
        {misc::qzMakeAutoPointer<qzConvexTipMill>(), "ConvexTipMill", "typed"},
        {misc::qzMakeAutoPointer<qzGenericRevolvedTool>(), "GenericRevolvedTool", "generic"},
    };
    int code = 0;
    for (const Case& c : cases)
    {
        VisitRecorder visitor;
        c.tool->AcceptVirtual(visitor);
        EXPECT_EQ(c.visit, visitor.visited);
        BranchRecorder branch;
        c.tool->AcceptVisitor(branch);
        EXPECT_EQ(c.branch, branch.visited) << c.visit;
        EXPECT_EQ(code++, c.tool->GetToolType()) << c.visit;
        EXPECT_EQ(qzUnitsFactory::METRIC, c.tool->GetUnits()) << c.visit;
    }
    EXPECT_EQ(qzTool::kLastToolType + 1, code);
}

TEST(ToolClasses, AHostToolWithoutItsOwnVisitLandsOnTheBase)
{
    class HostTool : public qzTool
    {
    public:
        toolType GetToolType() const override { return END_MILL; }
        void AcceptVisitor(qzToolBranchVisitor&) const override {}
    };
    HostTool tool;
    VisitRecorder visitor;
    tool.AcceptVirtual(visitor);
    EXPECT_EQ("Tool", visitor.visited);
}

TEST(ToolClasses, TypedConstructorsKeepTheCommonBlockInOrder)
{
    const auto arbor = qzToolHelper<double>::CreateArborAsCylinder(10, 20, qzUnitsFactory::INCH);
    const auto holder = qzToolHelper<double>::CreateHolderAsCylinder(40, 60, qzUnitsFactory::METRIC);
    const qzShoulderExtender shoulder(qzUnitsFactory::INCH, 7, 8);
    const qzTapRH tap(0.1, qzTypedRevolvedTool::CORNER_CHAMFER, 1.25, 4, 12, 24, 80, arbor, holder, shoulder,
                      qzUnitsFactory::INCH);
    EXPECT_EQ(0.1, tap.GetCornerRadius());
    EXPECT_EQ(qzTypedRevolvedTool::CORNER_CHAMFER, tap.GetCornerType());
    EXPECT_EQ(1.25, tap.GetPitch());
    EXPECT_EQ(4, tap.GetNumberOfFlutes());
    EXPECT_EQ(12, tap.GetDiameter());
    EXPECT_EQ(24, tap.GetCuttingLength());
    EXPECT_EQ(80, tap.GetLength());
    EXPECT_EQ(arbor.Get(), tap.GetArbor().Get());
    EXPECT_EQ(holder.Get(), tap.GetHolder().Get());
    EXPECT_EQ(shoulder, tap.GetShoulderExtender());
    EXPECT_EQ(qzUnitsFactory::INCH, tap.GetUnits());

    const qzSlotMill slot(0.2, qzTypedRevolvedTool::CORNER_NONE, 50, 3, arbor, holder, shoulder,
                          qzUnitsFactory::METRIC);
    EXPECT_EQ(50, slot.GetDiameter());
    EXPECT_EQ(3, slot.GetCuttingLength());
    EXPECT_EQ(3, slot.GetLength());
}

TEST(ToolClasses, CylindersAreClosedRectangleHalfProfiles)
{
    const auto arbor = qzToolHelper<double>::CreateArborAsCylinder(10, 25, qzUnitsFactory::INCH);
    EXPECT_EQ(qzUnitsFactory::INCH, arbor->GetUnits());
    const auto* solid = dynamic_cast<const qzRevolvedSolidDefinition<double>*>(arbor->GetSolid().Get());
    ASSERT_NE(nullptr, solid);
    const auto& profile = *solid->GetProfile();
    ASSERT_EQ(4u, profile.GetSize());
    EXPECT_TRUE(profile.IsClosed());
    const double expected[][2] = {{0, 0}, {5, 0}, {5, 25}, {0, 25}};
    int i = 0;
    for (const auto& member : profile.GetMembers())
    {
        const auto start = member->GetStartPoint();
        EXPECT_EQ(expected[i][0], start->x()) << i;
        EXPECT_EQ(expected[i][1], start->y()) << i;
        ++i;
    }
    const auto holder = qzToolHelper<double>::CreateHolderAsCylinder(40, 60, qzUnitsFactory::METRIC);
    const auto& box =
        holder->GetSolid().DynamicCast<qzRevolvedSolidDefinition<double>>()->GetProfile()->GetBoundingBox();
    EXPECT_EQ(20, box.GetMaxX());
    EXPECT_EQ(60, box.GetMaxY());
}

TEST(ToolClasses, DefinitionsNeedASolidAndTakeItsUnits)
{
    EXPECT_EQ("Accessing NULL pointer", ErrorMessage([] { qzHolderDefinition<double> holder(nullptr); }));
    EXPECT_EQ("Accessing NULL pointer", ErrorMessage([] { qzToolPartDefinition<float> part(nullptr); }));
    auto solid = misc::qzMakeAutoPointer<qzMeshSolidDefinition<double>>(qzUnitsFactory::INCH);
    const qzArborDefinition<double> arbor(solid);
    EXPECT_EQ(qzUnitsFactory::INCH, arbor.GetUnits());
    solid->SetUnits(qzUnitsFactory::METRIC, false);
    EXPECT_EQ(qzUnitsFactory::METRIC, arbor.GetUnits());
}

TEST(ToolClasses, ShoulderComparesAndScalesItsLengths)
{
    qzShoulderExtender shoulder(qzUnitsFactory::INCH, 1, 2);
    EXPECT_EQ(qzShoulderExtender(qzUnitsFactory::INCH, 1, 2), shoulder);
    EXPECT_NE(qzShoulderExtender(qzUnitsFactory::METRIC, 1, 2), shoulder);
    EXPECT_NE(qzShoulderExtender(qzUnitsFactory::INCH, 1, 3), shoulder);
    shoulder.SetUnits(qzUnitsFactory::METRIC, true);
    EXPECT_DOUBLE_EQ(25.4, shoulder.GetDiameter());
    EXPECT_DOUBLE_EQ(50.8, shoulder.GetBaseLength());
    shoulder.SetDiameter(3);
    shoulder.SetBaseLength(4);
    EXPECT_EQ(qzShoulderExtender(qzUnitsFactory::METRIC, 3, 4), shoulder);
}
} // namespace
