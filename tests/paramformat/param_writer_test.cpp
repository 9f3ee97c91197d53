// The parameter writer against the record layout of stored version 226: golden bytes typed by
// hand, record sizes from field counts, and every field of a fully populated set compared at its
// offset with the reference tables of param_layout_reference.h.
#include "paramformat/param_layout_reference.h"

#include "brimlib/qz5axParamsValidator.h"
#include "foundation/qzBinStreams.h"
#include "foundation/test_support.h"
#include "paramformat/qzBO5axParams.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
using measures::qzUnitsFactory;
using param_layout::Fill;
using param_layout::MatchesLayout;
using param_layout::Size;
using tessaform_test::Thrown;
using Golden = param_layout::Bytes;
using MachDefPtr = misc::qzAutoPointer<post::qzMachDef>;

std::string Contents(const misc::qzMemoryIOStream& s)
{
    const char* data = static_cast<const char*>(s.GetBuffer());
    return data ? std::string(data, static_cast<std::size_t>(s.GetDataLength())) : std::string();
}

template <class T> std::string Written(const T& value, bool shrink)
{
    misc::qzMemoryIOStream stream;
    qzBO5axParams writer(stream, shrink, false);
    writer << value;
    return Contents(stream);
}

/// "01 00 | 2C" -> the bytes; separators are ignored.
std::string Hex(const char* text)
{
    std::string out;
    for (const char* p = text; *p; ++p)
        if (std::isxdigit(static_cast<unsigned char>(*p)))
            out.push_back(static_cast<char>(std::stoi(std::string(p++, 2), nullptr, 16)));
    return out;
}

// ---------------------------------------------------------------------------------------------
// Golden bytes

TEST(ParamWriterGolden, PercentOrValueIsUnitsFlagAndOneDouble)
{
    qzPercentOrValueParameter percent(qzUnitsFactory::METRIC);
    percent.SetPercent(25.0);
    EXPECT_EQ(Hex("01 00 00 00 | 01 | 00 00 00 00 00 00 39 40"), Written(percent, false));
    EXPECT_EQ(Hex("01 00 | 01 | 00 00 C8 41"), Written(percent, true));

    // A value writes the value, not the percentage it held before.
    qzPercentOrValueParameter value(qzUnitsFactory::INCH);
    value.SetPercent(50.0);
    value.SetValue(2.5);
    EXPECT_EQ(Hex("02 00 00 00 | 00 | 00 00 00 00 00 00 04 40"), Written(value, false));
}

TEST(ParamWriterGolden, SmallRoughingRecords)
{
    qzTrochoidalRoughParams trochoidal(qzUnitsFactory::METRIC);
    trochoidal.SetIsUsedFlg(true);
    EXPECT_EQ(Hex("01 00 00 00 | 01"), Written(trochoidal, false));
    EXPECT_EQ(Hex("01 00 | 01"), Written(trochoidal, true));

    qzBlendRoughParams blend(qzUnitsFactory::INCH);
    blend.SetStepover(1.5);
    EXPECT_EQ(Hex("02 00 00 00 | 00 | 00 00 00 00 00 00 F8 3F"), Written(blend, false));
    EXPECT_EQ(Hex("02 00 | 00 | 00 00 C0 3F"), Written(blend, true));
}

TEST(ParamWriterGolden, EnumerationsAreTheirLowByte)
{
    EXPECT_EQ(Hex("2C"), Written(static_cast<qz5axParams::cutType>(300), false));
    EXPECT_EQ(Hex("2C"), Written(static_cast<qz5axParams::cutType>(300), true)) << "shrink keeps one byte";
    EXPECT_EQ(Hex("FF"), Written(static_cast<qzLeadParams::Type>(-1), false));
    // The enumerations also taken by value.
    EXPECT_EQ(Hex("01"), Written(qzFirstEntry::DIRECT, false));
    EXPECT_EQ(Hex("01"), Written(qzLastExit::DIRECT, false));
    EXPECT_EQ(Hex("02"), Written(qzLeadParams::TOOL_AXIS, false));
    EXPECT_EQ(Hex("04"), Written(qzLeadParams::HELIX, false));
    EXPECT_EQ(Hex("03"), Written(qzLinkParams::CUSTOM_AXIS, false));
    EXPECT_EQ(Hex("02"), Written(qzLinkParams::SPHERE, false));
    EXPECT_EQ(Hex("05"), Written(qzMoveHandling::RETRACT_INCREMENTAL, false));
}

