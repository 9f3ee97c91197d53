// The parameter readers of every stored version: the frame's rules, the version gates and
// conversions the tables name, a sweep of every version against the independently typed
// builder of legacy_param_builder.h, round trips through the writer, and bad input.
#include "paramformat/legacy_param_builder.h"

#include "brimlib/qzException.h"
#include "foundation/qzBinStreams.h"
#include "foundation/test_support.h"
#include "paramformat/qzBI5axParams3.h"
#include "paramformat/qzBO5axParams.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace
{
using legacy_params::Build;
using legacy_params::Built;
using measures::qzUnitsFactory;
using misc::qzBILostData;
using tessaform_test::Thrown;
using Lost = std::vector<qzBILostData>;

const qzBILostData kEarlierEntry("EarlierEntry", 77);

/// A memory stream holding `bytes`, read from its start.
struct Input
{
    explicit Input(const std::string& bytes) : stream(bytes.size() + 1)
    {
        stream.Write(bytes.data(), bytes.size());
        stream.Rewind(0);
    }
    unsigned long long Position() const { return stream.GetPosition(); }
    misc::qzMemoryIOStream stream;
};

struct Read
{
    qz5axParams params;
    Lost lost{kEarlierEntry};
    unsigned long long consumed = 0;
};

template <class Reader = qzBI5axParams3>
Read ReadSet(const std::string& bytes, unsigned version, bool shrink = false, bool validate = false,
             bool sizes64 = false, qz5axParams target = qz5axParams())
{
    Read out;
    out.params = target;
    Input in(bytes);
    Reader reader(in.stream, version, shrink, out.lost, false, sizes64, validate);
    reader >> out.params;
    out.consumed = in.Position();
    return out;
}

/// Every stored field of `actual` equals `expected` (compared through the layout of 226, so a
/// difference is named by field).
::testing::AssertionResult SameSet(const qz5axParams& expected, const qz5axParams& actual)
{
    return param_layout::MatchesLayout(expected, param_layout::Expected(actual, false).Str(), false);
}

std::string Bytes32(long long v)
{
    return param_layout::Bytes().I32(v).Str();
}
std::string Bytes64(double v)
{
    return param_layout::Bytes().F64(v).Str();
}
void Patch(std::string& bytes, std::size_t at, const std::string& with)
{
    bytes.replace(at, with.size(), with);
}
std::string WithByte(Built built, const char* mark, unsigned char value)
{
    built.bytes[built.marks.at(mark)] = static_cast<char>(value);
    return built.bytes;
}

const qzCollCtrlOpParams& Op(const qz5axParams& p, unsigned index)
{
    return p.GetCollControl().GetCollCtrlOperation(index);
}

// ---------------------------------------------------------------------------------------------
// Frame

TEST(ParamReaderFrame, VersionsOutsideThreeTo226AreRefusedBeforeAnyByteIsRead)
{
    for (unsigned version : {0u, 1u, 2u, 227u, 1000u, UINT_MAX})
    {
        Input in("\x01\x02");
        Lost lost;
        const auto e = Thrown<qzvelbrookException>(
            [&] { qzBI5axParams3(in.stream, version, false, lost, false, false, false); });
        ASSERT_TRUE(e) << version;
        EXPECT_EQ(2027u, e->GetErrorCode());
        EXPECT_EQ("binary log file version doesn't match logger supported versions.\nVersion read: " +
                      std::to_string(version) + ", version known: 3 to 226. Cannot process this file.",
                  e->GetErrorMessage());
        EXPECT_EQ(0u, in.Position());
    }
    Lost lost;
    misc::qzMemoryIOStream empty;
    for (unsigned version : {3u, 226u})
        EXPECT_NO_THROW(qzBI5axParams3(empty, version, false, lost, false, false, false));
}

TEST(ParamReaderFrame, EachGenerationKnowsItsVersions)
{
    misc::qzMemoryIOStream s;
    Lost lost;
    const qzBI5axParams base(s, 4, false, lost, false, false, false);
    const qzBI5axParams1 first(s, 4, false, lost, false, false, false);
    const qzBI5axParams2 second(s, 4, false, lost, false, false, false);
    const qzBI5axParams3 third(s, 4, false, lost, false, false, false);
    const std::vector<const qzBI5axParams*> readers = {&base, &first, &second, &third};
    const unsigned upper[] = {5, 7, 32, 226};
    for (std::size_t i = 0; i < readers.size(); ++i)
    {
        EXPECT_EQ(3u, readers[i]->GetLowerKnownBinVersion());
        EXPECT_EQ(upper[i], readers[i]->GetUpperKnownBinVersion());
    }
    // The older generations do not check when built, but CheckVersion uses their own bound.
    const qzBI5axParams2 late(s, 40, false, lost, false, false, false);
    EXPECT_TRUE(Thrown<qzvelbrookException>([&] { late.CheckVersion(); }));
}

TEST(ParamReaderFrame, EnumerationsAreIntsBelow18AndSignedBytesFrom18)
{
    struct Case
    {
        unsigned version;
        bool shrink;
        std::string bytes;
        int value;
    };
    const Case cases[] = {{17, false, std::string("\x05\x00\x00\x00", 4), 5},
                          {17, false, "\xFF\xFF\xFF\xFF", -1},
                          {17, true, "\xFE\xFF", -2},
                          {18, false, "\x05", 5},
                          {18, false, "\xFF", -1},
                          {226, true, "\x80", -128}};
    for (const Case& c : cases)
    {
        Input in(c.bytes + "!");
        Lost lost;
        qzBI5axParams3 reader(in.stream, c.version, c.shrink, lost, false, false, false);
        qz5axParams::cutType value;
        reader >> value;
        qzLeadParams::Type onlyNewest; // an enumeration of the newest generation reads alike
        in.stream.Rewind(0);
        reader >> onlyNewest;
        EXPECT_EQ(c.value, static_cast<int>(value)) << c.version;
        EXPECT_EQ(c.value, static_cast<int>(onlyNewest)) << c.version;
        EXPECT_EQ(c.bytes.size(), in.Position()) << c.version;
    }
}

TEST(ParamReaderFrame, UnitsAreOneByteUpTo23)
{
    struct Case
    {
        unsigned version;
        std::string bytes;
        qzUnitsFactory::Units units;
    };
    const Case cases[] = {{23, "\x01", qzUnitsFactory::METRIC},
                          {23, std::string(1, '\0'), qzUnitsFactory::INCH},
                          {23, "\x07", qzUnitsFactory::INCH},
                          {24, std::string("\x02\x00\x00\x00", 4), qzUnitsFactory::INCH},
                          {24, std::string("\x01\x00\x00\x00", 4), qzUnitsFactory::METRIC}};
    for (const Case& c : cases)
    {
        Input in(c.bytes);
        Lost lost;
        qzBI5axParams3 reader(in.stream, c.version, false, lost, false, false, false);
        qzUnitsFactory::Units units;
        reader >> units;
        EXPECT_EQ(c.units, units) << c.version;
        EXPECT_EQ(c.bytes.size(), in.Position());
    }
}

class VectorProbe : public qzBI5axParams3
{
public:
    using qzBI5axParams::ReadVectorFromBinFile;
    using qzBI5axParams3::qzBI5axParams3;
};

TEST(ParamReaderFrame, ZeroDirectionsOfVersionsBelow193PointUp)
{
    const std::string zero = param_layout::Bytes().P3(0, 0, 0).Str();
    const std::string tiny = param_layout::Bytes().P3(1e-13, 0, 0).Str();
    const std::string small = param_layout::Bytes().P3(1e-6, 0, 0).Str();
    const struct
    {
        unsigned version;
        std::string bytes;
        qzPoint3d direction;
    } cases[] = {{192, zero, qzPoint3d(0, 0, 1)},
                 {192, tiny, qzPoint3d(0, 0, 1)},
                 {192, small, qzPoint3d(1e-6, 0, 0)},
                 {193, zero, qzPoint3d(0, 0, 0)},
                 {3, zero, qzPoint3d(0, 0, 1)}};
    for (const auto& c : cases)
    {
        Input in(c.bytes);
        Lost lost;
        VectorProbe reader(in.stream, c.version, false, lost, false, false, false);
        EXPECT_EQ(c.direction, reader.ReadVectorFromBinFile()) << c.version;
    }
    // The custom side-retract direction of an operation is such a direction.
    for (unsigned version : {192u, 193u})
    {
        Built built = Build(version);
        Patch(built.bytes, built.marks.at("customSideRetractDir1"), zero);
        EXPECT_EQ(version == 192 ? qzPoint3d(0, 0, 1) : qzPoint3d(0, 0, 0),
                  Op(ReadSet(built.bytes, version).params, 1).GetCustomSideRetractDir());
    }
}

// ---------------------------------------------------------------------------------------------
// The oldest record (versions 3 to 7) and its tail (8 to 32)

TEST(ParamReaderOldest, VersionsUpTo5DeriveTheCuttingAreaFromThreeFlags)
{
    // Three bools instead of the area type (an int below 18) and the two margins.
    EXPECT_EQ(Build(6).bytes.size(), Build(5).bytes.size() + 4 + 16 - 3);
    // Flag A means "between curves" only with cut type 3 (parallel to a curve).
    const struct
    {
        int cutType;
        bool a, b, c;
        qz5axParams::cuttingAreaType area;
    } cases[] = {{3, false, false, false, qz5axParams::FULL_SURFACE},
                 {3, false, true, false, qz5axParams::BETWEEN_LIMITS},
                 {3, false, false, true, qz5axParams::BETWEEN_POINTS},
                 {3, false, true, true, qz5axParams::BETWEEN_POINTS},
                 {3, true, false, false, qz5axParams::BETWEEN_CURVES},
                 {3, true, true, true, qz5axParams::BETWEEN_CURVES},
                 {1, true, false, false, qz5axParams::FULL_SURFACE},
                 {2, true, true, false, qz5axParams::BETWEEN_LIMITS},
                 {1, true, false, true, qz5axParams::BETWEEN_POINTS}};
    for (const auto& c : cases)
    {
        Built built = Build(5);
        Patch(built.bytes, built.marks.at("cutType"), Bytes32(c.cutType));
        built.bytes[built.marks.at("flagA")] = c.a;
        built.bytes[built.marks.at("flagB")] = c.b;
        built.bytes[built.marks.at("flagC")] = c.c;
        const Read read = ReadSet(built.bytes, 5);
        EXPECT_EQ(c.area, read.params.GetCuttingAreaType()) << c.cutType << c.a << c.b << c.c;
        EXPECT_EQ(built.bytes.size(), read.consumed);
    }
}

TEST(ParamReaderOldest, FieldsTheRecordLacksTakeTheModelsDefaults)
{
    qz5axParams filled(qzUnitsFactory::INCH);
    param_layout::Fill(filled, 5);
    for (unsigned version : {3u, 7u, 20u, 32u})
    {
        const Built built = Build(version);
        EXPECT_TRUE(
            SameSet(built.expected, ReadSet(built.bytes, version, false, false, false, filled).params))
            << version;
    }
}

TEST(ParamReaderOldest, TheBaseReaderKeepsTheTargetAndIgnoresTheAreaFlags)
{
    qz5axParams filled;
    param_layout::Fill(filled, 5);
    Built built = Build(5);
    built.bytes[built.marks.at("flagC")] = 1;
    const Read read = ReadSet<qzBI5axParams>(built.bytes, 5, false, false, false, filled);
    EXPECT_EQ(built.bytes.size(), read.consumed);
    EXPECT_EQ(filled.GetCuttingAreaType(), read.params.GetCuttingAreaType());
    EXPECT_EQ(filled.GetScallop(), read.params.GetScallop());
    EXPECT_EQ(filled.GetLinkParams().GetClearanceRadius(), read.params.GetLinkParams().GetClearanceRadius());
    EXPECT_EQ(built.expected.GetYLimitMax(), read.params.GetYLimitMax());
    EXPECT_EQ(built.expected.GetFeedRate(), read.params.GetFeedRate());
}

TEST(ParamReaderSecond, RejectedAvoidTiltDirectionsOfVersionsBelow11SwitchTheOperationOff)
{
    for (unsigned version : {10u, 11u})
        for (bool validate : {false, true})
        {
            Built built = Build(version);
            // Operations 1 and 2 are active; 9 is no direction.
            built.bytes[built.marks.at("avoidTiltDir1")] = 9;
            built.bytes[built.marks.at("avoidTiltDir2")] = 9;
            const Read read = ReadSet(built.bytes, version, false, validate);
            const bool repaired = validate && version < 11;
            EXPECT_EQ(!repaired, Op(read.params, 1).GetStatus()) << version << validate;
            EXPECT_EQ(!repaired, Op(read.params, 2).GetStatus());
            EXPECT_TRUE(Op(read.params, 3).GetStatus());
            Lost expected{kEarlierEntry};
            if (repaired) // one entry however many operations
                expected.emplace_back("BinLostData", 1);
            EXPECT_EQ(expected, read.lost);
        }
}

TEST(ParamReaderSecond, CheckSurfaceToleranceBelow18IsTheCutTolerance)
{
    const Read at17 = ReadSet(Build(17).bytes, 17);
    const Read at18 = ReadSet(Build(18).bytes, 18);
    for (unsigned i = 0; i < 4; ++i)
    {
        EXPECT_EQ(at17.params.GetCutTolerance(), Op(at17.params, i).GetCheckSurfTolerance());
        EXPECT_NE(at18.params.GetCutTolerance(), Op(at18.params, i).GetCheckSurfTolerance());
        EXPECT_EQ(Op(Build(18).expected, i).GetCheckSurfTolerance(),
                  Op(at18.params, i).GetCheckSurfTolerance());
    }
}

TEST(ParamReaderCollision, VersionGatesOfTheOperationAndItsRecord)
{
    using Check = std::function<void(const qz5axParams&)>;
    const struct
    {
        unsigned version;
        Check check;
    } cases[] = {
        {64, [](const qz5axParams& p) { EXPECT_EQ(45.0, Op(p, 1).GetDeviationAngle()); }},
        {65, [](const qz5axParams& p) { EXPECT_NE(45.0, Op(p, 1).GetDeviationAngle()); }},
        {93, [](const qz5axParams& p) { EXPECT_EQ(100.0, Op(p, 0).GetSplitContourWithinDistance()); }},
        {151, [](const qz5axParams& p) { EXPECT_EQ(100.0, Op(p, 3).GetSplitContourWithinDistance()); }},
        {152, [](const qz5axParams& p) { EXPECT_NE(100.0, Op(p, 3).GetSplitContourWithinDistance()); }},
        {152, [](const qz5axParams& p) { EXPECT_TRUE(Op(p, 0).GetTiltCollFreeContoursFlg()); }},
        {199, [](const qz5axParams& p) { EXPECT_TRUE(Op(p, 2).GetTiltCollFreeContoursFlg()); }},
        {200, [](const qz5axParams& p) { EXPECT_FALSE(Op(p, 2).GetTiltCollFreeContoursFlg()); }},
        {117,
         [](const qz5axParams& p)
         {
             const qzCollCtrlParams& c = p.GetCollControl();
             EXPECT_EQ(c.GetToolShaftUpperClearance(), c.GetToolShaftLowerClearance());
             EXPECT_EQ(c.GetArborUpperClearance(), c.GetArborLowerClearance());
             EXPECT_EQ(c.GetHolderUpperClearance(), c.GetHolderLowerClearance());
         }},
        {118,
         [](const qz5axParams& p) {
             EXPECT_NE(p.GetCollControl().GetArborUpperClearance(),
                       p.GetCollControl().GetArborLowerClearance());
         }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.version);
        c.check(ReadSet(Build(c.version).bytes, c.version).params);
    }
    // Read alone, an operation of version 17 drops its stored check-surface tolerance.
    for (unsigned version : {17u, 18u})
    {
        legacy_params::Builder b(version, false, false, 0);
        qzCollCtrlOpParams expected;
        legacy_params::Operation(b, expected, 2);
        Input in(b.Bytes());
        Lost lost;
        qzBI5axParams3 reader(in.stream, version, false, lost, false, false, false);
        qzCollCtrlOpParams op;
        reader >> op;
        EXPECT_EQ(version == 17 ? qzCollCtrlOpParams().GetCheckSurfTolerance()
                                : expected.GetCheckSurfTolerance(),
                  op.GetCheckSurfTolerance());
        EXPECT_EQ(b.Bytes().size(), in.Position());
    }
    // 58 alone stores one more bool per operation (and the conversion link type comes at 58).
    EXPECT_EQ(Build(57).bytes.size() + 4 + 1, Build(58).bytes.size());
    EXPECT_EQ(Build(59).bytes.size() - 4 * 16 + 4 * 1, Build(58).bytes.size()); // 59 adds two angles
    // The version-64 operation holds two doubles more than the 65 one minus its deviation angle.
    EXPECT_EQ(Build(65).bytes.size() + 4 * (16 - 8), Build(64).bytes.size());
}

// ---------------------------------------------------------------------------------------------
// The newest generation

TEST(ParamReaderNewest, VersionsNextToAChangeOfLayout)
{
    using Check = std::function<void(const qz5axParams&, const Built&)>;
    const struct
    {
        unsigned version;
        const char* what;
        Check check;
    } cases[] = {
        {32, "links converted from the oldest record",
         [](const qz5axParams& p, const Built&)
         {
             EXPECT_EQ(qzLinkParams::Y_AXIS, p.GetLinkParams().GetClearanceAxis());
             EXPECT_TRUE(p.GetLinkParams().GetGapsAlongCut().GetGapSize().IsPercent());
         }},
        {33, "the multi-cuts block of the main record",
         [](const qz5axParams& p, const Built& b)
         {
             EXPECT_EQ(b.expected.GetRoughingParams().GetMultiCutsRoughParams().GetNumberOfRoughCuts(),
                       p.GetRoughingParams().GetMultiCutsRoughParams().GetNumberOfRoughCuts());
             EXPECT_EQ(5.0, p.GetRoughingParams().GetPlungeRoughParams().GetPlungeHeight());
         }},
        {34, "the roughing block",
         [](const qz5axParams& p, const Built& b)
         {
             EXPECT_EQ(b.expected.GetRoughingParams().GetBlendRoughParams().GetStepover(),
                       p.GetRoughingParams().GetBlendRoughParams().GetStepover());
             EXPECT_EQ(qzDepthCutsRoughParams::SHIFT_ALONG_TOOL_AXIS,
                       p.GetRoughingParams().GetDepthCutsRoughParams().GetCutsType());
         }},
        {35, "the roughing record",
         [](const qz5axParams& p, const Built& b)
         {
             EXPECT_EQ(b.expected.GetRoughingParams().GetDepthCutsRoughParams().GetCutsType(),
                       p.GetRoughingParams().GetDepthCutsRoughParams().GetCutsType());
         }},
        {198, "tool-plane type 0 for a direction of exactly (0, 0, 1)",
         [](const qz5axParams& p, const Built&)
         { EXPECT_EQ(qz5axParams::TOOL_PLANE_Z, p.GetToolPlaneDirTypeFor3Axis()); }},
        {197, "tool-plane type 1 for (0, 0, 0.999999)",
         [](const qz5axParams& p, const Built&)
         { EXPECT_EQ(qz5axParams::TOOL_PLANE_CUSTOM, p.GetToolPlaneDirTypeFor3Axis()); }},
        {199, "the stored tool-plane type",
         [](const qz5axParams& p, const Built& b)
         { EXPECT_EQ(b.expected.GetToolPlaneDirTypeFor3Axis(), p.GetToolPlaneDirTypeFor3Axis()); }},
        {199, "a lag angle beyond 89.999 cleared",
         [](const qz5axParams& p, const Built&) { EXPECT_EQ(0.0, p.GetLagAngle()); }},
        {84, "merge distance from the gaps along the cut",
         [](const qz5axParams& p, const Built&)
         {
             EXPECT_EQ(p.GetLinkParams().GetGapsAlongCut().GetGapSize().GetValue(),
                       p.GetSurfEdgeHandlingParams().GetMergeDistance().GetValue());
         }},
        {85, "merge distance read in the main record",
         [](const qz5axParams& p, const Built& b)
         {
             EXPECT_TRUE(b.expected.GetSurfEdgeHandlingParams().GetMergeDistance() ==
                         p.GetSurfEdgeHandlingParams().GetMergeDistance());
             EXPECT_NE(p.GetLinkParams().GetGapsAlongCut().GetGapSize().GetValue(),
                       p.GetSurfEdgeHandlingParams().GetMergeDistance().GetValue());
         }},
        {179, "surface-edge type 0",
         [](const qz5axParams& p, const Built&)
         { EXPECT_FALSE(p.GetSurfEdgeHandlingParams().GetMaintainOutsideSharpEdgesFlg()); }},
        {180, "surface-edge type read",
         [](const qz5axParams& p, const Built&)
         { EXPECT_TRUE(p.GetSurfEdgeHandlingParams().GetMaintainOutsideSharpEdgesFlg()); }},
        {185, "surface-edge type read",
         [](const qz5axParams& p, const Built&)
         { EXPECT_TRUE(p.GetSurfEdgeHandlingParams().GetMaintainOutsideSharpEdgesFlg()); }},
        {185, "merge distance still read in the main record",
         [](const qz5axParams& p, const Built& b)
         {
             EXPECT_TRUE(b.expected.GetSurfEdgeHandlingParams().GetMergeDistance() ==
                         p.GetSurfEdgeHandlingParams().GetMergeDistance());
         }},
        {186, "merge distance and type inside the surface-edge record",
         [](const qz5axParams& p, const Built& b)
         {
             const qzSurfEdgeHandlingParams& stored = b.expected.GetSurfEdgeHandlingParams();
             EXPECT_TRUE(stored.GetMergeDistance() == p.GetSurfEdgeHandlingParams().GetMergeDistance());
             EXPECT_EQ(stored.GetMaintainOutsideSharpEdgesFlg(),
                       p.GetSurfEdgeHandlingParams().GetMaintainOutsideSharpEdgesFlg());
         }},
        {127, "fix flags of a flag and 0..2: 1 fixes the tilt axis",
         [](const qz5axParams& p, const Built&)
         {
             EXPECT_TRUE(Op(p, 1).GetTiltAxisFixFlg());
             EXPECT_FALSE(Op(p, 1).GetRotaryAxisFixFlg());
             EXPECT_TRUE(Op(p, 2).GetTiltAxisFixFlg() && Op(p, 2).GetRotaryAxisFixFlg());
         }},
        {128, "fix flags of 1..3: 1 fixes the rotary axis",
         [](const qz5axParams& p, const Built&)
         {
             EXPECT_FALSE(Op(p, 1).GetTiltAxisFixFlg());
             EXPECT_TRUE(Op(p, 1).GetRotaryAxisFixFlg());
             EXPECT_FALSE(Op(p, 0).GetTiltAxisFixFlg() || Op(p, 0).GetRotaryAxisFixFlg());
         }},
        {217, "lead feed rates as percentages of the set's feed rates",
         [](const qz5axParams& p, const Built&)
         {
             EXPECT_EQ(
                 25.0,
                 p.GetLinkParams().GetFirstEntry().GetLeadController().GetLeadParams().GetFeedRatePercent());
             EXPECT_EQ(
                 150.0,
                 p.GetLinkParams().GetLastExit().GetLeadController().GetLeadParams().GetFeedRatePercent());
             EXPECT_EQ(25.0, p.GetLinkParams().GetLeadInDefaultParams().GetFeedRatePercent());
         }},
        {218, "stored lead feed rates",
         [](const qz5axParams& p, const Built& b)
         {
             EXPECT_EQ(
                 b.expected.GetLinkParams()
                     .GetFirstEntry()
                     .GetLeadController()
                     .GetLeadParams()
                     .GetFeedRatePercent(),
                 p.GetLinkParams().GetFirstEntry().GetLeadController().GetLeadParams().GetFeedRatePercent());
             EXPECT_NE(
                 25.0,
                 p.GetLinkParams().GetFirstEntry().GetLeadController().GetLeadParams().GetFeedRatePercent());
         }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.version) + ": " + c.what);
        const Built built = Build(c.version);
        c.check(ReadSet(built.bytes, c.version).params, built);
    }
}

