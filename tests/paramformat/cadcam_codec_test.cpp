// The move codecs of the cadcam reader and writer: moves of every version and kind, toolpaths,
// enriched posted moves and their toolpaths. Stored records are typed from the layout field by
// field (codec_test_support.h).
#include "paramformat/codec_test_support.h"

#include "paramformat/qzBICadcamTypes.h"
#include "paramformat/qzBOCadcamTypes.h"
#include "paramformat/qzBOTools.h"
#include "brimlib/qzTypedTools.h"
#include "toolpath/qzEnrichedPostedMove.h"
#include "toolpath/qzToolPath.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <vector>

namespace
{
using cadcam::qz3axMove;
using cadcam::qz5axMove;
using cadcam::qzCNCMove;
using codec_test::CadcamCode;
using codec_test::Le;
using codec_test::Point;
using codec_test::ReadRecord;
using measures::qzUnitsFactory;
using misc::qzAutoPointer;
using tessaform_test::ErrorMessage;
using tessaform_test::MiscErrorCode;

constexpr unsigned kNewest = 226;

template <class T> void ReadAt(misc::qzBinInputStream& stream, unsigned version, T& target)
{
    cadcam::qzBICadcamTypes2 reader(stream, version, false, false, false);
    reader >> target;
}

template <class T> std::string Written(const T& value)
{
    misc::qzMemoryIOStream stream;
    cadcam::qzBOCadcamTypes writer(stream, false);
    writer << value;
    return codec_test::Contents(stream);
}

// ---------------------------------------------------------------------------------------------
// Moves

/// The values of a stored move, distinct so that a swapped or skipped field shows.
struct Stored
{
    int kind = 1;
    Point position{1.5, -2.5, 3.5};
    double feed = 250.5;
    bool rapid = true;
    int dropped = -9;
    int state = 2;
    Point orientation{0.0, 0.6, 0.8};
    double parameter = 0.375;
    bool surface = true;
    Point cp{4.5, 5.5, 6.5};
    Point cpOrientation{0.0, 0.0, -1.0};
    unsigned id = 12;
};

Le Enum(Le& le, unsigned version, int value)
{
    return version < 18 ? le.I32(value) : le.U8(static_cast<unsigned>(value) & 0xFF);
}

/// A move (kind code and record) stored at `version`, as the layout lists it.
Le MoveRecord(unsigned v, const Stored& f)
{
    Le le;
    if (v <= 6)
    {
        le.I32(f.kind).P3(f.position).P3(f.orientation).F64(f.feed).U8(f.rapid).I32(f.dropped).I32(f.state);
        return le;
    }
    Enum(le, v, f.kind);
    le.P3(f.position).F64(f.feed).U8(f.rapid);
    if (v < 80)
        le.I32(f.dropped);
    Enum(le, v, f.state);
    le.P3(f.orientation);
    if (v >= 175)
        le.F64(f.parameter);
    if (f.kind == 1)
    {
        le.U8(f.surface);
        if (f.surface)
        {
            le.P3(f.cp).P3(f.cpOrientation);
            if (v >= 91)
                le.Size(f.id);
        }
    }
    return le;
}

void ExpectMove(const qzAutoPointer<qzCNCMove>& move, unsigned v, const Stored& f)
{
    ASSERT_TRUE(move);
    const qzCNCMove& read = *move;
    EXPECT_EQ(typeid(read), f.kind == 1 ? typeid(qz5axMove) : typeid(qz3axMove));
    EXPECT_EQ(move->GetPosition(), f.position);
    EXPECT_EQ(move->GetOrientation(), f.orientation);
    EXPECT_EQ(move->GetFeedRate(), f.feed);
    EXPECT_EQ(move->IsRapidMove(), f.rapid);
    EXPECT_EQ(move->GetCollisionState(), f.state);
    EXPECT_EQ(move->GetParameterizationAgainstOriginalPath(), v >= 175 ? f.parameter : 0.0);
    if (const auto* five = dynamic_cast<const qz5axMove*>(move.Get()))
    {
        const bool surface = v > 6 && f.surface;
        EXPECT_EQ(five->HasPotentialSurfaceData(), surface);
        if (surface)
        {
            EXPECT_EQ(five->GetPotentialSurfaceCP(), f.cp);
            EXPECT_EQ(five->GetPotentialSurfaceCPOrient(), f.cpOrientation);
            EXPECT_EQ(five->GetPotentialSurfaceID(), v >= 91 ? f.id : 0u);
        }
    }
}

qzAutoPointer<qzCNCMove> MoveOf(const Stored& f)
{
    qzAutoPointer<qzCNCMove> move;
    if (f.kind == 1)
    {
        auto five = misc::qzMakeAutoPointer<qz5axMove>(f.position, f.orientation);
        if (f.surface)
        {
            five->SetPotentialSurfaceCP(f.cp);
            five->SetPotentialSurfaceCPOrient(f.cpOrientation);
            five->SetPotentialSurfaceID(f.id);
        }
        move = five;
    }
    else
        move = misc::qzMakeAutoPointer<qz3axMove>(f.position, f.orientation);
    move->SetFeedRate(f.feed);
    move->SetRapidMove(f.rapid);
    move->SetCollisionState(static_cast<qzCNCMove::collState>(f.state));
    move->SetParameterizationAgainstOriginalPath(f.parameter);
    return move;
}

TEST(CadcamCodecMove, ThreeAxisRecordTypedByteByByte)
{
    const std::string record = codec_test::Hex("02 | 00 00 00 00 00 00 F0 3F  00 00 00 00 00 00 00 40  00 00 00 00 00 00 08 40"
                                               "00 00 00 00 00 00 59 40 | 01 | 01"
                                               "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 F0 3F"
                                               "00 00 00 00 00 00 E0 3F");
    qzAutoPointer<qzCNCMove> move;
    ReadRecord(record, [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, move); });
    ASSERT_TRUE(move.DynamicCast<qz3axMove>());
    EXPECT_EQ(move->GetPosition(), Point(1, 2, 3));
    EXPECT_EQ(move->GetFeedRate(), 100.0);
    EXPECT_TRUE(move->IsRapidMove());
    EXPECT_EQ(move->GetCollisionState(), qzCNCMove::NO_COLLISION);
    EXPECT_EQ(move->GetOrientation(), Point(0, 0, 1));
    EXPECT_EQ(move->GetParameterizationAgainstOriginalPath(), 0.5);
    EXPECT_EQ(Written(move), record);
}