TEST(ParamWriterGolden, OptionListIsCountThenOptionAndFlagPairs)
{
    const qzCollCtrlOpParams op;
    EXPECT_EQ(Hex("05 00 00 00 | 01 00 | 02 00 | 03 00 | 04 01 | 05 01"),
              Written(op.GetCCWith2DegOptionsList(), false));
    EXPECT_EQ(Hex("05 00 | 01 00 | 02 00 | 03 00 | 04 01 | 05 01"),
              Written(op.GetCCWith2DegOptionsList(), true));

    // The order of the list is kept.
    const qzCCWith2DegOptionsList reversed({{qzCCWith2DegOptionsList::KEEP_ROTARY_AXIS, false},
                                            {qzCCWith2DegOptionsList::KEEP_TILT_AXIS, true},
                                            {qzCCWith2DegOptionsList::CHECK_HOLDER, true},
                                            {qzCCWith2DegOptionsList::CHECK_TOOL_SHAFT, false},
                                            {qzCCWith2DegOptionsList::CHECK_TOOL_TIP, true}});
    EXPECT_EQ(Hex("05 00 00 00 | 05 00 | 04 01 | 03 01 | 02 00 | 01 01"), Written(reversed, false));

    EXPECT_EQ(Hex("04 01"), Written(std::make_pair(qzCCWith2DegOptionsList::KEEP_TILT_AXIS, true), false));
}

TEST(ParamWriterGolden, MainRecordStartsWithUnitsTolerancesAndFeeds)
{
    // Defaults: metric, tolerance 0.01, rapid retract on, feed 1000, plunge 500.
    const std::string bytes = Written(qz5axParams(), false);
    EXPECT_EQ(
        Hex("01 00 00 00 | 7B 14 AE 47 E1 7A 84 3F | 01 | 00 00 00 00 00 40 8F 40 | 00 00 00 00 00 40 7F 40"),
        bytes.substr(0, 29));
}

// Machine definitions: number of axes and machine type as 4-byte ints.

void SetCommon(post::qzMachDef& m, qzUnitsFactory::Units units)
{
    m.SetUnits(units, false);
    m.SetSpindleDir(qzPoint3d(0.5, -0.25, 1.0));
    m.SetTransAxisMinLimit(qzPoint3d(-100.5, -200.5, -300.5));
    m.SetTransAxisMaxLimit(qzPoint3d(100.25, 200.25, 300.25));
    m.SetTranslationX(qzPoint3d(1.0, 2.0, 3.0));
    m.SetTranslationY(qzPoint3d(4.0, 5.0, 6.0));
    m.SetTranslationZ(qzPoint3d(7.0, 8.0, 9.0));
}

/// `head` types the bytes up to the common tail: the limits and translations set by SetCommon.
template <class M> void ExpectMachDef(const M& m, const std::function<void(Golden&)>& head)
{
    for (bool shrink : {false, true})
    {
        Golden g(shrink);
        head(g);
        g.P3(-100.5, -200.5, -300.5).P3(100.25, 200.25, 300.25).P3(1, 2, 3).P3(4, 5, 6).P3(7, 8, 9);
        EXPECT_EQ(g.Str(), Written(m, shrink)) << (shrink ? "shrink" : "full");
    }
}