TEST(ParamReaderNewest, ValuesThatOldVersionsStoredDifferently)
{
    // A lag angle of 89.9995 is cleared below 200 and kept from 200.
    for (unsigned version : {199u, 200u})
    {
        Built built = Build(version);
        Patch(built.bytes, built.marks.at("lagAngle"), Bytes64(89.9995));
        EXPECT_EQ(version < 200 ? 0.0 : 89.9995, ReadSet(built.bytes, version).params.GetLagAngle());
    }
    // A drill depth of -3 reads as 3 below 208.
    for (unsigned version : {207u, 208u})
    {
        Built built = Build(version);
        Patch(built.bytes, built.marks.at("drillDepth"), Bytes64(-3.0));
        EXPECT_EQ(version < 208 ? 3.0 : -3.0, ReadSet(built.bytes, version)
                                                  .params.GetTpCalculationMethodsParams()
                                                  .GetDrillingBasedTpCalcParams()
                                                  .GetDrillDepth());
    }
    // With a zero feed rate the lead feed rates of version 217 are 100 percent.
    Built built = Build(217);
    Patch(built.bytes, built.marks.at("feedRate"), Bytes64(0.0));
    const qzLinkParams link = ReadSet(built.bytes, 217).params.GetLinkParams();
    EXPECT_EQ(100.0, link.GetFirstEntry().GetLeadController().GetLeadParams().GetFeedRatePercent());
    EXPECT_EQ(100.0, link.GetLastExit().GetLeadController().GetLeadParams().GetFeedRatePercent());
    // A zero clearance radius of a version below 224 becomes 0.1; 224 keeps it.
    for (unsigned version : {223u, 224u})
    {
        built = Build(version);
        Patch(built.bytes, built.marks.at("clearanceRadius"), Bytes64(0.0));
        EXPECT_EQ(version < 224 ? 0.1 : 0.0,
                  ReadSet(built.bytes, version).params.GetLinkParams().GetClearanceRadius());
    }
}