TEST(CadcamCodecMove, VersionGatesOfBothKinds)
{
    // The layout changes at 7; enumerations widen below 18; the dropped int goes at 80; the
    // surface identifier comes at 91 and the parameterization at 175.
    for (unsigned version : {3u, 6u, 7u, 17u, 18u, 79u, 80u, 90u, 91u, 174u, 175u, 226u})
        for (int kind : {1, 2})
            for (bool surface : {true, false})
            {
                SCOPED_TRACE("version " + std::to_string(version) + " kind " + std::to_string(kind) +
                             (surface ? " with surface" : ""));
                Stored f;
                f.kind = kind;
                f.surface = surface;
                qzAutoPointer<qzCNCMove> move;
                ReadRecord(MoveRecord(version, f).Bytes(),
                           [&](misc::qzBinInputStream& s) { ReadAt(s, version, move); });
                ExpectMove(move, version, f);
            }
}

TEST(CadcamCodecMove, RecordsOfAKnownKindHaveNoKindCode)
{
    Stored f;
    const std::string full = MoveRecord(kNewest, f).Bytes();
    qz5axMove five;
    ReadRecord(full.substr(1), [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, five); });
    EXPECT_EQ(five, *MoveOf(f).DynamicCast<qz5axMove>());
    EXPECT_EQ(Written(five), full.substr(1));

    // The base record alone stops before the surface flag, in the old layout too.
    f.kind = 2;
    for (unsigned version : {5u, kNewest})
    {
        const std::string base = MoveRecord(version, f).Bytes().substr(version <= 6 ? 4 : 1);
        qzCNCMove plain;
        ReadRecord(base, [&](misc::qzBinInputStream& s) { ReadAt(s, version, plain); });
        EXPECT_EQ(plain.GetFeedRate(), f.feed);
    }
    EXPECT_EQ(Written(static_cast<const qzCNCMove&>(*MoveOf(f))), MoveRecord(kNewest, f).Bytes().substr(1));
}