TEST(ParamWriterGolden, ThreeAxisMachineDefinition)
{
    post::qz3axMachDef m;
    SetCommon(m, qzUnitsFactory::INCH);
    // No machine type for three axes; written through the base class.
    ExpectMachDef(static_cast<const post::qzMachDef&>(m),
                  [](Golden& g) { g.I32(2).I32(0).P3(0.5, -0.25, 1.0); });
    // The start typed out byte by byte: units, axes, spindle direction.
    EXPECT_EQ(Hex("02 00 00 00 | 00 00 00 00 | 00 00 00 00 00 00 E0 3F | 00 00 00 00 00 00 D0 BF | "
                  "00 00 00 00 00 00 F0 3F"),
              Written(m, false).substr(0, 32));
    EXPECT_EQ(Hex("02 00 | 00 00 | 00 00 00 3F | 00 00 80 BE | 00 00 80 3F"), Written(m, true).substr(0, 16));
}

TEST(ParamWriterGolden, FourAxisMachineDefinition)
{
    post::qz4axMachDef m;
    SetCommon(m, qzUnitsFactory::METRIC);
    m.SetMachType(post::qz4axMachDef::ROTARY_HEAD);
    m.SetRotAxisDir(qzPoint3d(0.0, 1.0, 0.0));
    m.SetRotAxisBasePt(qzPoint3d(10.5, 20.5, 30.5));
    m.SetRotAxisMinLimit(-170.5);
    m.SetRotAxisMaxLimit(170.25);
    ExpectMachDef(m,
                  [](Golden& g) {
                      g.I32(1)
                          .I32(1)
                          .I32(1)
                          .P3(0.5, -0.25, 1.0)
                          .P3(0, 1, 0)
                          .P3(10.5, 20.5, 30.5)
                          .F64(-170.5)
                          .F64(170.25);
                  });
}

TEST(ParamWriterGolden, FiveAxisMachineDefinition)
{
    post::qz5axMachDef m;
    SetCommon(m, qzUnitsFactory::INCH);
    m.SetMachType(post::qz5axMachDef::HEAD_TABLE);
    m.SetRotAxisDir0(qzPoint3d(0.0, 0.0, -1.0));
    m.SetRotAxisDir1(qzPoint3d(0.0, 1.0, 0.0));
    m.SetRotAxisBasePt0(qzPoint3d(11.5, 12.5, 13.5));
    m.SetRotAxisBasePt1(qzPoint3d(21.5, 22.5, 23.5));
    m.SetRotAxisMinLimit0(-91.5);
    m.SetRotAxisMinLimit1(-92.5);
    m.SetRotAxisMaxLimit0(93.5);
    m.SetRotAxisMaxLimit1(94.5);
    ExpectMachDef(m,
                  [](Golden& g)
                  {
                      g.I32(2).I32(2).I32(2).P3(0.5, -0.25, 1.0);
                      g.P3(0, 0, -1).P3(0, 1, 0).P3(11.5, 12.5, 13.5).P3(21.5, 22.5, 23.5);
                      g.F64(-91.5).F64(-92.5).F64(93.5).F64(94.5); // both minimums, then both maximums
                  });
}