TEST(ParamReaderNewest, WithRapidRetractTheLeadOutFeedRatesOfOldVersionsStayAsStored)
{
    // Seed 1 stores the rapid-retract flag set: below 218 only the lead-in percentages follow
    // the set's feed rates (500 of 2000), the lead-out ones keep what the stream holds.
    for (unsigned version : {217u, 218u})
    {
        const Built built = Build(version, false, false, 1);
        const qz5axParams p = ReadSet(built.bytes, version).params;
        ASSERT_TRUE(p.GetRapidRetractFlg());
        const qzLinkParams& link = p.GetLinkParams();
        const qzLinkParams& stored = built.expected.GetLinkParams();
        const double exitPercent =
            link.GetLastExit().GetLeadController().GetLeadParams().GetFeedRatePercent();
        EXPECT_EQ(stored.GetLastExit().GetLeadController().GetLeadParams().GetFeedRatePercent(), exitPercent);
        EXPECT_NE(150.0, exitPercent) << version;
        EXPECT_EQ(stored.GetLeadOutDefaultParams().GetFeedRatePercent(),
                  link.GetLeadOutDefaultParams().GetFeedRatePercent());
        EXPECT_EQ(version < 218
                      ? 25.0
                      : stored.GetFirstEntry().GetLeadController().GetLeadParams().GetFeedRatePercent(),
                  link.GetFirstEntry().GetLeadController().GetLeadParams().GetFeedRatePercent());
        EXPECT_TRUE(SameSet(built.expected, p)) << version;
    }
}

