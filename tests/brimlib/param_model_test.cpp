// The parameter model: defaults, units, value semantics, collision operations and the validator.
#include "brimlib/qz5axParamsValidator.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
using measures::qzUnitsFactory;

TEST(ParamModel, DefaultsFollowTheUnitsAndSurviveSetDefaults)
{
    const qz5axParams inch(qzUnitsFactory::INCH);
    EXPECT_EQ(inch.GetUnits(), qzUnitsFactory::INCH);
    EXPECT_EQ(inch.GetLinkParams().GetGapsAlongCut().GetUnits(), qzUnitsFactory::INCH);
    EXPECT_EQ(inch.GetTpCalculationMethodsParams().GetTriangleMeshBasedTpCalcParams().GetImpellerParams().GetTiltParams().GetUnits(),
              qzUnitsFactory::INCH);
    EXPECT_EQ(inch.GetCollControl().GetCollCtrlOperations().at(3).GetUnits(), qzUnitsFactory::INCH);
    EXPECT_DOUBLE_EQ(inch.GetCollControl().GetCollCtrlOperations().at(0).GetDistForToolAxOrContinuous(), 0.05);
    EXPECT_DOUBLE_EQ(qz5axParams().GetCollControl().GetCollCtrlOperations().at(0).GetDistForToolAxOrContinuous(), 0.1);
    EXPECT_DOUBLE_EQ(inch.GetSurfaceEdgeCurveTol(), 0.00118);

    qz5axParams params(qzUnitsFactory::INCH);
    params.SetFeedRate(123.0);
    params.SetCurCutType(qz5axParams::PROJECTION_CURVES);
    params.SetDefaults();
    EXPECT_EQ(params.GetUnits(), qzUnitsFactory::INCH) << "SetDefaults keeps the units";
    EXPECT_EQ(params.GetFeedRate(), inch.GetFeedRate());
    EXPECT_EQ(params.GetCurCutType(), qz5axParams::PARALLEL_CUTS);
}

TEST(ParamModel, SettersStoreExactlyWhatTheyAreGivenAndCopiesAreIndependent)
{
    qz5axParams params;
    params.SetCurTiltThruLinesTypes(qz5axParams::THRU_LINES_CLOSEST);
    EXPECT_EQ(params.GetCurTiltThruLinesType(), qz5axParams::THRU_LINES_CLOSEST);
    // An enumeration holds any stored value, also one without a name.
    params.SetTiltStrategy(static_cast<qz5axParams::tiltStrategy>(200));
    EXPECT_EQ(static_cast<int>(params.GetTiltStrategy()), 200);

    qzLinkParams link = params.GetLinkParams();
    link.SetClearanceRadius(7.5);
    params.SetLinkParams(link);
    qz5axParams copy = params;
    link.SetClearanceRadius(1.0);
    copy.SetLinkParams(link);
    EXPECT_EQ(params.GetLinkParams().GetClearanceRadius(), 7.5);
    EXPECT_EQ(copy.GetLinkParams().GetClearanceRadius(), 1.0);
    EXPECT_EQ(copy.GetMachDef().Get(), params.GetMachDef().Get()) << "the machine definition is shared";
}

TEST(ParamModel, CollisionOperationsAreFourAndCheckedByIndex)
{
    qzCollCtrlParams control;
    EXPECT_EQ(qzCollCtrlParams::GetNoOfCollCtrlOperations(), 4u);
    ASSERT_EQ(control.GetCollCtrlOperations().size(), 4u);
    qzCollCtrlOpParams op;
    op.SetStatus(true);
    op.SetAvoidTiltAngles(5.0, 30.0);
    op.SetAllowedAnglesInCutDirection(-45.0, 60.0);
    control.SetCollCtrlOperation(op, qzCollCtrlParams::OPERATION_4);
    const qzCollCtrlOpParams& stored = control.GetCollCtrlOperation(3);
    EXPECT_TRUE(stored.GetStatus());
    EXPECT_EQ(stored.GetAvoidMinTiltAngle(), 5.0);
    EXPECT_EQ(stored.GetAvoidMaxTiltAngle(), 30.0);
    EXPECT_EQ(stored.GetMinAllowedAngleInCutDirection(), -45.0);
    EXPECT_EQ(stored.GetMaxAllowedAngleInCutDirection(), 60.0);
    EXPECT_THROW(control.SetCollCtrlOperation(op, 4), std::out_of_range);
    EXPECT_THROW(control.GetCollCtrlOperation(4), std::out_of_range);

    op.SetPreferredTiltAngleUsingMaxTiltAngle(50.0, 30.0);
    EXPECT_EQ(op.GetPreferredTiltAngle(), 30.0);
    op.SetPreferredTiltAngleUsingMaxTiltAngle(12.0, 30.0);
    EXPECT_EQ(op.GetPreferredTiltAngle(), 12.0);
}

