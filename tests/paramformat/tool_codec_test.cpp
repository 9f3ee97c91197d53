// The tool codec: round trips of every tool class, definition and solid kind at the newest
// version; records of older versions typed from the layout at each gate; every refusal; and
// records cut short at every byte.
#include "paramformat/tool_codec_support.h"

#include "foundation/qzIdxRangeException.h"
#include "foundation/test_support.h"
#include "paramformat/qzBITools.h"
#include "paramformat/qzBOTools.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
using namespace tessaform_test;
using namespace cadcam;
using measures::qzUnitsFactory;
using ToolPtr = misc::qzAutoPointer<qzTool>;
using Corner = qzTypedRevolvedTool::cornerRaduisType;
constexpr unsigned kNewest = 226;

misc::qzAutoPointer<qz2dPoint<double>> P(double x, double y)
{
    return misc::qzMakeAutoPointer<qz2dPoint<double>>(x, y);
}

/// The contour of lines through the corners, in order.
misc::qzAutoPointer<qz2dContour<double>> Path(std::initializer_list<std::pair<double, double>> corners)
{
    auto contour = misc::qzMakeAutoPointer<qz2dContour<double>>();
    misc::qzAutoPointer<qz2dPoint<double>> last;
    for (const auto& c : corners)
    {
        auto next = P(c.first, c.second);
        if (last)
            contour->AddGeometry(misc::qzMakeAutoPointer<qz2dLine<double>>(last, next));
        last = next;
    }
    return contour;
}

misc::qzAutoPointer<qzSolidDefinition<double>> Revolved(qzUnitsFactory::Units units = qzUnitsFactory::METRIC)
{
    auto profile = Path({{0, 0}, {3, 0}, {3, 40}});
    profile->AddGeometry(misc::qzMakeAutoPointer<qz2dArc<double>>(P(1, 40), 2.0, 0.0, 90.0));
    return misc::qzMakeAutoPointer<qzRevolvedSolidDefinition<double>>(units, profile);
}

misc::qzAutoPointer<qzSolidDefinition<double>> Extruded()
{
    qzExtrusionBase<double> base(Path({{0, 0}, {4, 0}, {4, 4}, {0, 0}}), 1.5);
    base.AddContour(Path({{1, 1}, {2, 1}, {1, 1}}));
    return misc::qzMakeAutoPointer<qzExtrudedSolidDefinition<double>>(qzUnitsFactory::INCH, base,
                                                                      qz3dPoint<double>(0.5, -0.25, 12));
}

misc::qzAutoPointer<qzSolidDefinition<double>> Meshed()
{
    using Mesh = qzTMesh<double>;
    const std::vector<qzTPoint3d<double>> points = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const std::vector<Mesh::qzTTriangle> triangles = {{{0, 2, 1}, {0, 0, -1}}, {{0, 1, 3}, {0, -1, 0}}};
    return misc::qzMakeAutoPointer<qzMeshSolidDefinition<double>>(
        qzUnitsFactory::METRIC, misc::qzMakeAutoPointer<Mesh>(points, triangles, qzUnitsFactory::INCH));
}

qzTool::Arbor ArborOf(misc::qzAutoPointer<qzSolidDefinition<double>> solid)
{
    return misc::qzMakeAutoPointer<qzArborDefinition<double>>(solid);
}
qzTool::Holder HolderOf(misc::qzAutoPointer<qzSolidDefinition<double>> solid)
{
    return misc::qzMakeAutoPointer<qzHolderDefinition<double>>(solid);
}
qzTool::ToolPart PartOf(misc::qzAutoPointer<qzSolidDefinition<double>> solid)
{
    return misc::qzMakeAutoPointer<qzToolPartDefinition<double>>(solid);
}

const qzShoulderExtender kShoulder(qzUnitsFactory::INCH, 12.5, 33.25);
constexpr auto kInch = qzUnitsFactory::INCH;