TEST(ParamReaderNewest, ConversionsThatFailNameTheirCause)
{
    using Failure = std::function<std::string(Built&)>;
    const struct
    {
        unsigned version;
        Failure patch;
        unsigned long code;
        const char* message;
    } cases[] = {
        {150, [](Built& b) { return WithByte(b, "tpCalcMethod", 3); }, 2438,
         "Invalid Method in TpCalcMethodsParams params!"},
        {150, [](Built& b) { return WithByte(b, "tpCalcMethod", 9); }, 2438,
         "Invalid Method in TpCalcMethodsParams params!"},
        {180, [](Built& b) { return WithByte(b, "surfEdgeType", 2); }, 2490,
         "Invalid surface edge handling type"},
        {185, [](Built& b) { return WithByte(b, "surfEdgeType", 2); }, 2490,
         "Invalid surface edge handling type"},
        {20, [](Built& b) { return WithByte(b, "clearanceAxis", 3); }, 0, "Axis Conversion not implemented"},
        {20, [](Built& b) { return WithByte(b, "gapHandling", 5); }, 0,
         "MoveAction Conversion not implemented"},
        {125, [](Built& b) { return WithByte(b, "options0", 4); }, 0,
         "CCWith2DegOptionsList does not match the total number of options"},
    };
    for (const auto& c : cases)
    {
        Built built = Build(c.version);
        const std::string bytes = c.patch(built);
        const auto e = Thrown<misc::qzException>([&] { ReadSet(bytes, c.version); });
        ASSERT_TRUE(e) << c.message;
        EXPECT_EQ(c.code, e->GetErrorCode());
        EXPECT_EQ(c.message, e->GetErrorMessage());
    }
}