TEST(ParamWriterGolden, SixAxisMachineDefinition)
{
    post::qz6axMachDef m;
    SetCommon(m, qzUnitsFactory::METRIC);
    m.SetMachType(post::qz6axMachDef::HEAD_HEAD_HEAD);
    m.SetRotAxisDir0(qzPoint3d(0.0, 0.0, -1.0));
    m.SetRotAxisDir1(qzPoint3d(0.0, -1.0, 0.0));
    m.SetRotAxisDir2(qzPoint3d(-1.0, 0.0, 0.0));
    m.SetRotAxisBasePt0(qzPoint3d(11.5, 12.5, 13.5));
    m.SetRotAxisBasePt1(qzPoint3d(21.5, 22.5, 23.5));
    m.SetRotAxisBasePt2(qzPoint3d(31.5, 32.5, 33.5));
    m.SetRotAxisMinLimit0(-91.5);
    m.SetRotAxisMinLimit1(-92.5);
    m.SetRotAxisMaxLimit0(93.5);
    m.SetRotAxisMaxLimit1(94.5);
    m.SetThirdAngle(45.25);
    m.SetFirstAxisType(post::qz6axMachDef::HEAD);
    m.SetSecondAxisType(post::qz6axMachDef::TABLE);
    // 300 shows the axis types are whole ints, not one byte.
    m.SetThirdAxisType(static_cast<post::qz6axMachDef::AxisType>(300));
    ExpectMachDef(m,
                  [](Golden& g)
                  {
                      g.I32(1).I32(3).I32(3).P3(0.5, -0.25, 1.0);
                      g.P3(0, 0, -1).P3(0, -1, 0).P3(-1, 0, 0);
                      g.P3(11.5, 12.5, 13.5).P3(21.5, 22.5, 23.5).P3(31.5, 32.5, 33.5);
                      g.F64(-91.5).F64(-92.5).F64(93.5).F64(94.5).F64(45.25).I32(1).I32(0).I32(300);
                  });
}

// ---------------------------------------------------------------------------------------------
// Sizes and offsets

TEST(ParamWriterLayout, MainRecordSizeFollowsTheFieldCounts)
{
    const qz5axParams params;
    // The failure tests count rows of this table by their numbers.
    EXPECT_EQ(138u, param_layout::Layout<qz5axParams>::Rows().size());
    // Default set (5-axis machine): 271 U8, 146 ENUM, 61 four-byte values (4 I32, 8 U32, 2 ENUM32,
    // 43 UNITS, 4 SIZE), 353 F64 and 41 P3.
    EXPECT_EQ(4469u, Size(params, false));
    EXPECT_EQ(2443u, Size(params, true));
    EXPECT_EQ(4469u, Written(params, false).size());
    EXPECT_EQ(2443u, Written(params, true).size());
}

TEST(ParamWriterLayout, FullyPopulatedSetLandsAtItsOffsets)
{
    for (const MachDefPtr& machDef :
         {MachDefPtr(new post::qz3axMachDef()), MachDefPtr(new post::qz4axMachDef()),
          MachDefPtr(new post::qz5axMachDef()), MachDefPtr(new post::qz6axMachDef())})
    {
        qz5axParams params;
        params.SetMachDef(machDef);
        Fill(params);
        for (bool shrink : {false, true})
            EXPECT_TRUE(MatchesLayout(params, Written(params, shrink), shrink))
                << (shrink ? "shrink, " : "full, ") << machDef->GetNumberOfAxes();
    }
}

TEST(ParamWriterLayout, CalculationMethodsRecordHasOneSizeForEveryMethod)
{
    qzTpCalcMethodsParams calc;
    Fill(calc, 4);
    const std::string first = Written(calc, false);
    for (int method = qzTpCalcMethodsParams::SURFACE_BASED;
         method <= qzTpCalcMethodsParams::ORIGINAL_TOOLPATH; ++method)
    {
        calc.SetMethod(static_cast<qzTpCalcMethodsParams::Method>(method));
        const std::string bytes = Written(calc, false);
        EXPECT_EQ(static_cast<char>(method), bytes.at(0));
        EXPECT_EQ(first.substr(1), bytes.substr(1)) << "the method records do not depend on the method";
        EXPECT_TRUE(MatchesLayout(calc, bytes, false));
    }
}

