// Which input geometry a parameter set needs: every predicate with the values that make it
// true and the nearest ones that make it false.
#include "validation/qz5axGeoDependChecker.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
using Predicate = bool (qz5axGeoDependChecker::*)() const;

// Setters of the values the predicates read.
void Method(qz5axParams& p, int method)
{
    qzTpCalcMethodsParams m = p.GetTpCalculationMethodsParams();
    m.SetMethod(static_cast<qzTpCalcMethodsParams::Method>(method));
    p.SetTpCalculationMethodsParams(m);
}

template <class F> void Mesh(qz5axParams& p, F change)
{
    qzTpCalcMethodsParams m = p.GetTpCalculationMethodsParams();
    qzTriangleMeshBasedTpCalcParams mesh = m.GetTriangleMeshBasedTpCalcParams();
    change(mesh);
    m.SetTriangleMeshBasedTpCalcParams(mesh);
    p.SetTpCalculationMethodsParams(m);
}

void Pattern(qz5axParams& p, int pattern)
{
    Mesh(p, [&](qzTriangleMeshBasedTpCalcParams& m) { m.SetPattern(static_cast<qzTriangleMeshBasedTpCalcParams::Pattern>(pattern)); });
}

void DrillPattern(qz5axParams& p, int pattern)
{
    qzTpCalcMethodsParams m = p.GetTpCalculationMethodsParams();
    qzDrillingBasedTpCalcParams drill = m.GetDrillingBasedTpCalcParams();
    drill.SetPattern(static_cast<qzDrillingBasedTpCalcParams::Pattern>(pattern));
    m.SetDrillingBasedTpCalcParams(drill);
    p.SetTpCalculationMethodsParams(m);
}

void Stock(qz5axParams& p, bool used, int type)
{
    qzCollCtrlOpStockParams stock = p.GetCollCtrlOpStockParams();
    stock.SetStatus(used);
    stock.SetStockType(static_cast<qzCollCtrlOpStockParams::StockType>(type));
    p.SetCollCtrlOpStockParams(stock);
}

void Containment2d(qz5axParams& p, bool used)
{
    qz2dContainmentParams c = p.Get2dContainmentParams();
    c.SetIsUsedFlg(used);
    p.Set2dContainmentParams(c);
}

void ShallowAndSteep(qz5axParams& p, bool used)
{
    qzShallowAndSteepAreaParams s = p.GetShallowAndSteepAreaParams();
    s.SetIsUsedFlg(used);
    p.SetShallowAndSteepAreaParams(s);
}

struct Case
{
    std::string name;
    Predicate predicate;
    std::function<void(qz5axParams&)> setup;
    bool expected;
};

void Check(const std::vector<Case>& cases)
{
    for (const Case& c : cases)
    {
        qz5axParams params;
        c.setup(params);
        EXPECT_EQ((qz5axGeoDependChecker(params, false).*c.predicate)(), c.expected) << c.name;
    }
}

using C = qz5axGeoDependChecker;

TEST(GeoDependChecker, SurfaceBasedCutTypesNeedTheirCurvesAndSurfaces)
{
    struct Need
    {
        const char* name;
        Predicate predicate;
        int cutType;
    };
    const Need needs[] = {{"lead curve", &C::NeedLeadCurve, 1},         {"low edge curve", &C::NeedLowEdgeCurve, 2},
                          {"upper edge curve", &C::NeedUppEdgeCurve, 2}, {"edge curves", &C::NeedEdgeCurves, 3},
                          {"projection curves", &C::NeedProjectionCurves, 4},
                          {"low edge surfaces", &C::NeedLowEdgeSurfaces, 5},
                          {"upper edge surfaces", &C::NeedUppEdgeSurfaces, 5},
                          {"single edge surface", &C::NeedSingleEdgeSurface, 6}};
    std::vector<Case> cases;
    for (const Need& need : needs)
        for (int cut = 0; cut <= 6; ++cut)
            for (int method : {0, 1})
                cases.push_back({std::string(need.name) + " cut " + std::to_string(cut) + " method " +
                                     std::to_string(method),
                                 need.predicate,
                                 [=](qz5axParams& p) {
                                     p.SetCurCutType(static_cast<qz5axParams::cutType>(cut));
                                     Method(p, method);
                                 },
                                 method == 0 && cut == need.cutType});
    Check(cases);
}