// ---------------------------------------------------------------------------------------------
// Faults of the older behaviour, mended

TEST(ParamReaderMended, TwoSetsOfOneVersionReadInARowWithOneReader)
{
    // Each set of a version parks every legacy value again before it is used, so this shows
    // that reading in a row works; no whole-set read can tell whether the store was reset.
    for (unsigned version : {20u, 100u, 150u})
    {
        const Built first = Build(version, false, false, 1);
        const Built second = Build(version, false, false, 2);
        Input in(first.bytes + second.bytes);
        Lost lost;
        qzBI5axParams3 reader(in.stream, version, false, lost, false, false, false);
        qz5axParams a, b;
        reader >> a;
        reader >> b;
        EXPECT_TRUE(SameSet(first.expected, a)) << version;
        EXPECT_TRUE(SameSet(second.expected, b)) << version;
    }
}

TEST(ParamReaderMended, StockRemainIsOnlyReplacedByAValueTheMeshRecordStored)
{
    // Version 110 has the mesh method but no stock remain of its own: the set's stays.
    const Built at110 = Build(110);
    const qz5axParams read = ReadSet(at110.bytes, 110).params;
    ASSERT_EQ(qzTpCalcMethodsParams::TRIANGLE_MESH_BASED, read.GetTpCalculationMethodsParams().GetMethod());
    EXPECT_EQ(at110.expected.GetStockRemain(), read.GetStockRemain());
    EXPECT_NE(0.0, read.GetStockRemain());
    const Built at150 = Build(150);
    EXPECT_EQ(at150.expected.GetStockRemain(), ReadSet(at150.bytes, 150).params.GetStockRemain());
}