TEST(CadcamCodecMove, UnknownKindsAreRefused)
{
    for (unsigned version : {5u, 17u, 18u, kNewest})
        for (int kind : {0, 3, -1, 255})
        {
            SCOPED_TRACE("version " + std::to_string(version) + " kind " + std::to_string(kind));
            Stored f;
            f.kind = kind;
            misc::qzMemoryIOStream stream;
            codec_test::Load(stream, MoveRecord(version, f).Bytes());
            qzAutoPointer<qzCNCMove> move;
            EXPECT_EQ(CadcamCode([&] { ReadAt(stream, version, move); }), 2637u);
            EXPECT_FALSE(move);
        }
    // A bare move has no kind to store.
    EXPECT_EQ(CadcamCode([] { Written(misc::qzMakeAutoPointer<qzCNCMove>()); }), 2637u);
    EXPECT_EQ(ErrorMessage([] { Written(qzAutoPointer<qzCNCMove>()); }), "Accessing NULL pointer");
}

// ---------------------------------------------------------------------------------------------
// Toolpaths

TEST(CadcamCodecToolpath, RoundTripFlattensTheMovesInOrder)
{
    Stored a, b, c;
    b.kind = 2;
    b.feed = 10.0;
    c.surface = false;
    c.position = Point(9, 9, 9);
    cadcam::qzToolPath tp(qzUnitsFactory::INCH);
    auto first = misc::qzMakeAutoPointer<cadcam::qzTPPass>();
    first->PushBackMove(MoveOf(a));
    first->PushBackMove(MoveOf(b));
    auto second = misc::qzMakeAutoPointer<cadcam::qzTPPass>();
    second->PushBackMove(MoveOf(c));
    tp.PushBack(first);
    tp.PushBack(second);

    const std::string bytes = Written(tp);
    EXPECT_EQ(bytes, Le().I32(2).Size(3).Append(MoveRecord(kNewest, a)).Append(MoveRecord(kNewest, b))
                         .Append(MoveRecord(kNewest, c))
                         .Bytes());

    cadcam::qzToolPath read(qzUnitsFactory::METRIC);
    ReadRecord(bytes, [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, read); });
    EXPECT_EQ(read.GetUnits(), qzUnitsFactory::INCH);
    EXPECT_EQ(read.GetPassesCount(), 1u);
    ASSERT_EQ(read.GetMovesCount(), 3u);
    auto position = read.GetMovesBegin();
    ExpectMove(*position, kNewest, a);
    ExpectMove(*++position, kNewest, b);
    ExpectMove(*++position, kNewest, c);
    EXPECT_TRUE(read == tp);
}

TEST(CadcamCodecToolpath, BadToolpaths)
{
    // A null move cannot be written; the bytes before it stay.
    cadcam::qzToolPath withNull;
    withNull.PushBackMove(MoveOf(Stored()));
    withNull.PushBackMove(qzAutoPointer<qzCNCMove>());
    EXPECT_EQ(ErrorMessage([&] { Written(withNull); }), "Accessing NULL pointer");

    // A derived reader that delivers no move stops the toolpath.
    struct NoMoves : cadcam::qzBICadcamTypes2
    {
        using cadcam::qzBICadcamTypes2::qzBICadcamTypes2;
        using cadcam::qzBICadcamTypes2::operator>>;
        misc::qzBinInputStream& operator>>(qzAutoPointer<qzCNCMove>& move) override
        {
            move.Reset();
            return GetStream();
        }
    };
    misc::qzMemoryIOStream twoMoves;
    codec_test::Load(twoMoves, Le().I32(1).Size(2).Bytes());
    cadcam::qzToolPath none;
    EXPECT_EQ(ErrorMessage([&] { NoMoves(twoMoves, kNewest, false, false, false) >> none; }), "Accessing NULL pointer");

    // A count far beyond the data reads what there is and runs out.
    misc::qzMemoryIOStream stream;
    codec_test::Load(stream, Le().I32(1).Size(0x7FFFFFFFu).Append(MoveRecord(kNewest, Stored())).Bytes());
    cadcam::qzToolPath tp;
    EXPECT_EQ(MiscErrorCode([&] { ReadAt(stream, kNewest, tp); }), 2018u);
    EXPECT_EQ(tp.GetMovesCount(), 1u);
}