/// One tool of every class, each value distinct, holders and arbors of every solid kind.
std::vector<ToolPtr> EveryTool()
{
    const auto a = ArborOf(Extruded());
    const auto h = HolderOf(Revolved());
    const auto m = HolderOf(Meshed());
    const auto s = kShoulder;
    const Corner r = qzTypedRevolvedTool::CORNER_RADIUS;
    const Corner c = qzTypedRevolvedTool::CORNER_CHAMFER;
    return {
        misc::qzMakeAutoPointer<qzBoreBar>(0.5, 8.0, c, 10.0, 20.0, 50.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzBullMill>(1.5, 12.0, 24.0, 60.0, a, m, s, kInch),
        misc::qzMakeAutoPointer<qzChamferMill>(0.25, r, 45.0, 2.0, 16.0, 8.0, 70.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzCntrBore>(9.0, 11.0, 40.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzCSink>(0.1, c, 90.0, 20.0, 6.0, 55.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzCtrDrill>(2.5, 3.5, 6.3, 5.0, 45.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzDoveMill>(60.0, 0.4, r, 25.0, 7.0, 65.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzDrill>(118.0, 6.8, 40.0, 90.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzEndMill>(8.0, 19.0, 63.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzFaceMill>(45.0, 60.0, 0.8, r, 63.0, 6.0, 40.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzLolMill>(4.5, 6.0, 6.0, 75.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzRadMill>(3.0, 14.0, 9.0, 58.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzReamer>(10.01, 30.0, 100.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzSlotMill>(0.2, c, 50.0, 3.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzSpherMill>(6.0, 12.0, 57.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzSpotDrill>(90.0, 10.0, 15.0, 70.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzTaperMill>(3.0, 0.5, r, 10.0, 35.0, 80.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzTapLH>(0.05, c, 1.25, 3, 10.0, 22.0, 70.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzTapRH>(0.06, r, 1.5, -4, 12.0, 24.0, 75.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzLatheTool>(PartOf(Meshed()), h, qzUnitsFactory::METRIC),
        misc::qzMakeAutoPointer<qzBarrelMill>(250.0, 2.0, 4.0, 16.0, 10.0, 90.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzConvexTipMill>(1.0, 30.0, 12.0, 20.0, 66.0, a, h, s, kInch),
        misc::qzMakeAutoPointer<qzGenericRevolvedTool>(m, a, PartOf(Revolved(kInch)), PartOf(Extruded()),
                                                       kInch),
    };
}

std::string WriteTool(const qzTool& tool)
{
    misc::qzMemoryIOStream stream;
    qzBOTools writer(stream);
    writer << tool;
    return Contents(stream);
}

/// Reads one tool record; `left` receives the bytes not consumed.
ToolPtr ReadTool(const std::string& bytes, unsigned version = kNewest, std::size_t* left = nullptr,
                 qzUnitsFactory::Units defaultUnits = qzUnitsFactory::INCH)
{
    misc::qzMemoryIOStream stream;
    Load(stream, bytes);
    qzBITools reader(stream, version, false, false, false, defaultUnits);
    ToolPtr tool;
    reader >> tool;
    if (left)
        *left = static_cast<std::size_t>(stream.GetDataLength() - stream.GetPosition());
    return tool;
}

std::string Profile(const qzSolidBasedDefinition<double>& definition)
{
    return Describe(*definition.GetSolid());
}

// ---------------------------------------------------------------------------------------------
// Round trips

TEST(ToolCodecRoundTrip, EveryToolClassComesBackWithEveryValue)
{
    const auto tools = EveryTool();
    ASSERT_EQ(23u, tools.size());
    for (std::size_t code = 0; code < tools.size(); ++code)
    {
        qzTool& tool = *tools[code];
        ASSERT_EQ(static_cast<int>(code), tool.GetToolType());
        const std::string bytes = WriteTool(tool);
        ASSERT_EQ(static_cast<char>(code), bytes[0]) << "the type code leads";
        std::size_t left = 1;
        ToolPtr back = ReadTool(bytes, kNewest, &left);
        EXPECT_EQ(Describe(tool), Describe(*back));
        EXPECT_EQ(0u, left) << Describe(tool);
        EXPECT_EQ(bytes, WriteTool(*back)) << Describe(tool);
    }
}

TEST(ToolCodecRoundTrip, EveryDefinitionWithEverySolidKind)
{
    const std::function<misc::qzAutoPointer<qzSolidDefinition<double>>()> solids[] = {
        [] { return Revolved(kInch); }, Extruded, Meshed};
    for (const auto& solid : solids)
    {
        misc::qzMemoryIOStream stream;
        qzBOTools writer(stream);
        writer << *HolderOf(solid());
        writer << *ArborOf(solid());
        writer << *PartOf(solid());
        stream.Rewind(0);
        qzBITools reader(stream, kNewest);
        qzTool::Holder holder;
        qzTool::Arbor arbor;
        qzTool::ToolPart part;
        reader >> holder;
        reader >> arbor;
        reader >> part;
        EXPECT_EQ(stream.GetDataLength(), stream.GetPosition());
        const std::string expected = Describe(*solid());
        EXPECT_EQ(expected, Profile(*holder));
        EXPECT_EQ(expected, Profile(*arbor));
        EXPECT_EQ(expected, Profile(*part));
    }
}

TEST(ToolCodecRoundTrip, ShoulderAndEnrichedTools)
{
    misc::qzMemoryIOStream stream;
    qzBOTools writer(stream);
    writer << qzShoulderExtender(kInch, 1, 2);
    writer << qzEnrichedTool(EveryTool()[1], -17, "bull 12", "");
    writer << qzEnrichedTool(EveryTool()[22], 4, "", "a generic tool\twith a comment");
    stream.Rewind(0);

    qzBITools reader(stream, kNewest);
    qzShoulderExtender shoulder;
    qzEnrichedTool first, second;
    reader >> shoulder;
    reader >> first;
    reader >> second;
    EXPECT_EQ(stream.GetDataLength(), stream.GetPosition());
    EXPECT_EQ(qzShoulderExtender(kInch, 1, 2), shoulder);
    EXPECT_EQ(Describe(*EveryTool()[1]), Describe(*first.GetTool()));
    EXPECT_EQ(-17, first.GetNumber());
    EXPECT_EQ("bull 12", first.GetName());
    EXPECT_EQ("", first.GetComment());
    EXPECT_EQ(Describe(*EveryTool()[22]), Describe(*second.GetTool()));
    EXPECT_EQ(4, second.GetNumber());
    EXPECT_EQ("a generic tool\twith a comment", second.GetComment());
}

TEST(ToolCodecRoundTrip, ShrunkDataRoundTripsThroughFloats)
{
    misc::qzMemoryIOStream stream;
    qzBOTools writer(stream, true);
    writer << qzBullMill(0.1, 10, 20, 50, ArborOf(Revolved()), HolderOf(Revolved()), kShoulder, kInch);
    stream.Rewind(0);
    qzBITools reader(stream, kNewest, true);
    ToolPtr back;
    reader >> back;
    const auto& mill = dynamic_cast<const qzBullMill&>(*back);
    EXPECT_EQ(0.1, mill.GetCornerRadius()); // float on disk, rounded back to 6 decimals
    EXPECT_EQ(kInch, mill.GetUnits());
    EXPECT_EQ(stream.GetDataLength(), stream.GetPosition());
}

// ---------------------------------------------------------------------------------------------
// Records of older versions, typed from the layout

/// A bull mill record's head: type code, units from version 25, corner radius 1, diameter 10,
/// cutting length 20, length 50.
Bytes BullHead(unsigned version)
{
    Bytes b;
    b.U8(1);
    if (version >= 25)
        b.I32(2);
    return b.F64(1).F64(10).F64(20).F64(50);
}

/// A shoulder record of diameter 11 and base length 22, in inches from version 131.
Bytes& Shoulder(Bytes& b, unsigned version)
{
    if (version >= 131)
        b.I32(2);
    return b.F64(11).F64(22);
}

const char* const kCylinder30 = "(0 0)(6 0);line (6 0)(6 30);line (6 30)(0 30);line (0 30)(0 0);";

TEST(ToolCodecVersions, HolderAndArborFromSizesOrDefinitions)
{
    // 21: both from two doubles. The arbor's length is b less the tool's length.
    {
        const std::string bytes = BullHead(21).F64(12).F64(80).F64(40).F64(60).U8(0x5A).str();
        std::size_t left = 0;
        const auto tool = ReadTool(bytes, 21, &left).DynamicCast<qzBullMill>();
        EXPECT_EQ(1u, left);
        EXPECT_EQ(std::string("u2 revolved contour[line ") + kCylinder30 + "]", Profile(*tool->GetArbor()));
        EXPECT_EQ(
            "u2 revolved contour[line (0 0)(20 0);line (20 0)(20 60);line (20 60)(0 60);line (0 60)(0 0);]",
            Profile(*tool->GetHolder()));
        // No shoulder record: the tool's diameter and cutting length in the holder's units.
        EXPECT_EQ(qzShoulderExtender(kInch, 10, 20), tool->GetShoulderExtender());
    }
    // 22: the holder is a definition (units not stored yet, a stack of cones); the arbor is not.
    {
        const std::string bytes = BullHead(22)
                                      .F64(12)
                                      .F64(80)
                                      .Size(2)
                                      .F64(40)
                                      .F64(40)
                                      .F64(50)
                                      .F64(30)
                                      .F64(20)
                                      .F64(10)
                                      .U8(0x5A)
                                      .str();
        std::size_t left = 0;
        const auto tool = ReadTool(bytes, 22, &left).DynamicCast<qzBullMill>();
        EXPECT_EQ(1u, left);
        EXPECT_EQ(std::string("u2 revolved contour[line ") + kCylinder30 + "]", Profile(*tool->GetArbor()));
        EXPECT_EQ(
            "u2 revolved contour[line (0 0)(20 0);line (20 0)(20 50);line (20 50)(15 50);line (15 50)(10 60);"
            "line (10 60)(0 60);line (0 60)(0 0);]",
            Profile(*tool->GetHolder()));
    }
    // 23: both are definitions, the arbor first.
    {
        const std::string bytes = BullHead(23).Size(1).F64(12).F64(8).F64(30).Size(0).U8(0x5A).str();
        std::size_t left = 0;
        const auto tool = ReadTool(bytes, 23, &left).DynamicCast<qzBullMill>();
        EXPECT_EQ(1u, left);
        EXPECT_EQ("u2 revolved contour[line (0 0)(6 0);line (6 0)(4 30);line (4 30)(0 30);line (0 30)(0 0);]",
                  Profile(*tool->GetArbor()));
        EXPECT_EQ("u2 revolved contour[]", Profile(*tool->GetHolder()));
    }
}

TEST(ToolCodecVersions, UnitsAreStoredFrom25AndDefaultUnitsOf0Fail)
{
    const auto body = [](Bytes b) { return b.Size(0).Size(0).str(); };
    const auto at24 = ReadTool(body(BullHead(24)), 24, nullptr, qzUnitsFactory::METRIC);
    EXPECT_EQ(qzUnitsFactory::METRIC, at24->GetUnits());
    EXPECT_EQ(qzUnitsFactory::METRIC, at24.DynamicCast<qzBullMill>()->GetHolder()->GetUnits());
    const auto at25 =
        ReadTool(BullHead(25).I32(1).Size(0).I32(1).Size(0).str(), 25, nullptr, qzUnitsFactory::METRIC);
    EXPECT_EQ(kInch, at25->GetUnits());
    EXPECT_EQ(qzUnitsFactory::METRIC, at25.DynamicCast<qzBullMill>()->GetHolder()->GetUnits());

    const auto e =
        Thrown<qzcadcamException>([&] { ReadTool(body(BullHead(24)), 24, nullptr, qzUnitsFactory::NONE); });
    ASSERT_TRUE(e);
    EXPECT_EQ(2139u, e->GetErrorCode());
    EXPECT_EQ("Tool units are not defined", e->GetErrorMessage());
    // Stored units need no default.
    EXPECT_NO_THROW(ReadTool(Bytes().U8(8).I32(1).F64(1).F64(2).F64(3).I32(1).Size(0).I32(1).Size(0).str(),
                             25, nullptr, qzUnitsFactory::NONE));
}

/// Two older revolved forms and the newest generic form of one holder definition.
TEST(ToolCodecVersions, OlderRevolvedFormsOfHoldersAndArbors)
{
    struct Case
    {
        unsigned version;
        std::string definition;
    };
    const std::string profile = Bytes().U8(5).Size(1).U8(1).P2(0, 0).P2(5, 0).str();
    const Case cases[] = {
        {47, Bytes().I32(2).Size(1).F64(10).F64(10).F64(0).str()},
        {48, Bytes().I32(2).Raw(profile).str()},
        {59, Bytes().I32(2).Raw(profile).str()},
        {60, Bytes().I32(2).U8(0).Raw(profile).str()},
    };
    for (const Case& c : cases)
    {
        misc::qzMemoryIOStream stream;
        Load(stream, c.definition + c.definition + "\x01");
        qzBITools reader(stream, c.version);
        qzTool::Holder holder;
        qzTool::Arbor arbor;
        reader >> holder;
        reader >> arbor;
        // The cone of height 0 gives the same single line out to radius 5 and back.
        const std::string expected = c.version < 48 ? "u2 revolved contour[line (0 0)(5 0);line (5 0)(0 0);]"
                                                    : "u2 revolved contour[line (0 0)(5 0);]";
        EXPECT_EQ(expected, Profile(*holder)) << c.version;
        EXPECT_EQ(expected, Profile(*arbor)) << c.version;
        EXPECT_EQ(1u, stream.GetDataLength() - stream.GetPosition()) << c.version;
    }
}

TEST(ToolCodecVersions, SlotMillArborsBefore50AreEnclosingCylinders)
{
    // Slot mill: corner radius, corner type, then the diameter and its one length; an arbor
    // profile narrowing from radius 5 to 3 over 30, a holder of nothing.
    const std::string slot = Bytes()
                                 .U8(13)
                                 .I32(1)
                                 .F64(0.5)
                                 .U8(1)
                                 .F64(40)
                                 .F64(4)
                                 .I32(1)
                                 .U8(5)
                                 .Size(3)
                                 .U8(1)
                                 .P2(0, 0)
                                 .P2(5, 0)
                                 .U8(1)
                                 .P2(5, 0)
                                 .P2(3, 30)
                                 .U8(1)
                                 .P2(3, 30)
                                 .P2(0, 30)
                                 .I32(1)
                                 .U8(5)
                                 .Size(0)
                                 .U8(0x5A)
                                 .str();
    std::size_t left = 0;
    const auto at49 = ReadTool(slot, 49, &left).DynamicCast<qzSlotMill>();
    EXPECT_EQ(1u, left);
    EXPECT_EQ("u1 revolved contour[line (0 0)(5 0);line (5 0)(5 30);line (5 30)(0 30);line (0 30)(0 0);]",
              Profile(*at49->GetArbor()));
    EXPECT_EQ(4, at49->GetLength());
    EXPECT_EQ(4, at49->GetCuttingLength());
    EXPECT_EQ(qzShoulderExtender(qzUnitsFactory::METRIC, 40, 4), at49->GetShoulderExtender());
    const auto at50 = ReadTool(slot, 50, &left).DynamicCast<qzSlotMill>();
    EXPECT_EQ(1u, left);
    EXPECT_EQ("u1 revolved contour[line (0 0)(5 0);line (5 0)(3 30);line (3 30)(0 30);]",
              Profile(*at50->GetArbor()));
    // Below 23 a slot mill's arbor is b less its one length.
    const auto at22 = ReadTool(Bytes().U8(13).F64(0.5).U8(1).F64(40).F64(4).F64(8).F64(34).Size(0).str(), 22)
                          .DynamicCast<qzSlotMill>();
    EXPECT_EQ(
        std::string(
            "u2 revolved contour[line (0 0)(4 0);line (4 0)(4 30);line (4 30)(0 30);line (0 30)(0 0);]"),
        Profile(*at22->GetArbor()));
}

TEST(ToolCodecVersions, ShoulderFromSizesWithoutUnitsAndWithUnits)
{
    const auto at = [](unsigned version)
    {
        Bytes b = BullHead(version);
        b.I32(2).U8(0).U8(5).Size(0).I32(2).U8(0).U8(5).Size(0);
        if (version >= 130)
            Shoulder(b, version);
        b.U8(0x5A);
        std::size_t left = 0;
        const auto tool = ReadTool(b.str(), version, &left, qzUnitsFactory::METRIC).DynamicCast<qzBullMill>();
        EXPECT_EQ(1u, left) << version;
        return tool->GetShoulderExtender();
    };
    EXPECT_EQ(qzShoulderExtender(kInch, 10, 20), at(129));                  // the holder's units
    EXPECT_EQ(qzShoulderExtender(qzUnitsFactory::METRIC, 11, 22), at(130)); // the default units
    EXPECT_EQ(qzShoulderExtender(kInch, 11, 22), at(131));                  // stored
}

TEST(ToolCodecVersions, ShoulderCorrectionBefore154AndLollipopNeckFrom155)
{
    // Taper mill: angle, corner radius, corner type; then the common block at version v.
    const auto taper = [](unsigned version)
    {
        Bytes b;
        b.U8(16).I32(1).F64(5).F64(0.5).U8(1).F64(10).F64(30).F64(80);
        b.I32(1).U8(0).U8(5).Size(0).I32(1).U8(0).U8(5).Size(0);
        Shoulder(b, version);
        if (version < 154)
            b.F64(14).F64(31);
        return b.U8(0x5A).str();
    };
    std::size_t left = 0;
    EXPECT_EQ(qzShoulderExtender(kInch, 14, 31),
              ReadTool(taper(153), 153, &left).DynamicCast<qzTaperMill>()->GetShoulderExtender());
    EXPECT_EQ(1u, left);
    EXPECT_EQ(qzShoulderExtender(kInch, 11, 22),
              ReadTool(taper(154), 154, &left).DynamicCast<qzTaperMill>()->GetShoulderExtender());
    EXPECT_EQ(1u, left);
    // Kinds outside the five keep the shoulder as stored at 153.
    Bytes bull = BullHead(153);
    bull.I32(1).U8(0).U8(5).Size(0).I32(1).U8(0).U8(5).Size(0);
    Shoulder(bull, 153);
    EXPECT_EQ(qzShoulderExtender(kInch, 11, 22),
              ReadTool(bull.U8(0x5A).str(), 153, &left).DynamicCast<qzBullMill>()->GetShoulderExtender());
    EXPECT_EQ(1u, left);

    const auto lollipop = [](unsigned version)
    {
        Bytes b;
        b.U8(10).I32(1);
        if (version >= 155)
            b.F64(3.5);
        b.F64(6).F64(6).F64(75).I32(1).U8(0).U8(5).Size(0).I32(1).U8(0).U8(5).Size(0);
        Shoulder(b, version);
        if (version < 154)
            b.F64(14).F64(31);
        return b.U8(0x5A).str();
    };
    for (unsigned version : {153u, 154u, 155u})
    {
        const auto lol = ReadTool(lollipop(version), version, &left).DynamicCast<qzLolMill>();
        EXPECT_EQ(1u, left) << version;
        EXPECT_EQ(version >= 155 ? 3.5 : 0.0, lol->GetNeckDiameter()) << version;
        EXPECT_EQ(6, lol->GetDiameter()) << version;
        EXPECT_EQ(75, lol->GetLength()) << version;
    }
}

TEST(ToolCodecVersions, GenericRevolvedAndLatheToolsFromTheirDefinitions)
{
    const std::string revolved = Bytes().I32(2).U8(0).U8(5).Size(1).U8(1).P2(0, 0).P2(2, 0).str();
    const std::string mesh = Bytes()
                                 .I32(1)
                                 .U8(2)
                                 .I32(2)
                                 .Size(3)
                                 .F64(0)
                                 .F64(0)
                                 .F64(0)
                                 .F64(1)
                                 .F64(0)
                                 .F64(0)
                                 .F64(0)
                                 .F64(1)
                                 .F64(0)
                                 .Size(1)
                                 .U32(0)
                                 .U32(1)
                                 .U32(2)
                                 .F64(0)
                                 .F64(0)
                                 .F64(1)
                                 .str();
    const std::string extruded =
        Bytes().I32(1).U8(1).Size(1).U8(5).Size(0).F64(2.5).F64(0).F64(0).F64(9).str();
    std::size_t left = 0;
    const auto generic =
        ReadTool(Bytes().U8(22).Raw(mesh + revolved + revolved + extruded).U8(0x5A).str(), kNewest, &left);
    EXPECT_EQ(1u, left);
    EXPECT_EQ("Generic u2 holder{u1 mesh u2 points{(0 0 0)(1 0 0)(0 1 0)} triangles{0,1,2 n(0 0 1);}} "
              "arbor{u2 revolved contour[line (0 0)(2 0);]} cut{u2 revolved contour[line (0 0)(2 0);]} "
              "noncut{u1 extruded base{contour[];} h2.5 v(0 0 9)}",
              Describe(*generic));
    const auto lathe = ReadTool(Bytes().U8(19).Raw(extruded + mesh).U8(0x5A).str(), kNewest, &left);
    EXPECT_EQ(1u, left);
    EXPECT_EQ("Lathe u1 part{u1 extruded base{contour[];} h2.5 v(0 0 9)} "
              "holder{u1 mesh u2 points{(0 0 0)(1 0 0)(0 1 0)} triangles{0,1,2 n(0 0 1);}}",
              Describe(*lathe));
}

// ---------------------------------------------------------------------------------------------
// Refusals

TEST(ToolCodecErrors, CodedRefusals)
{
    struct Case
    {
        std::string bytes;
        unsigned version;
        unsigned long code;
        const char* message;
    };
    const std::string revolvedHolder = Bytes().I32(1).U8(0).U8(5).Size(0).str();
    const Case cases[] = {
        {Bytes().U8(23).str(), kNewest, 2108, "Unknown tool type"},
        {Bytes().U8(0x80).str(), kNewest, 2108, "Unknown tool type"},
        {Bytes().U8(0xFF).str(), kNewest, 2108, "Unknown tool type"},
        {Bytes().I32(-1).str(), 17, 2108, "Unknown tool type"},
        {Bytes().I32(23).str(), 17, 2108, "Unknown tool type"},
        {Bytes().U8(19).I32(1).U8(3).str(), kNewest, 2183, "Unknown solid definition type"},
        {Bytes().U8(19).I32(1).U8(0xFF).str(), kNewest, 2183, "Unknown solid definition type"},
        {Bytes().U8(22).Raw(revolvedHolder).I32(1).U8(7).str(), kNewest, 2183,
         "Unknown solid definition type"},
        {Bytes().U8(13).I32(1).F64(0.5).U8(3).str(), kNewest, 2184, "Unknown corner radius type"},
        {Bytes().U8(0).I32(1).F64(0.5).F64(1).U8(0xFF).str(), kNewest, 2184, "Unknown corner radius type"},
    };
    for (const Case& c : cases)
    {
        const auto e = Thrown<qzcadcamException>([&] { ReadTool(c.bytes, c.version); });
        ASSERT_TRUE(e) << c.message;
        EXPECT_EQ(c.code, e->GetErrorCode()) << c.message;
        EXPECT_EQ(c.message, e->GetErrorMessage());
    }
}

TEST(ToolCodecErrors, MeshIndicesBeyondThePointsAreRefused)
{
    const std::string bytes = Bytes()
                                  .U8(19)
                                  .I32(1)
                                  .U8(2)
                                  .I32(1)
                                  .Size(1)
                                  .F64(0)
                                  .F64(0)
                                  .F64(0)
                                  .Size(1)
                                  .U32(0)
                                  .U32(1)
                                  .U32(0)
                                  .F64(0)
                                  .F64(0)
                                  .F64(1)
                                  .str();
    const auto e = Thrown<misc::qzIdxRangeException<unsigned>>([&] { ReadTool(bytes); });
    ASSERT_TRUE(e);
    EXPECT_EQ("Index out of bounds. Max index accepted: 0, index given: 1.", e->GetErrorMessage());
}

TEST(ToolCodecErrors, ProfilesMustBeContours)
{
    EXPECT_EQ("Contour element expected",
              ErrorMessage([] { ReadTool(Bytes().U8(19).I32(1).U8(0).P2(1, 1).str()); }));
}

TEST(ToolCodecErrors, MissingPartsAreNullPointers)
{
    /// A reader whose part definitions come back empty.
    class NoParts : public qzBITools
    {
    public:
        using qzBITools::qzBITools;
        ToolPart ReadToolPartDefinition() override { return ToolPart(); }
    };
    const std::string holder = Bytes().I32(1).U8(0).U8(5).Size(0).str();
    for (const std::string& bytes :
         {Bytes().U8(22).Raw(holder + holder).str(), Bytes().U8(19).Raw(holder).str()})
    {
        misc::qzMemoryIOStream stream;
        Load(stream, bytes);
        NoParts reader(stream, kNewest);
        ToolPtr tool = misc::qzMakeAutoPointer<qzEndMill>();
        EXPECT_EQ("Accessing NULL pointer", ErrorMessage([&] { reader >> tool; }));
        EXPECT_EQ(qzTool::END_MILL, tool->GetToolType()); // untouched
    }
}

TEST(ToolCodecErrors, WriterRefusals)
{
    /// A host's own tool class that claims a known code, or none.
    class HostTool : public qzTool
    {
    public:
        explicit HostTool(toolType type) : m_type(type) {}
        toolType GetToolType() const override { return m_type; }
        void AcceptVisitor(qzToolBranchVisitor&) const override {}

    private:
        toolType m_type;
    };
    for (int type : {1, 19, 22, 23, -1})
    {
        const auto e =
            Thrown<qzcadcamException>([&] { WriteTool(HostTool(static_cast<qzTool::toolType>(type))); });
        ASSERT_TRUE(e) << type;
        EXPECT_EQ(2108u, e->GetErrorCode()) << type;
    }
    const auto noHolder = []
    { WriteTool(qzEndMill(1, 2, 3, ArborOf(Revolved()), nullptr, kShoulder, kInch)); };
    EXPECT_EQ("Accessing NULL pointer", ErrorMessage(noHolder));
    const auto noPart = [] { WriteTool(qzLatheTool(nullptr, HolderOf(Revolved()), kInch)); };
    EXPECT_EQ("Accessing NULL pointer", ErrorMessage(noPart));
    const auto noTool = []
    {
        misc::qzMemoryIOStream stream;
        qzBOTools(stream) << qzEnrichedTool();
    };
    EXPECT_EQ("Accessing NULL pointer", ErrorMessage(noTool));
    const auto abstractSolid = []
    {
        misc::qzMemoryIOStream stream;
        qzBOTools(stream) << qzSolidDefinition<double>();
    };
    EXPECT_EQ(2183u, Thrown<qzcadcamException>(abstractSolid)->GetErrorCode());
}

// ---------------------------------------------------------------------------------------------
// Short input

TEST(ToolCodecTruncation, EveryCutEndsInUnexpectedEndOfData)
{
    const auto tools = EveryTool();
    misc::qzMemoryIOStream full;
    qzBOTools(full) << qzEnrichedTool(tools[22], 3, "name", "comment");
    const std::string records[] = {WriteTool(*tools[1]), WriteTool(*tools[19]), Contents(full)};
    for (const std::string& bytes : records)
        for (std::size_t cut = 0; cut < bytes.size(); ++cut)
        {
            misc::qzMemoryIOStream stream;
            Load(stream, bytes.substr(0, cut));
            qzBITools reader(stream, kNewest);
            qzEnrichedTool target(tools[8], 1, "kept", "");
            EXPECT_EQ(2018u, MiscErrorCode(
                                 [&]
                                 {
                                     if (&bytes == &records[2])
                                         reader >> target;
                                     else
                                     {
                                         ToolPtr tool = target.GetTool();
                                         reader >> tool;
                                         target.SetTool(tool);
                                     }
                                 }))
                << "record " << (&bytes - records) << " cut at " << cut;
            EXPECT_EQ(qzTool::END_MILL, target.GetTool()->GetToolType());
            EXPECT_EQ("kept", target.GetName());
        }
}

TEST(ToolCodecTruncation, HugeCountsRunOutOfDataInsteadOfAllocating)
{
    const std::string head = Bytes().U8(19).I32(1).U8(2).I32(1).str();
    EXPECT_EQ(2018u, MiscErrorCode([&] { ReadTool(head + Bytes().Size(0x7FFFFFFF).F64(1).str()); }));
    EXPECT_EQ(2018u, MiscErrorCode([&] { ReadTool(head + Bytes().Size(0).Size(0xFFFFFFFF).str()); }));
    EXPECT_EQ(2018u, MiscErrorCode([&] { ReadTool(Bytes().U8(19).I32(1).U8(1).Size(0xFFFFFFFF).str()); }));
    EXPECT_EQ(
        2018u,
        MiscErrorCode(
            [&] { ReadTool(Bytes().U8(1).I32(1).F64(1).F64(2).F64(3).F64(4).Size(0xFFFFFFFF).str(), 30); }));
}
} // namespace

namespace
{
// ---------------------------------------------------------------------------------------------
// Seeds of the tool fuzz harness: run with --gtest_also_run_disabled_tests to rewrite the
// committed corpus. A seed is the harness's three leading bytes (flags with the record kind and
// default units, stored version - 3) and a record.

void WriteSeed(const std::string& name, unsigned kind, unsigned version, const std::string& record)
{
    const std::string folder = std::string(TESSAFORM_TEST_DATA) + "/../../fuzz/corpus/fuzz_tools/";
    const unsigned stored = version - 3;
    const std::string head = {static_cast<char>(0x40 | kind << 3), static_cast<char>(stored & 0xFF),
                              static_cast<char>(stored >> 8)};
    WriteFile(folder + name, head + record);
}

TEST(ToolCodecSeeds, DISABLED_WriteFuzzCorpus)
{
    const char* const names[] = {"bore_bar",
                                 "bull_mill",
                                 "chamfer_mill",
                                 "cntr_bore",
                                 "csink",
                                 "ctr_drill",
                                 "dove_mill",
                                 "drill",
                                 "end_mill",
                                 "face_mill",
                                 "lol_mill",
                                 "rad_mill",
                                 "reamer",
                                 "slot_mill",
                                 "spher_mill",
                                 "spot_drill",
                                 "taper_mill",
                                 "tap_lh",
                                 "tap_rh",
                                 "lathe_tool",
                                 "barrel_mill",
                                 "convex_tip_mill",
                                 "generic_revolved_tool"};
    const auto tools = EveryTool();
    for (std::size_t i = 0; i < tools.size(); ++i)
        WriteSeed(std::string(names[i]) + "_226", 0, kNewest, WriteTool(*tools[i]));
    misc::qzMemoryIOStream enriched;
    qzBOTools(enriched) << qzEnrichedTool(tools[1], 7, "bull", "six flutes");
    WriteSeed("enriched_226", 1, kNewest, Contents(enriched));
    WriteSeed("bull_mill_21", 0, 21, BullHead(21).F64(12).F64(80).F64(40).F64(60).str());
    WriteSeed("bull_mill_22", 0, 22, BullHead(22).F64(12).F64(80).Size(1).F64(40).F64(30).F64(50).str());
    WriteSeed("bull_mill_23", 0, 23, BullHead(23).Size(1).F64(12).F64(8).F64(30).Size(0).str());
    WriteSeed("end_mill_17", 0, 17, Bytes().I32(8).F64(1).F64(2).F64(3).F64(4).F64(5).F64(6).F64(7).str());
    const std::string contour = Bytes().U8(5).Size(2).U8(1).P2(0, 0).P2(5, 0).U8(1).P2(5, 0).P2(5, 9).str();
    WriteSeed("holder_47", 2, 47, Bytes().I32(1).Size(2).F64(10).F64(8).F64(5).F64(4).F64(4).F64(20).str());
    WriteSeed("holder_59", 2, 59, Bytes().I32(1).Raw(contour).str());
    WriteSeed("arbor_60", 3, 60, Bytes().I32(1).U8(0).Raw(contour).str());
    WriteSeed("part_extruded_226", 4, kNewest,
              Bytes().I32(1).U8(1).Size(1).Raw(contour).F64(1).F64(0).F64(0).F64(9).str());
    WriteSeed("shoulder_130", 5, 130, Bytes().F64(11).F64(22).str());
    WriteSeed("shoulder_131", 5, 131, Bytes().I32(2).F64(11).F64(22).str());
    Bytes taper;
    taper.U8(16).I32(1).F64(5).F64(0.5).U8(1).F64(10).F64(30).F64(80);
    taper.I32(1).U8(0).Raw(contour).I32(1).U8(0).U8(5).Size(0);
    WriteSeed("taper_mill_153", 0, 153, Shoulder(taper, 153).F64(14).F64(31).str());
    Bytes lollipop;
    lollipop.U8(10).I32(1).F64(6).F64(6).F64(75).I32(1).U8(0).U8(5).Size(0).I32(1).U8(0).U8(5).Size(0);
    WriteSeed("lol_mill_154", 0, 154, Shoulder(lollipop, 154).str());
}
} // namespace