TEST(GeoDependChecker, CalculationMethodsNeedTheirInputs)
{
    std::vector<Case> cases;
    for (int method = 0; method <= 4; ++method)
    {
        const auto set = [=](qz5axParams& p) { Method(p, method); };
        const std::string m = "method " + std::to_string(method);
        cases.push_back({m + " drive surfaces", &C::NeedDriveSurfaces, set, method == 0});
        cases.push_back({m + " machining surfaces", &C::NeedMachiningSurfaces, set, method == 1});
        cases.push_back({m + " drive curves", &C::NeedDriveCurves, set, method == 3});
        cases.push_back({m + " orientation lines", &C::NeedOrientationLines, set, method == 3});
        cases.push_back({m + " original toolpath", &C::NeedOriginalToolpath, set, method == 4});
    }
    // Drilling: points on surfaces also need the surfaces; hole lines need nothing else.
    for (int pattern = 0; pattern <= 2; ++pattern)
    {
        const auto set = [=](qz5axParams& p) {
            Method(p, 2);
            DrillPattern(p, pattern);
        };
        const std::string d = "drill pattern " + std::to_string(pattern);
        cases.push_back({d + " drive surfaces", &C::NeedDriveSurfaces, set, pattern == 0});
        cases.push_back({d + " points", &C::NeedDrillPoints, set, pattern <= 1});
        cases.push_back({d + " hole lines", &C::NeedDrillHoleLines, set, pattern == 2});
    }
    cases.push_back({"drill pattern 2 without drilling", &C::NeedDrillHoleLines,
                     [](qz5axParams& p) { DrillPattern(p, 2); }, false});
    cases.push_back({"impeller mesh needs no machining surfaces", &C::NeedMachiningSurfaces,
                     [](qz5axParams& p) {
                         Method(p, 1);
                         Pattern(p, 11);
                     },
                     false});
    Check(cases);
}

TEST(GeoDependChecker, MeshProjectionCurvesUnlessAreasRestrictTheCut)
{
    const auto projection = [](int curvesType) {
        return [=](qz5axParams& p) {
            Method(p, 1);
            Pattern(p, 2);
            Mesh(p, [&](qzTriangleMeshBasedTpCalcParams& m) {
                m.SetProjectCurvesType(static_cast<qzTriangleMeshBasedTpCalcParams::ProjectCurvesType>(curvesType));
            });
        };
    };
    std::vector<Case> cases = {
        {"type 0", &C::NeedProjectionCurves, projection(0), true},
        {"type 3", &C::NeedProjectionCurves, projection(3), true},
        {"type 1", &C::NeedProjectionCurves, projection(1), false},
        {"type 2", &C::NeedProjectionCurves, projection(2), false},
        {"pattern 7", &C::NeedProjectionCurves, [&](qz5axParams& p) { projection(0)(p); Pattern(p, 7); }, false},
        {"with 2D containment", &C::NeedProjectionCurves,
         [&](qz5axParams& p) { projection(0)(p); Containment2d(p, true); }, false},
        {"with shallow and steep", &C::NeedProjectionCurves,
         [&](qz5axParams& p) { projection(3)(p); ShallowAndSteep(p, true); }, false},
        {"with rest finishing", &C::NeedProjectionCurves,
         [&](qz5axParams& p) {
             projection(0)(p);
             Mesh(p, [](qzTriangleMeshBasedTpCalcParams& m) { m.SetRestFinishingFlg(true); });
         },
         false},
        {"containment curves with 2D containment", &C::Need2dContainmentCurves,
         [&](qz5axParams& p) { projection(0)(p); Containment2d(p, true); }, true},
        {"containment curves for pattern 7", &C::Need2dContainmentCurves,
         [](qz5axParams& p) { Method(p, 1); Pattern(p, 7); }, true},
        {"containment curves for pattern 7 off the mesh", &C::Need2dContainmentCurves,
         [](qz5axParams& p) { Method(p, 0); Pattern(p, 7); }, false},
        {"containment curves by default", &C::Need2dContainmentCurves, [](qz5axParams&) {}, false},
    };
    Check(cases);
}