TEST(ParamWriterLayout, ImpellerRecordHoldsEightUnitsFields)
{
    // Distinct units values, found again at the offsets typed from the sub-record sizes.
    const auto u = [](int v) { return static_cast<qzUnitsFactory::Units>(v); };
    qzImpellerParams impeller;
    impeller.SetUnits(u(11), false);
    impeller.SetCutParams(qzImpellerCutParams(u(12)));
    impeller.SetMachLayerDefParams(qzImpellerMachLayerDefParams(u(13)));
    impeller.SetOffsetAndClearanceParams(qzImpellerOffsetAndClearanceParams(u(14)));
    impeller.SetSmoothParams(qzImpellerSmoothParams(u(15)));
    impeller.SetSplittersImpellerParams(qzImpellerSplittersImpellerParams(u(16)));
    impeller.SetTiltParams(qzImpellerTiltParams(u(17)));
    impeller.SetTrimAndExtendParams(qzImpellerTrimAndExtendParams(u(18)));

    struct Case
    {
        bool shrink;
        std::vector<std::size_t> offsets;
        std::size_t size;
    };
    for (const Case& c : {Case{false, {0, 4, 24, 109, 145, 165, 170, 216}, 301},
                          Case{true, {0, 2, 14, 59, 77, 87, 90, 114}, 157}})
    {
        SCOPED_TRACE(c.shrink ? "shrink" : "full");
        const std::string bytes = Written(impeller, c.shrink);
        ASSERT_EQ(c.size, bytes.size());
        for (std::size_t i = 0; i < c.offsets.size(); ++i)
        {
            const std::string expected = Golden(c.shrink).I32(11 + static_cast<int>(i)).Str();
            EXPECT_EQ(expected, bytes.substr(c.offsets[i], expected.size())) << "units field " << i;
        }
        EXPECT_TRUE(MatchesLayout(impeller, bytes, c.shrink));
    }
}

// Every record also has its own operator<<, which writes that record alone into the stream.
template <class R> class ParamWriterSubRecord : public ::testing::Test
{
};
using SubRecords = ::testing::Types<
    qzPercentOrValueParameter, qzLeadParams, qzLeadController, qzLeadInOutController, qzFirstEntry,
    qzLastExit, qzMoveHandling, qzInterlinkHandeler, qzGapsAlongCut, qzLinkBetweenSlices, qzLinkBetweenPasses,
    qzLinkParams, qzCollCtrlParams, qzCollCtrlOpParams, qzCollCtrlOpStockParams, qzCCWith2DegOptionsList,
    post::qz3axMachDef, post::qz4axMachDef, post::qz5axMachDef, post::qz6axMachDef, qzRoughingParams,
    qzMultiCutsRoughParams, qzPlungeRoughParams, qzMorphPocketRoughParams, qzDepthCutsRoughParams,
    qzBlendRoughParams, qzTrochoidalRoughParams, qzAreaRoughParams, qzTPRotationRoughParams,
    qzSortTpRoughParams, qzTpCalcMethodsParams, qzTriangleMeshBasedTpCalcParams,
    qzProjectionPatternTriMeshBasedParams, qzDrillingBasedTpCalcParams, qzWireframeBasedTpCalcParams,
    qzImpellerParams, qzImpellerCutParams, qzImpellerMachLayerDefParams, qzImpellerOffsetAndClearanceParams,
    qzImpellerSmoothParams, qzImpellerSplittersImpellerParams, qzImpellerTiltParams,
    qzImpellerTrimAndExtendParams, qzShallowAndSteepAreaParams, qz2dContainmentParams,
    qzSurfEdgeHandlingParams, qzTiltRelativeToCutDirParams, qzTiltRelToImpellerMachLayerParams>;
TYPED_TEST_SUITE(ParamWriterSubRecord, SubRecords);

TYPED_TEST(ParamWriterSubRecord, WritesJustThatRecordAndReturnsTheStream)
{
    TypeParam record;
    Fill(record, 3);
    for (bool shrink : {false, true})
    {
        misc::qzMemoryIOStream stream;
        qzBO5axParams writer(stream, shrink, false);
        misc::qzBinOutputStream& out = writer << record;
        EXPECT_EQ(static_cast<misc::qzBinOutputStream*>(&stream), &out);
        EXPECT_TRUE(MatchesLayout(record, Contents(stream), shrink)) << (shrink ? "shrink" : "full");
    }
}