// ---------------------------------------------------------------------------------------------
// Enriched posted moves

struct Enriched
{
    std::vector<double> values{0.1, -2.5, 1e3};
    std::string comment = "A=12 C=-3";
    bool rapid = true;
    float feed = 1500.5f;
    float spindle = 12000.0f;
    float time = 0.25f;
    int type = 5;
};

Le EnrichedRecord(unsigned v, const Enriched& e)
{
    Le le;
    le.U32(e.values.size());
    for (double value : e.values)
        v >= 133 ? le.F32(static_cast<float>(value)) : le.F64(value);
    le.Str(e.comment).U8(e.rapid).F32(e.feed).F32(e.spindle).F32(e.time);
    if (v > 203)
        le.U8(e.type);
    return le;
}

void ExpectEnriched(const qzEnrichedPostedMove& m, unsigned v, const Enriched& e)
{
    ASSERT_EQ(m.GetNrOfAxes(), e.values.size());
    for (unsigned i = 0; i < e.values.size(); ++i)
        EXPECT_EQ(m.GetAxesValue(i), static_cast<float>(e.values[i])) << "axis " << i;
    EXPECT_EQ(m.GetAxesComment(), e.comment);
    EXPECT_EQ(m.IsRapid(), e.rapid);
    EXPECT_EQ(m.GetFeedrate(), e.feed);
    EXPECT_EQ(m.GetSpindleSpeed(), e.spindle);
    EXPECT_EQ(m.GetTime(), e.time);
    EXPECT_EQ(m.GetMoveType(), v > 203 ? e.type : qzEnrichedPostedMove::UNDEFINED);
}

TEST(CadcamCodecEnriched, VersionGates)
{
    // Axis values are doubles narrowed to float below 133; the move type is stored above 203.
    for (unsigned version : {17u, 132u, 133u, 203u, 204u, 226u})
    {
        SCOPED_TRACE(version);
        Enriched e;
        qzEnrichedPostedMove m(7);
        ReadRecord(EnrichedRecord(version, e).Bytes(), [&](misc::qzBinInputStream& s) { ReadAt(s, version, m); });
        ExpectEnriched(m, version, e);
    }
}

TEST(CadcamCodecEnriched, AxisCountsBeyond16BitsAreRefusedBeforeAnyValue)
{
    for (unsigned long long count : {65536ull, 0x80000000ull, 0xFFFFFFFFull})
    {
        SCOPED_TRACE(count);
        misc::qzMemoryIOStream stream;
        codec_test::Load(stream, Le().U32(count).F32(1.0f).F32(2.0f).Bytes());
        qzEnrichedPostedMove m(2);
        EXPECT_EQ(CadcamCode([&] { ReadAt(stream, kNewest, m); }), 2052u);
        EXPECT_EQ(stream.GetPosition(), 4u);
        EXPECT_EQ(m.GetNrOfAxes(), 2u);
    }
    // The largest count is accepted and reads its values until the data runs out.
    misc::qzMemoryIOStream stream;
    codec_test::Load(stream, Le().U32(65535).F32(1.0f).Bytes());
    qzEnrichedPostedMove m;
    EXPECT_EQ(MiscErrorCode([&] { ReadAt(stream, kNewest, m); }), 2018u);

    Enriched wide;
    wide.values.assign(65535, 0.5);
    wide.comment.clear();
    ReadRecord(EnrichedRecord(kNewest, wide).Bytes(), [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, m); });
    ExpectEnriched(m, kNewest, wide);
}