TEST(GeoDependChecker, TiltStrategiesNeedCurvesAndLinesForMultiAxisOutput)
{
    std::vector<Case> cases;
    for (int strategy : {0, 1, 7, 8, 9, 10})
        for (int output = 0; output <= 2; ++output)
        {
            const auto set = [=](qz5axParams& p) {
                p.SetTiltStrategy(static_cast<qz5axParams::tiltStrategy>(strategy));
                p.SetCurOutputType(static_cast<qz5axParams::outputType>(output));
                p.SetCurSideTiltDefType(qz5axParams::SIDE_TILT_BY_LINES);
            };
            const std::string name = "strategy " + std::to_string(strategy) + " output " + std::to_string(output);
            const bool multiAxis = output <= 1;
            cases.push_back({name + " curve", &C::NeedTiltCurve, set, (strategy == 7 || strategy == 9) && multiAxis});
            cases.push_back({name + " lines", &C::NeedTiltLines, set,
                             strategy == 10 || ((strategy == 8 || strategy == 1) && multiAxis)});
        }
    cases.push_back({"curvature tilt type 4 needs no curve", &C::NeedTiltCurve,
                     [](qz5axParams& p) {
                         p.SetTiltStrategy(qz5axParams::THROUGH_CURVE);
                         p.SetCurCurvTiltType(qz5axParams::CURVE_TILT_THROUGH_AXIS);
                     },
                     false});
    cases.push_back({"side tilt by other definition", &C::NeedTiltLines,
                     [](qz5axParams& p) {
                         p.SetTiltStrategy(qz5axParams::RELATIVE_TO_CUT_DIRECTION);
                         p.SetCurSideTiltDefType(qz5axParams::SIDE_TILT_AUTOMATIC);
                     },
                     false});
    Check(cases);
}

TEST(GeoDependChecker, StockDefinitionOrContainmentByMethodAndType)
{
    std::vector<Case> cases;
    for (int method : {0, 1})
        for (int type : {1, 2})
            for (bool used : {false, true})
            {
                const auto set = [=](qz5axParams& p) {
                    Method(p, method);
                    Stock(p, used, type);
                };
                const std::string name =
                    "method " + std::to_string(method) + " type " + std::to_string(type) + (used ? " used" : " off");
                cases.push_back({name + " definition", &C::NeedStockDef, set, used && (method != 1 || type == 1)});
                cases.push_back({name + " containment", &C::NeedStock2dContainment, set, used && method == 1 && type == 2});
            }
    Check(cases);
}

TEST(GeoDependChecker, CheckSurfacesFollowTheOperationOrTheIgnoreFlag)
{
    qz5axParams params;
    qzCollCtrlParams control = params.GetCollControl();
    qzCollCtrlOpParams op = control.GetCollCtrlOperation(0);
    op.SetStatus(true);
    op.SetCheckSurfaces(true);
    op.SetCheckDriveSurfaces(true);
    op.SetCheckMachiningSurfaces(false);
    control.SetCollCtrlOperation(op, 0);
    params.SetCollControl(control);

    qz5axGeoDependChecker checker(params, false);
    EXPECT_TRUE(checker.NeedCheckSurfaces(qzCollCtrlParams::OPERATION_1));
    EXPECT_FALSE(checker.NeedCheckSurfaces(qzCollCtrlParams::OPERATION_2)) << "inactive operation";

    // Under the flag the cutting part decides: drive surfaces on surfaces, machining surfaces on
    // a mesh, and never for the other methods.
    checker.SetIgnoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge(true);
    EXPECT_TRUE(checker.GetIgnoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge());
    EXPECT_FALSE(checker.NeedCheckSurfaces(qzCollCtrlParams::OPERATION_1));
    Method(params, 1);
    EXPECT_TRUE(checker.NeedCheckSurfaces(qzCollCtrlParams::OPERATION_1)) << "answers follow later changes";
    for (int method : {2, 3, 4})
    {
        Method(params, method);
        EXPECT_TRUE(checker.NeedCheckSurfaces(qzCollCtrlParams::OPERATION_1)) << method;
    }
    op.SetCheckSurfaces(false);
    control.SetCollCtrlOperation(op, 0);
    params.SetCollControl(control);
    EXPECT_TRUE(checker.NeedCheckSurfaces(qzCollCtrlParams::OPERATION_1)) << "the check-surface flag is not consulted";
    checker.SetIgnoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge(false);
    EXPECT_FALSE(checker.NeedCheckSurfaces(qzCollCtrlParams::OPERATION_1));

    control.SetCollCtrlOperations({op, op});
    params.SetCollControl(control);
    EXPECT_THROW(checker.NeedCheckSurfaces(qzCollCtrlParams::OPERATION_3), std::out_of_range);
}

TEST(GeoDependChecker, ImpellerCheckerIsFixedAtConstruction)
{
    qz5axParams params;
    Method(params, 1);
    Pattern(params, 11);
    const qz5axGeoDependChecker checker(params, false);
    EXPECT_TRUE(checker.GetImpellerGeosDependChecker().IsImpellerCalc());
    EXPECT_EQ(checker.GetImpellerGeosDependChecker().GetImpellerParams(),
              &params.GetTpCalculationMethodsParams().GetTriangleMeshBasedTpCalcParams().GetImpellerParams());
    EXPECT_FALSE(qz5axGeoDependChecker(qz5axParams(), false).GetImpellerGeosDependChecker().IsImpellerCalc());
}
} // namespace
