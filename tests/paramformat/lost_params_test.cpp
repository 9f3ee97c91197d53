// The conversions of the lost-parameter store, called directly: bounds, numberings and the
// messages of the values they refuse.
#include "paramformat/qzLostParamsOV20.h"

#include "brimlib/qzException.h"
#include "foundation/test_support.h"

#include <gtest/gtest.h>

namespace
{
using tessaform_test::Thrown;
using G = qzLostParamsOV20::gapHandling;

TEST(LostParamsConversions, AxesAndMoveActionsOfTheOldNumbering)
{
    EXPECT_EQ(qzLinkParams::X_AXIS, qzLostParamsOV20::ConvertAxis(qz5axParams::X));
    EXPECT_EQ(qzLinkParams::Z_AXIS, qzLostParamsOV20::ConvertAxis(qz5axParams::Z));
    for (int axis : {-1, 3})
    {
        const auto e =
            Thrown<misc::qzException>([&] { qzLostParamsOV20::ConvertAxis(qz5axParams::axis(axis)); });
        ASSERT_TRUE(e);
        EXPECT_EQ("Axis Conversion not implemented", e->GetErrorMessage());
    }

    const struct
    {
        int handling;
        bool entryMode;
        qzMoveHandling::Action action;
        bool leads;
    } cases[] = {{0, true, qzMoveHandling::STRAIGHT_LINE, false},
                 {1, false, qzMoveHandling::BLEND_SPLINE, true},
                 {2, true, qzMoveHandling::RETRACT_TO_CLEARANCE, true},
                 {2, false, qzMoveHandling::RETRACT_INCREMENTAL, true},
                 {3, true, qzMoveHandling::FOLLOW_SURFACE, false},
                 {4, false, qzMoveHandling::BROKEN_FEED, false}};
    const qzLostParamsOV20 lost;
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.action, qzLostParamsOV20::ConvertMoveAction(G(c.handling), c.entryMode)) << c.handling;
        EXPECT_EQ(c.leads, lost.ValidateUsageOfEEMC(G(c.handling))) << c.handling;
    }
    for (int handling : {5, -1})
    {
        const auto e =
            Thrown<misc::qzException>([&] { qzLostParamsOV20::ConvertMoveAction(G(handling), true); });
        ASSERT_TRUE(e);
        EXPECT_EQ("MoveAction Conversion not implemented", e->GetErrorMessage());
    }
}

TEST(LostParamsConversions, LagAndSideTiltAnglesOnTheBoundsStay)
{
    const struct
    {
        unsigned version;
        double lag, side;
        double expectedLag, expectedSide;
    } cases[] = {{199, 89.999, -179.999, 89.999, -179.999},
                 {199, -89.999 - 2e-12, 179.999 + 2e-12, 0.0, 0.0},
                 {199, 89.9995, -180.0, 0.0, 0.0},
                 {200, 89.9995, -180.0, 89.9995, -180.0}};
    for (const auto& c : cases)
    {
        qzLostParamsOV20 lost;
        lost.lagAngle = c.lag;
        lost.sideTiltAngle = c.side;
        qz5axParams params;
        lost.ApplySettingsTo5axParams(params, c.version);
        EXPECT_EQ(c.expectedLag, params.GetLagAngle()) << c.version << " " << c.lag;
        EXPECT_EQ(c.expectedSide, params.GetSideTiltAngle()) << c.version << " " << c.side;
    }
}

TEST(LostParamsConversions, StockOperationFromTheSignedTolerance)
{
    const struct
    {
        unsigned version;
        double stored;
        double tolerance;
        qzCollCtrlOpStockParams::StockOffsetMode mode;
    } cases[] = {{14, -2.5, 0.0, qzCollCtrlOpStockParams::OFFSET_OUTWARDS},
                 {15, -2.5, 2.5, qzCollCtrlOpStockParams::OFFSET_INWARDS},
                 {15, 0.0, 0.0, qzCollCtrlOpStockParams::OFFSET_INWARDS},
                 {86, 1.5, 1.5, qzCollCtrlOpStockParams::OFFSET_OUTWARDS}};
    for (const auto& c : cases)
    {
        qzLostParamsOV20 lost;
        lost.stockUseFlag = true;
        lost.signedStockDefTolerance = c.stored;
        qzCollCtrlOpStockParams stock;
        stock.SetCheckArbor(false);
        stock.SetStockType(qzCollCtrlOpStockParams::STOCK_NONE);
        lost.ApplySettingsToStockParams(stock, c.version);
        EXPECT_TRUE(stock.GetStatus());
        EXPECT_EQ(c.tolerance, stock.GetStockDefTolerance()) << c.version << " " << c.stored;
        EXPECT_EQ(c.mode, stock.GetStockOffsetMode()) << c.version << " " << c.stored;
        EXPECT_TRUE(stock.GetCheckArbor() && stock.GetCheckHolder() && stock.GetCheckToolShaft());
        EXPECT_EQ(qzCollCtrlOpStockParams::STOCK_DEFINITION, stock.GetStockType());
    }
}