TEST(ParamReaderMended, OldestRoughingValuesSurviveAndFanningDistanceFrom13IsApplied)
{
    for (unsigned version : {12u, 13u, 32u})
    {
        const Built built = Build(version);
        const qz5axParams read = ReadSet(built.bytes, version).params;
        const qzRoughingParams& r = read.GetRoughingParams();
        EXPECT_TRUE(r.GetMultiCutsRoughParams().GetIsUsedFlg());
        EXPECT_EQ(built.expected.GetRoughingParams().GetMultiCutsRoughParams().GetNumberOfRoughCuts(),
                  r.GetMultiCutsRoughParams().GetNumberOfRoughCuts());
        EXPECT_TRUE(r.GetPlungeRoughParams().GetIsUsedFlg());
        EXPECT_EQ(built.expected.GetRoughingParams().GetMorphPocketRoughParams().GetNumberOfCuts(),
                  r.GetMorphPocketRoughParams().GetNumberOfCuts());
        EXPECT_EQ(1u, r.GetDepthCutsRoughParams().GetNumberOfRoughCuts()); // not stored: reset
        const double fanning = read.GetTiltRelativeToCutDirParams().GetSideTiltFanningDist();
        const double byDefault = qzTiltRelativeToCutDirParams().GetSideTiltFanningDist();
        if (version < 13)
            EXPECT_EQ(byDefault, fanning);
        else // the tail's value, not the default
            EXPECT_TRUE(fanning != byDefault &&
                        fanning == built.expected.GetTiltRelativeToCutDirParams().GetSideTiltFanningDist());
    }
}