TEST(ParamModel, PercentOrValueAndUnitsConversion)
{
    qzPercentOrValueParameter gap(2.0, qzUnitsFactory::METRIC);
    EXPECT_FALSE(gap.IsPercent());
    EXPECT_EQ(gap.GetActualValue(10.0), 2.0);
    gap.SetPercent(25.0);
    EXPECT_TRUE(gap.IsPercent());
    EXPECT_EQ(gap.GetActualValue(10.0), 2.5);
    EXPECT_DOUBLE_EQ(qzUnitsFactory::ConversionFactor(qzUnitsFactory::METRIC, qzUnitsFactory::INCH), 1.0 / 25.4);
    EXPECT_DOUBLE_EQ(qzUnitsFactory::ConversionFactor(qzUnitsFactory::INCH, qzUnitsFactory::METRIC), 25.4);
    EXPECT_EQ(qzUnitsFactory::ConversionFactor(qzUnitsFactory::NONE, qzUnitsFactory::INCH), 1.0);
    gap.SetUnits(qzUnitsFactory::INCH, false);
    EXPECT_EQ(gap.GetUnits(), qzUnitsFactory::INCH);
}

TEST(ParamValidator, SoundDefaultsAndEachPlainProblem)
{
    EXPECT_TRUE(qz5axParamsValidator::Validate(qz5axParams(), true).empty());

    qz5axParams params;
    params.SetCutTolerance(0.0);
    params.SetPlungeFeedRate(-1.0);
    params.SetMachDef(misc::qzAutoPointer<post::qzMachDef>());
    qzCollCtrlParams control = params.GetCollControl();
    qzCollCtrlOpParams op = control.GetCollCtrlOperation(1);
    op.SetStatus(true);
    op.SetAvoidTiltAngles(40.0, 10.0);
    control.SetCollCtrlOperation(op, 1);
    params.SetCollControl(control);
    std::vector<unsigned long> codes;
    for (const misc::qzException& e : qz5axParamsValidator::Validate(params, true))
        codes.push_back(e.GetErrorCode());
    EXPECT_EQ(codes, (std::vector<unsigned long>{2430, 2431, 2432, 2434}));
}

TEST(ParamValidator, EachNegativeFeedRateAloneIsRefusedAndZeroIsNot)
{
    using Setter = void (qz5axParams::*)(const double&);
    for (Setter set : {&qz5axParams::SetFeedRate, &qz5axParams::SetPlungeFeedRate,
                       &qz5axParams::SetRetractFeedRate, &qz5axParams::SetRapidFeedrate})
    {
        qz5axParams params;
        (params.*set)(0.0);
        EXPECT_TRUE(qz5axParamsValidator::Validate(params, true).empty());
        (params.*set)(-0.5);
        const auto problems = qz5axParamsValidator::Validate(params, true);
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].GetErrorCode(), 2431u);
        EXPECT_STREQ(problems[0].what(), "Feed rates must not be negative");
    }
}

TEST(ParamValidator, AvoidTiltDirRejectsUnknownDirectionsOfActiveOperations)
{
    qz5axParams params;
    qzCollCtrlParams control = params.GetCollControl();
    qzCollCtrlOpParams op = control.GetCollCtrlOperation(2);
    op.SetAvoidTiltDir(static_cast<qzCollCtrlOpParams::collAvoidTiltDir>(9));
    control.SetCollCtrlOperation(op, 2);
    params.SetCollControl(control);
    EXPECT_NO_THROW(qz5axParamsValidator::AvoidTiltDir(params, 2, true)) << "inactive operations pass";

    op.SetStatus(true);
    control.SetCollCtrlOperation(op, 2);
    params.SetCollControl(control);
    EXPECT_THROW(qz5axParamsValidator::AvoidTiltDir(params, 2, true), qz5axParamsEx);
    EXPECT_NO_THROW(qz5axParamsValidator::AvoidTiltDir(params, 1, true));
    EXPECT_EQ(qz5axParamsValidator::AvoidTiltDir(params, 7, true).size(), 1u);
    EXPECT_THROW(qz5axParamsValidator::AvoidTiltDir(params, 7, false), qz5axParamsEx);
    const auto problems = qz5axParamsValidator::Validate(params, true);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].GetErrorCode(), 2435u);
}
} // namespace