TEST(CadcamCodecEnriched, ToolpathRoundTrip)
{
    cadcam::qzEnrichedPostedTP tp;
    std::vector<Enriched> stored(3);
    stored[1].values.clear();
    stored[1].comment.clear();
    stored[2].type = 8;
    stored[2].rapid = false;
    Le expected;
    expected.Size(3);
    for (Enriched& e : stored)
    {
        for (double& value : e.values)
            value = static_cast<float>(value); // the writer stores floats
        std::vector<float> values(e.values.begin(), e.values.end());
        qzEnrichedPostedMove m(static_cast<unsigned>(values.size()));
        if (!values.empty())
            m.SetAxesValues(values);
        m.SetAxesComment(e.comment);
        m.SetIsRapid(e.rapid);
        m.SetFeedrate(e.feed);
        m.SetSpindleSpeed(e.spindle);
        m.SetTime(e.time);
        m.SetMoveType(static_cast<qzEnrichedPostedMove::Types>(e.type));
        tp.push_back(m);
        expected.Append(EnrichedRecord(kNewest, e));
    }
    ASSERT_EQ(Written(tp), expected.Bytes());
    cadcam::qzEnrichedPostedTP read;
    ReadRecord(expected.Bytes(), [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, read); });
    ASSERT_EQ(read.GetSize(), 3u);
    auto position = read.GetMovesBegin();
    for (const Enriched& e : stored)
        ExpectEnriched(*position++, kNewest, e);
}

TEST(CadcamCodecEnriched, ToolsGoThroughTheToolCodecWithTheReadersSettings)
{
    const cadcam::qzShoulderExtender shoulder(qzUnitsFactory::INCH, 0.5, 2);
    const auto arbor = cadcam::qzToolHelper<double>::CreateArborAsCylinder(1, 2, qzUnitsFactory::INCH);
    const auto holder = cadcam::qzToolHelper<double>::CreateHolderAsCylinder(2, 3, qzUnitsFactory::INCH);
    const cadcam::qzEnrichedTool stored(
        qzAutoPointer<cadcam::qzTool>(new cadcam::qzEndMill(0.5, 1, 3, arbor, holder, shoulder, qzUnitsFactory::INCH)),
        12, "end mill 1/2", "inch");
    misc::qzMemoryIOStream stream;
    cadcam::qzBOCadcamTypes(stream, false) << stored;
    const std::string written(static_cast<const char*>(stream.GetBuffer()), stream.GetDataLength());
    misc::qzMemoryIOStream direct;
    cadcam::qzBOTools(direct) << stored;
    EXPECT_EQ(written, std::string(static_cast<const char*>(direct.GetBuffer()), direct.GetDataLength()));

    cadcam::qzEnrichedTool read;
    ReadRecord(written, [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, read); });
    ASSERT_TRUE(read.GetTool());
    EXPECT_EQ(read.GetTool()->GetToolType(), cadcam::qzTool::END_MILL);
    EXPECT_EQ(read.GetTool()->GetUnits(), qzUnitsFactory::INCH);
    EXPECT_EQ(read.GetNumber(), 12);
    EXPECT_EQ(read.GetName(), "end mill 1/2");

    // A tool stored before its units field takes the reader's default units; none gives 2139.
    misc::qzMemoryIOStream old;
    old.Write("\x08", 1); // an end mill at version 24: the type code, then (missing) units
    old.Rewind(0);
    cadcam::qzBICadcamTypes2 withoutUnits(old, 24, false, false, false, qzUnitsFactory::NONE);
    const auto e = tessaform_test::Thrown<qzcadcamException>([&] { withoutUnits >> read; });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->GetErrorCode(), 2139u);
}

TEST(CadcamCodecTruncation, EveryCutEndsInEndOfData)
{
    using codec_test::ExpectTruncationFails;
    for (unsigned version : {6u, kNewest})
    {
        SCOPED_TRACE(version);
        ExpectTruncationFails(MoveRecord(version, Stored()).Bytes(), [&](misc::qzBinInputStream& s) {
            qzAutoPointer<qzCNCMove> move;
            ReadAt(s, version, move);
        });
    }
    Stored three;
    three.kind = 2;
    ExpectTruncationFails(Le().I32(1).Size(2).Append(MoveRecord(kNewest, Stored())).Append(MoveRecord(kNewest, three)).Bytes(),
                          [&](misc::qzBinInputStream& s) {
                              cadcam::qzToolPath tp;
                              ReadAt(s, kNewest, tp);
                          });
    ExpectTruncationFails(Le().Size(1).Append(EnrichedRecord(kNewest, Enriched())).Bytes(),
                          [&](misc::qzBinInputStream& s) {
                              cadcam::qzEnrichedPostedTP tp;
                              ReadAt(s, kNewest, tp);
                          });
}
} // namespace