TEST(LostParamsConversions, SurfaceEdgesOptionListsAndSpiralMachining)
{
    qzLostParamsOV20 lost;
    const qzPercentOrValueParameter merge(0.25, measures::qzUnitsFactory::INCH);
    qzSurfEdgeHandlingParams edges;
    lost.ApplySettingsToSurfEdgeHandlingParams(edges, merge, 1);
    EXPECT_TRUE(edges.GetMergeDistance() == merge);
    EXPECT_TRUE(edges.GetMaintainOutsideSharpEdgesFlg());
    const auto e =
        Thrown<qz5axParamsEx>([&] { lost.ApplySettingsToSurfEdgeHandlingParams(edges, merge, 2); });
    ASSERT_TRUE(e);
    EXPECT_EQ(2490u, e->GetErrorCode());
    EXPECT_EQ("Invalid surface edge handling type", e->GetErrorMessage());

    // Below 125 the two flags of options 1 and 3; the rest of the list and its order stay.
    lost.first2DegFlag = true;
    lost.second2DegFlag = true;
    qzCollCtrlOpParams op;
    const qzCCWith2DegOptionsList::OptionList reversed = {{qzCCWith2DegOptionsList::KEEP_ROTARY_AXIS, false},
                                                          {qzCCWith2DegOptionsList::KEEP_TILT_AXIS, true},
                                                          {qzCCWith2DegOptionsList::CHECK_HOLDER, false},
                                                          {qzCCWith2DegOptionsList::CHECK_TOOL_SHAFT, true},
                                                          {qzCCWith2DegOptionsList::CHECK_TOOL_TIP, false}};
    op.SetCCWith2DegOptionsList(qzCCWith2DegOptionsList(reversed));
    lost.ApplySettingsToCollControlOpParams(op, 125);
    EXPECT_EQ(reversed, op.GetCCWith2DegOptionsList().GetOptionList());
    lost.ApplySettingsToCollControlOpParams(op, 124);
    qzCCWith2DegOptionsList::OptionList converted = reversed;
    converted[2].second = true;
    converted[4].second = true;
    EXPECT_EQ(converted, op.GetCCWith2DegOptionsList().GetOptionList());

    qz5axParams params;
    params.SetCurMachType(qz5axParams::ONE_WAY);
    EXPECT_EQ(qz5axParams::ONE_WAY, lost.GetMachTypeBasedOnSpiralSettings(params));
    lost.secondSpiralFlag = true;
    EXPECT_EQ(qz5axParams::SPIRAL, lost.GetMachTypeBasedOnSpiralSettings(params));
}

TEST(LostParamsConversions, TiltRelativeToTheCutDirectionByVersion)
{
    qzLostParamsOV20 lost;
    lost.sideTiltFanningDist = 3.5;
    lost.allowFlipSideFlag = true;
    lost.gradualLeadAngleChange = 4.5;
    lost.alignToPlanarEdgesFlag = true;
    const qzTiltRelativeToCutDirParams defaults;
    for (unsigned version : {12u, 13u, 33u, 38u, 147u, 148u})
    {
        qzTiltRelativeToCutDirParams tilt;
        tilt.SetImproveSideTiltForTwistedSurfsFlg(true);
        tilt.SetRuledSurfaceRadiusLimit(9.0);
        lost.ApplySettingsToTiltRel2CutDirParams(tilt, version);
        EXPECT_EQ(version >= 13 ? 3.5 : defaults.GetSideTiltFanningDist(), tilt.GetSideTiltFanningDist());
        EXPECT_EQ(version >= 33, tilt.GetAllowFlipSideDirFlg());
        EXPECT_EQ(version >= 38 ? 4.5 : defaults.GetGradualLeadAngleChange(),
                  tilt.GetGradualLeadAngleChange());
        EXPECT_EQ(version >= 38 ? 0.0 : defaults.GetRuledSurfaceRadiusLimit(),
                  tilt.GetRuledSurfaceRadiusLimit());
        EXPECT_EQ(version >= 148, tilt.GetAlignToolAxisToPlanarSurfEdgesFlg());
        EXPECT_FALSE(tilt.GetImproveSideTiltForTwistedSurfsFlg());
    }
}
} // namespace