// ---------------------------------------------------------------------------------------------
// Every version

TEST(ParamReaderSweep, EveryVersionReadsItsBytesAndLandsEachValueWhereTheTablesSay)
{
    // Into a default set, and into one whose every field differs from the defaults, so that the
    // values given to fields an old version lacks show.
    qz5axParams filled(qzUnitsFactory::INCH);
    param_layout::Fill(filled, 9);
    // Seed 1 flips the flags that choose between conversions.
    const struct
    {
        bool shrink, sizes64;
        int seed;
        const qz5axParams target;
    } modes[] = {{false, false, 0, qz5axParams()},
                 {true, false, 0, qz5axParams()},
                 {false, true, 0, filled},
                 {false, false, 1, qz5axParams()}};
    for (const auto& mode : modes)
        for (unsigned version = 3; version <= 226; ++version)
        {
            SCOPED_TRACE("version " + std::to_string(version) + (mode.shrink ? " shrink" : "") +
                         (mode.sizes64 ? " 64-bit sizes, filled target" : "") +
                         (mode.seed != 0 ? " other flags" : ""));
            const Built built = Build(version, mode.shrink, mode.sizes64, mode.seed, mode.target);
            Read read;
            ASSERT_NO_THROW(
                read = ReadSet(built.bytes + "\x5A", version, mode.shrink, false, mode.sizes64, mode.target));
            EXPECT_EQ(built.bytes.size(), read.consumed); // the sentinel is left
            EXPECT_TRUE(SameSet(built.expected, read.params));
            EXPECT_EQ(Lost{kEarlierEntry}, read.lost);
        }
}