// ---------------------------------------------------------------------------------------------
// Failures and streams

TEST(ParamWriterFailure, MissingMachineDefinitionStopsAfterField81)
{
    qz5axParams params;
    Fill(params, 5);
    params.SetMachDef(MachDefPtr());
    for (bool shrink : {false, true})
    {
        SCOPED_TRACE(shrink ? "shrink" : "full");
        misc::qzMemoryIOStream stream;
        qzBO5axParams writer(stream, shrink, false);
        const auto e = Thrown<misc::qzException>([&] { writer << params; });
        ASSERT_TRUE(e);
        EXPECT_EQ(0u, e->GetErrorCode());
        EXPECT_EQ("Accessing NULL pointer", e->GetErrorMessage());
        EXPECT_TRUE(MatchesLayout(params, Contents(stream), shrink, 81));
    }
}

TEST(ParamWriterFailure, FewerThanFourCollisionOperationsThrowOutOfRange)
{
    qzCollCtrlParams coll(qzUnitsFactory::INCH);
    Fill(coll, 6);
    const std::vector<qzCollCtrlOpParams> two(coll.GetCollCtrlOperations().begin(),
                                              coll.GetCollCtrlOperations().begin() + 2);
    coll.SetCollCtrlOperations(two);
    for (bool shrink : {false, true})
    {
        SCOPED_TRACE(shrink ? "shrink" : "full");
        misc::qzMemoryIOStream stream;
        qzBO5axParams writer(stream, shrink, false);
        EXPECT_THROW(writer << coll, std::out_of_range);
        // The units, then the two operations that exist.
        const std::string expected = Golden(shrink).I32(coll.GetUnits()).Str() +
                                     param_layout::Expected(two[0], shrink).Str() +
                                     param_layout::Expected(two[1], shrink).Str();
        EXPECT_EQ(expected, Contents(stream));
    }

    // Inside the main record the write stops at field 64 the same way.
    qz5axParams params;
    Fill(params, 7);
    params.SetCollControl(coll);
    misc::qzMemoryIOStream stream;
    qzBO5axParams writer(stream, false, false);
    EXPECT_THROW(writer << params, std::out_of_range);
    const std::string bytes = Contents(stream);
    const std::size_t head = Size(params, false, 63);
    EXPECT_EQ(head + 4 + Size(two[0], false) + Size(two[1], false), bytes.size());
    EXPECT_TRUE(MatchesLayout(params, bytes.substr(0, head), false, 63));
}

TEST(ParamWriterFailure, ValidationFindingsDoNotStopTheWrite)
{
    qz5axParams params;
    Fill(params, 2);
    params.SetCutTolerance(-1.0);
    params.SetFeedRate(-5.0);
    ASSERT_FALSE(qz5axParamsValidator::Validate(params, true).empty());

    misc::qzMemoryIOStream checked;
    qzBO5axParams writer(checked, false, true);
    EXPECT_TRUE(writer.GetValidate());
    EXPECT_NO_THROW(writer << params);
    EXPECT_TRUE(MatchesLayout(params, Contents(checked), false))
        << "validation changes nothing in the output";
}

TEST(ParamWriterStream, SetsWrittenOneAfterAnotherAreCompleteRecords)
{
    const qz5axParams defaults;
    qz5axParams filled;
    Fill(filled, 8);
    for (bool shrink : {false, true})
    {
        misc::qzMemoryIOStream stream;
        qzBO5axParams writer(stream, shrink, false);
        writer << defaults;
        qzBO5axParams copy(writer); // same stream, same flags
        copy << filled;
        writer << defaults;
        const std::string a = param_layout::Expected(defaults, shrink).Str();
        EXPECT_EQ(a + param_layout::Expected(filled, shrink).Str() + a, Contents(stream))
            << (shrink ? "shrink" : "full") << ": no state carried between sets";
    }
}
} // namespace