TEST(ParamReaderRoundTrip, AFullyPopulatedSetReadsBackFieldByField)
{
    for (bool shrink : {false, true})
    {
        qz5axParams params(qzUnitsFactory::INCH);
        param_layout::Fill(params, 7); // values exact in single precision and in 16 bits
        // The preferred tilt angle is kept within the maximum tilt angle on reading.
        qzCollCtrlParams coll = params.GetCollControl();
        for (unsigned i = 0; i < 4; ++i)
        {
            qzCollCtrlOpParams op = coll.GetCollCtrlOperation(i);
            op.SetPreferredTiltAngle(op.GetAvoidMaxTiltAngle() / 2);
            coll.SetCollCtrlOperation(op, i);
        }
        params.SetCollControl(coll);
        misc::qzMemoryIOStream stream(1 << 14);
        qzBO5axParams(stream, shrink, false) << params;
        const std::string bytes(static_cast<const char*>(stream.GetBuffer()), stream.GetDataLength());
        const Read read = ReadSet(bytes, 226, shrink, true);
        EXPECT_EQ(bytes.size(), read.consumed);
        EXPECT_TRUE(SameSet(params, read.params)) << (shrink ? "shrink" : "");
    }
}

// ---------------------------------------------------------------------------------------------
// Bad input

TEST(ParamReaderBadInput, ARecordCutShortAtAnyByteEndsIn2018)
{
    for (unsigned version : {5u, 7u, 20u, 33u, 100u, 226u})
    {
        const std::string bytes = Build(version).bytes;
        for (std::size_t length = 0; length < bytes.size(); ++length)
        {
            Lost lost{kEarlierEntry};
            const auto e = Thrown<qzmiscException>(
                [&]
                {
                    Input in(bytes.substr(0, length));
                    qz5axParams params;
                    qzBI5axParams3(in.stream, version, false, lost, false, false, false) >> params;
                });
            ASSERT_TRUE(e) << version << " cut at " << length;
            ASSERT_EQ(2018u, e->GetErrorCode()) << version << " cut at " << length;
            ASSERT_EQ(kEarlierEntry, lost.front());
        }
    }
}

TEST(ParamReaderBadInput, CorruptOptionListsFailWithTheListsMessages)
{
    // A count, then option and flag pairs.
    const auto list = [](unsigned count, std::initializer_list<int> pairs)
    {
        std::string bytes = Bytes32(count);
        for (int b : pairs)
            bytes.push_back(static_cast<char>(b));
        return bytes;
    };
    const struct
    {
        std::string list;
        const char* message;
    } cases[] = {
        {list(4, {1, 0, 2, 0, 3, 0, 4, 1}), "does not match the total number of options"},
        {list(6, {1, 0, 2, 0, 3, 0, 4, 1, 5, 1, 5, 1}), "does not match the total number of options"},
        {list(5, {1, 0, 2, 0, 3, 0, 4, 1, 4, 1}), "does not have all options"},
        {list(0, {}), "does not match the total number of options"}};
    for (const auto& c : cases)
    {
        Input in(c.list);
        Lost lost;
        qzBI5axParams3 reader(in.stream, 226, false, lost, false, false, false);
        qzCCWith2DegOptionsList target;
        const auto e = Thrown<misc::qzException>([&] { reader >> target; });
        ASSERT_TRUE(e);
        EXPECT_EQ(std::string("CCWith2DegOptionsList ") + c.message, e->GetErrorMessage());
        EXPECT_TRUE(target == qzCCWith2DegOptionsList()) << "a refused list leaves the target alone";
    }
    // An absurd count reads until the stream ends (nothing is reserved from it).
    {
        Input in(list(0x7FFFFFFF, {1, 0, 2, 0}));
        Lost lost;
        qzBI5axParams3 reader(in.stream, 226, false, lost, false, false, false);
        qzCCWith2DegOptionsList target;
        const auto e = Thrown<qzmiscException>([&] { reader >> target; });
        ASSERT_TRUE(e);
        EXPECT_EQ(2018u, e->GetErrorCode());
    }
    // A 64-bit size of 2^31 is refused.
    Built built = Build(226, false, true);
    Patch(built.bytes, built.marks.at("options0"), std::string("\x00\x00\x00\x80\x00\x00\x00\x00", 8));
    const auto e = Thrown<qzmiscException>([&] { ReadSet(built.bytes, 226, false, false, true); });
    ASSERT_TRUE(e);
    EXPECT_EQ(2157u, e->GetErrorCode());
}
} // namespace
