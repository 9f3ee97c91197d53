// The posted-move codecs: posted moves of every kind and version, their pooled lists, posted
// toolpaths with the alignment matrix, machine definitions of every version with the
// parallel-axis repair, the machine-definition builder and the machine extra parameters.
// Stored records are typed from the layout field by field (codec_test_support.h).
#include "paramformat/codec_test_support.h"

#include "brimlib/qzPostedVisitor.h"
#include "brimlib/qzTVector.h"
#include "paramformat/qzBIPostTypes.h"
#include "paramformat/qzBOPostTypes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
using codec_test::CadcamCode;
using codec_test::Le;
using codec_test::Point;
using codec_test::ReadRecord;
using measures::qzUnitsFactory;
using tessaform_test::ErrorMessage;
using tessaform_test::Thrown;
using Lost = std::vector<misc::qzBILostData>;

constexpr unsigned kNewest = 226;

template <class T> void ReadAt(misc::qzBinInputStream& stream, unsigned version, T& target, Lost* lost = nullptr)
{
    Lost own;
    post::qzBIPostTypes reader(stream, version, false, false, false, lost ? *lost : own);
    reader >> target;
}

template <class T> std::string Written(const T& value, bool shrink = false)
{
    misc::qzMemoryIOStream stream;
    post::qzBOPostTypes writer(stream, shrink);
    writer << value;
    return codec_test::Contents(stream);
}

// ---------------------------------------------------------------------------------------------
// Posted moves

/// The values of a posted-move record, distinct so that a swapped or skipped field shows.
struct Posted
{
    Point abs{1.5, 2.5, 3.5};
    Point part{-4.5, 5.5, -6.5};
    Point orient{0.0, 0.6, 0.8};
    double rot[3] = {11.25, -22.5, 33.75};
    int state = 2;
    double feed = 1250.5;
    bool rapid = true;
    bool reduced = false;
    int type = 4;
    double time = 0.125;
    bool surface = true;
    Point cp{7.5, 8.5, 9.5};
    Point cpOrient{0.0, 0.0, -1.0};
    unsigned id = 77;
    unsigned reference = 4242;
    bool addOn = true;
};

/// A posted move with `rotaries` rotary values stored at `version`, as the layout lists it.
Le PostedRecord(unsigned version, unsigned rotaries, const Posted& f)
{
    Le le;
    le.P3(f.abs).P3(f.part).P3(f.orient);
    for (unsigned i = 0; i < rotaries; ++i)
        le.F64(f.rot[i]);
    if (rotaries >= 2)
        le.I32(f.state);
    le.F64(f.feed).U8(f.rapid);
    if (version >= 191)
        le.U8(f.reduced);
    const bool reduced = version >= 191 && f.reduced;
    if (version >= 210 || (version >= 83 && !reduced))
        le.I32(f.type);
    if (version >= 41)
        le.F64(f.time);
    if (reduced)
        return le;
    if (version >= 92)
    {
        le.U8(f.surface);
        if (f.surface)
            le.P3(f.cp).P3(f.cpOrient).Size(f.id);
    }
    if (version >= 103)
        le.Size(f.reference).U8(f.addOn);
    return le;
}

/// What a move read from PostedRecord(version, ...) must hold.
template <class M> void ExpectPosted(const M& m, unsigned version, const Posted& f)
{
    const unsigned rotaries = m.GetNrOfRotaryAxes();
    const bool reduced = version >= 191 && f.reduced;
    EXPECT_EQ(m.GetAbsMachPos(), f.abs);
    EXPECT_EQ(m.GetPartPos(), f.part);
    EXPECT_EQ(m.GetOrientation(), f.orient);
    for (unsigned i = 0; i < rotaries; ++i)
    {
        EXPECT_EQ(m.GetRotVal(i), f.rot[i]) << "rotary " << i;
    }
    if constexpr (std::is_base_of_v<post::qzPostedAngledMove<2>, M> || std::is_base_of_v<post::qzPostedAngledMove<3>, M>)
    {
        EXPECT_EQ(m.GetAngleState(), f.state);
    }
    EXPECT_EQ(m.GetFeedrate(), f.feed);
    EXPECT_EQ(m.IsRapid(), f.rapid);
    const bool typed = version >= 210 || (version >= 83 && !reduced);
    EXPECT_EQ(m.GetMoveType(), typed ? f.type : post::qzPostedMove::CUT);
    EXPECT_EQ(m.GetTime(), version >= 41 ? f.time : 0.0);
    EXPECT_FALSE(m.IsShortPostedMove());
    const bool surface = !reduced && version >= 92 && f.surface;
    EXPECT_EQ(m.HasPotentialSurfaceData(), surface);
    if (surface)
    {
        EXPECT_EQ(m.GetPotentialSurfaceCP(), f.cp);
        EXPECT_EQ(m.GetPotentialSurfaceCPOrient(), f.cpOrient);
        EXPECT_EQ(m.GetPotentialSurfaceID(), f.id);
    }
    const bool referenced = !reduced && version >= 103;
    EXPECT_EQ(m.GetReferenceToOriginalToolpath(), referenced ? f.reference : 0u);
    EXPECT_EQ(m.WasAddOnPost(), referenced && f.addOn);
}

template <class M> void SetPosted(M& m, const Posted& f)
{
    m.SetAbsMachPos(f.abs);
    m.SetPartPos(f.part);
    m.SetOrientation(f.orient);
    for (unsigned i = 0; i < m.GetNrOfRotaryAxes(); ++i)
        m.SetRotVal(f.rot[i], i);
    if constexpr (std::is_base_of_v<post::qzPostedAngledMove<2>, M> || std::is_base_of_v<post::qzPostedAngledMove<3>, M>)
        m.SetAngleState(static_cast<post::qzAnglesState>(f.state));
    m.SetFeedrate(f.feed);
    m.SetRapid(f.rapid);
    m.SetMoveType(static_cast<post::qzPostedMove::Types>(f.type));
    m.SetTime(f.time);
    if (f.surface)
    {
        m.SetPotentialSurfaceCP(f.cp);
        m.SetPotentialSurfaceCPOrient(f.cpOrient);
        m.SetPotentialSurfaceID(f.id);
    }
    m.SetReferenceToOriginalToolpath(f.reference);
    m.SetWasAddOnPost(f.addOn);
}

TEST(PostCodecMove, ThreeAxisRecordTypedByteByByte)
{
    const std::string record = codec_test::Hex("00 00 00 00 00 00 F0 3F  00 00 00 00 00 00 00 40  00 00 00 00 00 00 08 40"
                                               "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
                                               "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 F0 3F"
                                               "00 00 00 00 00 00 59 40 | 01 | 00 | 05 00 00 00"
                                               "00 00 00 00 00 00 E0 3F | 00 | 07 00 00 00 | 01");
    post::qzPosted3axMove m;
    ReadRecord(record, [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, m); });
    EXPECT_EQ(m.GetAbsMachPos(), Point(1, 2, 3));
    EXPECT_EQ(m.GetOrientation(), Point(0, 0, 1));
    EXPECT_EQ(m.GetFeedrate(), 100.0);
    EXPECT_TRUE(m.IsRapid());
    EXPECT_EQ(m.GetMoveType(), post::qzPostedMove::RETRACT);
    EXPECT_EQ(m.GetTime(), 0.5);
    EXPECT_FALSE(m.HasPotentialSurfaceData());
    EXPECT_EQ(m.GetReferenceToOriginalToolpath(), 7u);
    EXPECT_TRUE(m.WasAddOnPost());
    EXPECT_EQ(Written(m), record);
}

TEST(PostCodecMove, EveryKindRoundTripsAndMatchesTheLayout)
{
    Posted f;
    post::qzPosted3axMove m3;
    post::qzPosted4axMove m4;
    post::qzPosted5axMove m5;
    post::qzPosted6axMove m6;
    SetPosted(m3, f);
    SetPosted(m4, f);
    SetPosted(m5, f);
    SetPosted(m6, f);
    EXPECT_EQ(Written(m3), PostedRecord(kNewest, 0, f).Bytes());
    EXPECT_EQ(Written(m4), PostedRecord(kNewest, 1, f).Bytes());
    EXPECT_EQ(Written(m5), PostedRecord(kNewest, 2, f).Bytes());
    EXPECT_EQ(Written(m6), PostedRecord(kNewest, 3, f).Bytes());
    // Through the base class the writer picks the record of the move's kind.
    EXPECT_EQ(Written(static_cast<const post::qzPostedMove&>(m6)), Written(m6));

    post::qzPosted3axMove r3;
    post::qzPosted4axMove r4;
    post::qzPosted5axMove r5;
    post::qzPosted6axMove r6;
    ReadRecord(Written(m3), [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, r3); });
    ReadRecord(Written(m4), [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, r4); });
    ReadRecord(Written(m5), [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, r5); });
    ReadRecord(Written(m6), [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, r6); });
    ExpectPosted(r3, kNewest, f);
    ExpectPosted(r4, kNewest, f);
    ExpectPosted(r5, kNewest, f);
    ExpectPosted(r6, kNewest, f);

    // Without surface data the flag is 0 and nothing of it follows.
    Posted plain;
    plain.surface = false;
    post::qzPosted5axMove bare;
    SetPosted(bare, plain);
    EXPECT_EQ(Written(bare), PostedRecord(kNewest, 2, plain).Bytes());
}

TEST(PostCodecMove, VersionGatesOnBothSides)
{
    struct Case
    {
        unsigned version;
        bool reduced;
    };
    // Each gate at N-1 and N: time 41, move type 83, surface 92, reference 103, reduced
    // record 191, move type in reduced records 210.
    const Case cases[] = {{40, false},  {41, false},  {82, false},  {83, false},  {91, false},  {92, false},
                          {102, false}, {103, false}, {190, true},  {191, false}, {191, true},  {209, true},
                          {210, true},  {210, false}, {225, true},  {226, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE("version " + std::to_string(c.version) + (c.reduced ? " reduced" : ""));
        Posted f;
        f.reduced = c.reduced;
        post::qzPosted5axMove m5(false);
        ReadRecord(PostedRecord(c.version, 2, f).Bytes(),
                   [&](misc::qzBinInputStream& s) { ReadAt(s, c.version, m5); });
        ExpectPosted(m5, c.version, f);
        post::qzPosted4axMove m4(false);
        ReadRecord(PostedRecord(c.version, 1, f).Bytes(),
                   [&](misc::qzBinInputStream& s) { ReadAt(s, c.version, m4); });
        ExpectPosted(m4, c.version, f);
    }
}

TEST(PostCodecMove, ReducedRecordClearsTheShortMark)
{
    Posted f;
    f.reduced = true;
    post::qzPosted6axMove m(true);
    ASSERT_TRUE(m.IsShortPostedMove());
    ReadRecord(PostedRecord(200, 3, f).Bytes(), [&](misc::qzBinInputStream& s) { ReadAt(s, 200, m); });
    EXPECT_FALSE(m.IsShortPostedMove());
    EXPECT_EQ(m.GetMoveType(), post::qzPostedMove::CUT);
}

TEST(PostCodecMove, EnumerationsOutsideTheirRangeAreRefused)
{
    struct Case
    {
        int type;
        int state;
        unsigned long error; // 0: accepted
    };
    const Case cases[] = {{6, 2, 0},     {0, 0, 0},        {7, 0, 2708}, {-1, 0, 2708},
                          {255, 0, 2708}, {0, 3, 2637},    {0, -1, 2637}, {0x7FFFFFFF, 1, 2708}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE("type " + std::to_string(c.type) + " state " + std::to_string(c.state));
        Posted f;
        f.type = c.type;
        f.state = c.state;
        const std::string record = PostedRecord(kNewest, 2, f).Bytes();
        post::qzPosted5axMove m;
        misc::qzMemoryIOStream stream;
        codec_test::Load(stream, record);
        if (c.error == 0)
        {
            ReadAt(stream, kNewest, m);
            EXPECT_EQ(m.GetMoveType(), c.type);
            EXPECT_EQ(m.GetAngleState(), c.state);
        }
        else
            EXPECT_EQ(CadcamCode([&] { ReadAt(stream, kNewest, m); }), c.error);
    }
}

// ---------------------------------------------------------------------------------------------
// Pooled lists

template <class M> struct PooledList
{
    misc::qzMemoryPool pool{misc::qzMemoryPoolList<M>::NodeSize, 16};
    misc::qzMemoryPoolList<M> list{&pool};
};

template <class M> void ListRoundTrip(unsigned rotaries, int kind)
{
    SCOPED_TRACE(kind);
    PooledList<M> source;
    Posted f;
    M first;
    SetPosted(first, f);
    Posted g;
    g.surface = false;
    g.feed = 99.0;
    M second;
    SetPosted(second, g);
    source.list.push_back(first);
    source.list.push_back(second);
    const std::string bytes = Written(source.list);
    EXPECT_EQ(bytes, Le().Size(2).I32(kind).Append(PostedRecord(kNewest, rotaries, f))
                         .Append(PostedRecord(kNewest, rotaries, g))
                         .Bytes());

    PooledList<M> target;
    target.list.push_back(M()); // reading appends
    ReadRecord(bytes, [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, target.list); });
    ASSERT_EQ(target.list.size(), 3u);
    auto position = ++target.list.begin();
    ExpectPosted(*position, kNewest, f);
    ExpectPosted(*++position, kNewest, g);
}

TEST(PostCodecList, EveryKindRoundTrips)
{
    ListRoundTrip<post::qzPosted3axMove>(0, 0);
    ListRoundTrip<post::qzPosted4axMove>(1, 1);
    ListRoundTrip<post::qzPosted5axMove>(2, 2);
    ListRoundTrip<post::qzPosted6axMove>(3, 3);
}

TEST(PostCodecList, VersionKindAndPoolAreChecked)
{
    const std::string moves = PostedRecord(119, 2, Posted()).Bytes();
    struct Case
    {
        unsigned version;
        int kind;
        bool pool;
        unsigned long error;
    };
    const Case cases[] = {{118, 2, true, 2027}, {119, 2, true, 0}, {119, 3, true, 2027},
                          {119, 1, true, 2027}, {119, -1, true, 2027}, {119, 2, false, 5047}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE("version " + std::to_string(c.version) + " kind " + std::to_string(c.kind));
        misc::qzMemoryPool pool(misc::qzMemoryPoolList<post::qzPosted5axMove>::NodeSize, 4);
        misc::qzMemoryPoolList<post::qzPosted5axMove> list(c.pool ? &pool : nullptr);
        const std::string record = Le().Size(1).I32(c.kind).Bytes() + moves;
        misc::qzMemoryIOStream stream;
        codec_test::Load(stream, record);
        if (c.error == 5047)
        {
            const auto e = Thrown<post::qzPostException>([&] { ReadAt(stream, c.version, list); });
            ASSERT_TRUE(e);
            EXPECT_EQ(e->GetErrorCode(), 5047u);
            EXPECT_EQ(e->GetErrorMessage(), "Posted-move memory pool missing");
        }
        else if (c.error)
            EXPECT_EQ(CadcamCode([&] { ReadAt(stream, c.version, list); }), c.error);
        else
        {
            ReadAt(stream, c.version, list);
            ASSERT_EQ(list.size(), 1u);
            ExpectPosted(*list.begin(), 119, Posted());
        }
        EXPECT_EQ(list.size(), c.error ? 0u : 1u);
    }
    // Below 119 the count is read before the refusal, and nothing more.
    misc::qzMemoryIOStream stream;
    codec_test::Load(stream, Le().Size(1).I32(2).Bytes());
    misc::qzMemoryPool pool(misc::qzMemoryPoolList<post::qzPosted5axMove>::NodeSize, 4);
    misc::qzMemoryPoolList<post::qzPosted5axMove> list(&pool);
    CadcamCode([&] { ReadAt(stream, 118, list); });
    EXPECT_EQ(stream.GetPosition(), 4u);
}

TEST(PostCodecList, HugeCountRunsOutOfDataWithoutAllocatingForIt)
{
    const std::string record = Le().Size(0x7FFFFFFFu).I32(0).Append(PostedRecord(kNewest, 0, Posted())).Bytes();
    PooledList<post::qzPosted3axMove> target;
    misc::qzMemoryIOStream stream;
    codec_test::Load(stream, record);
    EXPECT_EQ(tessaform_test::MiscErrorCode([&] { ReadAt(stream, kNewest, target.list); }), 2018u);
    EXPECT_EQ(target.list.size(), 1u);
    EXPECT_EQ(target.pool.GetBlockCount(), 1u);
}

// ---------------------------------------------------------------------------------------------
// Posted toolpaths

post::qzPostedTP::Matrix SampleMatrix()
{
    post::qzPostedTP::Matrix m;
    for (unsigned r = 0; r < 4; ++r)
        for (unsigned c = 0; c < 4; ++c)
            m[r][c] = 0.5 + r * 4 + c;
    return m;
}

Le MatrixRecord()
{
    Le le;
    le.Str("VALIDE");
    for (int i = 0; i < 16; ++i)
        le.F64(0.5 + i);
    return le;
}

TEST(PostCodecToolpath, RoundTripWithAndWithoutMatrix)
{
    Posted f;
    post::qzPostedTP tp;
    for (int i = 0; i < 3; ++i)
    {
        auto move = misc::qzMakeAutoPointer<post::qzPosted5axMove>();
        f.feed = 10.0 + i;
        SetPosted(*move, f);
        tp.PushBack(move);
    }
    tp.SetAlignMatrix(misc::qzAutoPointer<post::qzPostedTP::Matrix>(new post::qzPostedTP::Matrix(SampleMatrix())));
    Le expected;
    expected.Size(3).I32(2);
    for (int i = 0; i < 3; ++i)
    {
        f.feed = 10.0 + i;
        expected.Append(PostedRecord(kNewest, 2, f));
    }
    expected.Append(MatrixRecord());
    ASSERT_EQ(Written(tp), expected.Bytes());

    post::qzPostedTP read;
    ReadRecord(expected.Bytes(), [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, read); });
    ASSERT_EQ(read.GetSize(), 3u);
    int i = 0;
    for (const auto& move : read.GetMoves())
    {
        f.feed = 10.0 + i++;
        const auto* m5 = dynamic_cast<const post::qzPosted5axMove*>(move.Get());
        ASSERT_NE(m5, nullptr);
        ExpectPosted(*m5, kNewest, f);
    }
    ASSERT_TRUE(read.GetAlignMatrix());
    for (unsigned r = 0; r < 4; ++r)
        for (unsigned c = 0; c < 4; ++c)
            EXPECT_EQ((*read.GetAlignMatrix())[r][c], 0.5 + r * 4 + c);

    // An empty toolpath without a matrix: count, kind 0 and an empty marker.
    post::qzPostedTP empty;
    EXPECT_EQ(Written(empty), Le().Size(0).I32(0).Str("").Bytes());
    post::qzPostedTP readEmpty;
    readEmpty.SetAlignMatrix(misc::qzAutoPointer<post::qzPostedTP::Matrix>(new post::qzPostedTP::Matrix));
    ReadRecord(Written(empty), [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, readEmpty); });
    EXPECT_EQ(readEmpty.GetSize(), 0u);
    EXPECT_FALSE(readEmpty.GetAlignMatrix());
}

TEST(PostCodecToolpath, KindsPickTheMoveClass)
{
    struct Case
    {
        int kind;
        unsigned rotaries;
    };
    // 0 to 2 as listed; any other value six axes.
    const Case cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {7, 3}, {-1, 3}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.kind);
        const Le record = Le().Size(1).I32(c.kind).Append(PostedRecord(kNewest, c.rotaries, Posted())).Str("");
        post::qzPostedTP tp;
        ReadRecord(record.Bytes(), [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, tp); });
        ASSERT_EQ(tp.GetSize(), 1u);
        EXPECT_EQ(tp.GetMoves().front()->GetNrOfRotaryAxes(), c.rotaries);
        EXPECT_EQ(post::qzPostedVisitorMoveType::Of(*tp.GetMoves().front()), static_cast<int>(c.rotaries));
    }
}

TEST(PostCodecToolpath, AlignmentMatrixGates)
{
    const Le moves = Le().Size(1).I32(0).Append(PostedRecord(180, 0, Posted()));
    struct Case
    {
        unsigned version;
        Le tail;
        bool matrix;
    };
    const Case cases[] = {{180, Le(), false},
                          {181, MatrixRecord(), true},
                          {181, Le().Str("VALID"), false},
                          {181, Le().Str("valide"), false},
                          {181, Le().Str(""), false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.version);
        const std::string record = Le().Size(1).I32(0).Append(PostedRecord(c.version, 0, Posted())).Bytes() +
                                   c.tail.Bytes();
        post::qzPostedTP tp;
        tp.SetAlignMatrix(misc::qzAutoPointer<post::qzPostedTP::Matrix>(new post::qzPostedTP::Matrix));
        ReadRecord(record, [&](misc::qzBinInputStream& s) { ReadAt(s, c.version, tp); });
        EXPECT_EQ(static_cast<bool>(tp.GetAlignMatrix()), c.matrix);
        EXPECT_EQ(tp.GetSize(), 1u);
    }
    post::qzPostedTP old;
    misc::qzMemoryIOStream stream;
    codec_test::Load(stream, moves.Bytes());
    EXPECT_EQ(CadcamCode([&] { ReadAt(stream, 118, old); }), 2027u);
}

TEST(PostCodecToolpath, WriterRefusesNullAndMixedMoves)
{
    post::qzPostedTP withNull;
    withNull.PushBack(misc::qzMakeAutoPointer<post::qzPosted3axMove>());
    withNull.PushBack(misc::qzAutoPointer<post::qzPostedMove>());
    EXPECT_EQ(ErrorMessage([&] { Written(withNull); }), "Accessing NULL pointer");

    post::qzPostedTP mixed;
    mixed.PushBack(misc::qzMakeAutoPointer<post::qzPosted5axMove>());
    mixed.PushBack(misc::qzMakeAutoPointer<post::qzPosted6axMove>());
    misc::qzMemoryIOStream stream;
    post::qzBOPostTypes writer(stream, false);
    EXPECT_EQ(ErrorMessage([&] { writer << mixed; }), "Posted toolpath mixes move kinds");
    EXPECT_EQ(stream.GetDataLength(), 0u);

    // The input visitor needs a move to read into.
    misc::qzMemoryIOStream input;
    post::qzBIPostTypes reader(input, kNewest, false, false, false);
    misc::qzAutoPointer<post::qzPostedMove> none;
    EXPECT_EQ(ErrorMessage([&] { post::qzPostedVisitorBinInput(reader, none).Read(); }), "Accessing NULL pointer");
}

TEST(PostCodecToolpath, ShrunkDataAndPlainStreamsReadTheSame)
{
    Posted f;
    f.time = 0.1; // a float that reads back as 0.1 once rounded
    post::qzPostedTP tp;
    auto move = misc::qzMakeAutoPointer<post::qzPosted6axMove>();
    SetPosted(*move, f);
    tp.PushBack(move);
    tp.SetAlignMatrix(misc::qzAutoPointer<post::qzPostedTP::Matrix>(new post::qzPostedTP::Matrix(SampleMatrix())));

    // Shrunk: every F64 takes 4 bytes and every I32 and SIZE 2.
    const std::string shrunk = Written(tp, true);
    misc::qzMemoryIOStream stream;
    codec_test::Load(stream, shrunk);
    post::qzPostedTP read;
    post::qzBIPostTypes(stream, kNewest, true, false, false) >> read;
    EXPECT_EQ(stream.GetPosition(), shrunk.size());
    ASSERT_EQ(read.GetSize(), 1u);
    ExpectPosted(dynamic_cast<const post::qzPosted6axMove&>(*read.GetMoves().front()), kNewest, f);

    // A stream of another class goes through the general path: same values, same bytes.
    const std::string full = Written(tp);
    codec_test::PlainInput plain(full);
    post::qzPostedTP viaPlain;
    post::qzBIPostTypes(plain, kNewest, false, false, false) >> viaPlain;
    EXPECT_EQ(plain.Position(), full.size());
    ExpectPosted(dynamic_cast<const post::qzPosted6axMove&>(*viaPlain.GetMoves().front()), kNewest, f);
}

// ---------------------------------------------------------------------------------------------
// Machine definitions

/// The values of a stored machine definition.
struct Mach
{
    int units = 2;
    int axes = 2;
    int type = 1;
    Point spindle{0, 0, 1};
    Point dir[3] = {Point(1, 0, 0), Point(0, 1, 0), Point(0.6, 0.8, 0)};
    Point base[3] = {Point(1, 2, 3), Point(4, 5, 6), Point(7, 8, 9)};
    double min[2] = {-120.5, -30.25};
    double max[2] = {110.5, 95.75};
    double third = 12.5;
    int axisTypes[3] = {1, 0, 1};
    Point tmin{-500, -400, -300};
    Point tmax{500, 400, 300};
    Point tx{0, 1, 0};
    Point ty{-1, 0, 0};
    Point tz{0, 0, 1};
};

Le MachRecord(unsigned version, const Mach& f)
{
    Le le;
    if (version >= 25)
        le.I32(f.units);
    if (version >= 109)
        le.I32(f.axes);
    switch (version >= 109 ? f.axes : 2)
    {
    case 0:
        le.P3(f.spindle);
        break;
    case 1:
        le.I32(f.type).P3(f.spindle).P3(f.dir[0]).P3(f.base[0]).F64(f.min[0]).F64(f.max[0]);
        break;
    case 2:
        le.I32(f.type).P3(f.spindle).P3(f.dir[0]).P3(f.dir[1]).P3(f.base[0]).P3(f.base[1]);
        le.F64(f.min[0]).F64(f.min[1]).F64(f.max[0]).F64(f.max[1]);
        break;
    default:
        le.I32(f.type).P3(f.spindle).P3(f.dir[0]).P3(f.dir[1]).P3(f.dir[2]);
        le.P3(f.base[0]).P3(f.base[1]).P3(f.base[2]);
        le.F64(f.min[0]).F64(f.min[1]).F64(f.max[0]).F64(f.max[1]).F64(f.third);
        if (version >= 226)
            le.I32(f.axisTypes[0]).I32(f.axisTypes[1]).I32(f.axisTypes[2]);
        break;
    }
    if (version > 15)
        le.P3(f.tmin).P3(f.tmax);
    if (version >= 205)
        le.P3(f.tx).P3(f.ty).P3(f.tz);
    return le;
}

misc::qzAutoPointer<post::qzMachDef> ReadMach(unsigned version, const Mach& f, Lost* lost = nullptr)
{
    misc::qzAutoPointer<post::qzMachDef> m;
    ReadRecord(MachRecord(version, f).Bytes(), [&](misc::qzBinInputStream& s) { ReadAt(s, version, m, lost); });
    return m;
}

void ExpectCommon(const post::qzMachDef& m, unsigned version, const Mach& f)
{
    const double t = post::qzMachDef::LimitTranslation();
    EXPECT_EQ(m.GetUnits(), version >= 25 ? f.units : 1);
    EXPECT_EQ(m.GetSpindleDir(), f.spindle);
    EXPECT_EQ(m.GetTransAxisMinLimit(), version > 15 ? f.tmin : Point(-t, -t, -t));
    EXPECT_EQ(m.GetTransAxisMaxLimit(), version > 15 ? f.tmax : Point(t, t, t));
    EXPECT_EQ(m.GetTranslationX(), version >= 205 ? f.tx : Point(1, 0, 0));
    EXPECT_EQ(m.GetTranslationY(), version >= 205 ? f.ty : Point(0, 1, 0));
    EXPECT_EQ(m.GetTranslationZ(), version >= 205 ? f.tz : Point(0, 0, 1));
}

TEST(PostCodecMachDef, VersionGates)
{
    // Units 25, number of axes 109, translation limits 16, translation axes 205.
    for (unsigned version : {3u, 15u, 16u, 24u, 25u, 108u, 109u, 204u, 205u, 226u})
    {
        SCOPED_TRACE(version);
        Mach f;
        Lost lost;
        auto m = ReadMach(version, f, &lost);
        const auto* m5 = dynamic_cast<const post::qz5axMachDef*>(m.Get());
        ASSERT_NE(m5, nullptr);
        ExpectCommon(*m5, version, f);
        EXPECT_EQ(m5->GetMachType(), f.type);
        EXPECT_EQ(m5->GetRotAxisDir0(), f.dir[0]);
        EXPECT_EQ(m5->GetRotAxisDir1(), f.dir[1]);
        EXPECT_EQ(m5->GetRotAxisBasePt0(), f.base[0]);
        EXPECT_EQ(m5->GetRotAxisBasePt1(), f.base[1]);
        EXPECT_EQ(m5->GetRotAxisMinLimit0(), f.min[0]);
        EXPECT_EQ(m5->GetRotAxisMinLimit1(), f.min[1]);
        EXPECT_EQ(m5->GetRotAxisMaxLimit0(), f.max[0]);
        EXPECT_EQ(m5->GetRotAxisMaxLimit1(), f.max[1]);
        EXPECT_TRUE(lost.empty());
    }
    // Units below 25 are 1 whatever the reader's default units.
    misc::qzAutoPointer<post::qzMachDef> m;
    misc::qzMemoryIOStream stream;
    codec_test::Load(stream, MachRecord(24, Mach()).Bytes());
    post::qzBIPostTypes(stream, 24, false, false, false, qzUnitsFactory::INCH) >> m;
    EXPECT_EQ(m->GetUnits(), qzUnitsFactory::METRIC);
}

TEST(PostCodecMachDef, EveryNumberOfAxesBuildsItsVariant)
{
    struct Case
    {
        int axes;
        post::qzMachDef::NumbersOfAxes variant;
    };
    // Any number other than 0, 1 and 2 is six axes, so whatever the writer stores reads back.
    const Case cases[] = {{0, post::qzMachDef::THREE_AXES}, {1, post::qzMachDef::FOUR_AXES},
                          {2, post::qzMachDef::FIVE_AXES},  {3, post::qzMachDef::SIX_AXES},
                          {7, post::qzMachDef::SIX_AXES},   {-1, post::qzMachDef::SIX_AXES}};
    for (unsigned version : {109u, 226u})
        for (const Case& c : cases)
        {
            SCOPED_TRACE("version " + std::to_string(version) + " axes " + std::to_string(c.axes));
            Mach f;
            f.axes = c.axes;
            f.type = 3;
            auto m = ReadMach(version, f);
            ASSERT_EQ(m->GetNumberOfAxes(), c.variant);
            ExpectCommon(*m, version, f);
            if (const auto* m4 = dynamic_cast<const post::qz4axMachDef*>(m.Get()))
            {
                EXPECT_EQ(m4->GetMachType(), 3);
                EXPECT_EQ(m4->GetRotAxisDir(), f.dir[0]);
                EXPECT_EQ(m4->GetRotAxisBasePt(), f.base[0]);
                EXPECT_EQ(m4->GetRotAxisMinLimit(), f.min[0]);
                EXPECT_EQ(m4->GetRotAxisMaxLimit(), f.max[0]);
            }
            if (const auto* m6 = dynamic_cast<const post::qz6axMachDef*>(m.Get()))
            {
                EXPECT_EQ(m6->GetRotAxisDir2(), f.dir[2]);
                EXPECT_EQ(m6->GetRotAxisBasePt2(), f.base[2]);
                EXPECT_EQ(m6->GetRotAxisMaxLimit1(), f.max[1]);
                EXPECT_EQ(m6->GetThirdAngle(), f.third);
            }
        }
}

TEST(PostCodecMachDef, SixAxisTypesFromTheMachineTypeBefore226)
{
    struct Case
    {
        int type;
        int expected[3];
    };
    const Case cases[] = {{0, {0, 1, 1}}, {1, {0, 0, 1}}, {2, {0, 0, 0}}, {3, {1, 1, 1}}, {4, {0, 0, 0}}, {-1, {0, 0, 0}}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.type);
        Mach f;
        f.axes = 3;
        f.type = c.type;
        const auto old = ReadMach(225, f);
        const auto& m6 = dynamic_cast<const post::qz6axMachDef&>(*old);
        EXPECT_EQ(m6.GetFirstAxisType(), c.expected[0]);
        EXPECT_EQ(m6.GetSecondAxisType(), c.expected[1]);
        EXPECT_EQ(m6.GetThirdAxisType(), c.expected[2]);
        // From 226 they are stored, whatever the machine type.
        const auto stored = ReadMach(226, f);
        const auto& n6 = dynamic_cast<const post::qz6axMachDef&>(*stored);
        EXPECT_EQ(n6.GetFirstAxisType(), f.axisTypes[0]);
        EXPECT_EQ(n6.GetSecondAxisType(), f.axisTypes[1]);
        EXPECT_EQ(n6.GetThirdAxisType(), f.axisTypes[2]);
    }
}

TEST(PostCodecMachDef, ParallelSecondAxisIsRepairedAndReported)
{
    Lost lost{misc::qzBILostData("Earlier", 1)}; // entries are appended, never cleared

    // Spindle parallel to rotary direction 1 only: the two directions are exchanged.
    Mach swap;
    swap.dir[0] = Point(1, 0, 0);
    swap.dir[1] = Point(0, 0, -2);
    auto a = ReadMach(kNewest, swap, &lost);
    const auto& a5 = dynamic_cast<const post::qz5axMachDef&>(*a);
    EXPECT_EQ(a5.GetRotAxisDir0(), Point(0, 0, -2));
    EXPECT_EQ(a5.GetRotAxisDir1(), Point(1, 0, 0));
    EXPECT_EQ(a5.GetRotAxisBasePt0(), swap.base[0]); // only the directions move

    // Parallel to both: direction 1 becomes the first vector of a basis around it, whatever
    // its length.
    Mach basis;
    basis.spindle = Point(0, 3, 4);
    basis.dir[0] = Point(0, -0.6, -0.8);
    basis.dir[1] = Point(0, 6, 8);
    auto b = ReadMach(kNewest, basis, &lost);
    const auto& b5 = dynamic_cast<const post::qz5axMachDef&>(*b);
    mathdef::qzTVector3<double> u, v, w(0, 0.6, 0.8);
    mathdef::qzTVector3<double>::GenerateOrthonormalBasis(u, v, w);
    const Point d1 = b5.GetRotAxisDir1();
    EXPECT_NEAR(d1.x(), u.X(), 1e-15);
    EXPECT_NEAR(d1.y(), u.Y(), 1e-15);
    EXPECT_NEAR(d1.z(), u.Z(), 1e-15);
    EXPECT_NEAR(d1.x() * d1.x() + d1.y() * d1.y() + d1.z() * d1.z(), 1.0, 1e-12);
    EXPECT_NEAR(d1.y() * 0.6 + d1.z() * 0.8, 0.0, 1e-12);
    EXPECT_EQ(b5.GetRotAxisDir0(), basis.dir[0]);

    // Not parallel: nothing changes, nothing is reported.
    auto c = ReadMach(kNewest, Mach(), &lost);
    EXPECT_EQ(dynamic_cast<const post::qz5axMachDef&>(*c).GetRotAxisDir1(), Mach().dir[1]);

    ASSERT_EQ(lost.size(), 3u);
    EXPECT_EQ(lost[1], misc::qzBILostData("BinLostData", 5));
    EXPECT_EQ(lost[2], misc::qzBILostData("BinLostData", 6));

    // A zero second direction parallel to everything has no basis: refused, not invented.
    Mach zero;
    zero.dir[0] = Point(0, 0, 1);
    zero.dir[1] = Point(0, 0, 0);
    misc::qzMemoryIOStream stream;
    codec_test::Load(stream, MachRecord(kNewest, zero).Bytes());
    misc::qzAutoPointer<post::qzMachDef> m;
    EXPECT_EQ(ErrorMessage([&] { ReadAt(stream, kNewest, m); }), "Cannot normalize a zero vector");
}

TEST(PostCodecMachDef, EveryVariantRoundTrips)
{
    post::qz3axMachDef m3(qzUnitsFactory::INCH);
    m3.SetSpindleDir(Point(0, 1, 0));
    post::qz4axMachDef m4;
    m4.SetMachType(post::qz4axMachDef::ROTARY_HEAD);
    m4.SetRotAxisDir(Point(0, 0, 1));
    m4.SetRotAxisMinLimit(-5.5);
    post::qz5axMachDef m5;
    m5.SetRotAxisBasePt1(Point(1, 2, 3));
    m5.SetTranslationY(Point(0, -1, 0));
    post::qz6axMachDef m6;
    m6.SetThirdAngle(33.0);
    m6.SetSecondAxisType(post::qz6axMachDef::TABLE);
    const post::qzMachDef* all[] = {&m3, &m4, &m5, &m6};
    for (const post::qzMachDef* source : all)
    {
        SCOPED_TRACE(source->GetNumberOfAxes());
        const std::string bytes = Written(*source);
        misc::qzAutoPointer<post::qzMachDef> read;
        ReadRecord(bytes, [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, read); });
        EXPECT_EQ(read->GetNumberOfAxes(), source->GetNumberOfAxes());
        EXPECT_EQ(Written(*read), bytes);
    }
}

TEST(PostCodecMachDef, BuilderFactoryFrom144)
{
    const Le tail = Le().Str("B-C");
    for (unsigned version : {143u, 144u})
    {
        SCOPED_TRACE(version);
        Le record = MachRecord(version, Mach()).Append(tail);
        if (version >= 144)
            record.I32(1);
        post::qzMachDefBuilder builder;
        ReadRecord(record.Bytes(), [&](misc::qzBinInputStream& s) { ReadAt(s, version, builder); });
        ASSERT_TRUE(builder.GetMachDef());
        EXPECT_EQ(builder.GetMachDef()->GetNumberOfAxes(), post::qzMachDef::FIVE_AXES);
        EXPECT_EQ(builder.GetAxisName(), "B-C");
        EXPECT_EQ(builder.GetMachDefFactory(), version >= 144 ? 1 : 2);
    }

    post::qzMachDefBuilder source;
    auto m6 = misc::qzMakeAutoPointer<post::qz6axMachDef>(qzUnitsFactory::INCH);
    m6->SetThirdAngle(-7.5);
    source.SetMachDef(m6);
    source.SetAxisName("A-B-C");
    source.SetMachDefFactory(post::qzMachDefBuilder::USER_DEFINED_FACTORY);
    const std::string bytes = Written(source);
    EXPECT_EQ(bytes, Written(*m6) + Le().Str("A-B-C").I32(0).Bytes());
    post::qzMachDefBuilder read;
    ReadRecord(bytes, [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, read); });
    EXPECT_EQ(read.GetAxisName(), "A-B-C");
    EXPECT_EQ(read.GetMachDefFactory(), post::qzMachDefBuilder::USER_DEFINED_FACTORY);
    EXPECT_EQ(dynamic_cast<const post::qz6axMachDef&>(*read.GetMachDef()).GetThirdAngle(), -7.5);

    EXPECT_EQ(ErrorMessage([] { Written(post::qzMachDefBuilder()); }), "Accessing NULL pointer");
}

// ---------------------------------------------------------------------------------------------
// Machine extra parameters

/// Stored values of the extra parameters, in the older forms too.
struct Mxp
{
    int units = 2;
    unsigned char unitsByte = 1;
    bool autoPairs = false;
    bool otherPair = true;
    double changeLimit = 12.5;
    double step = 0.25;
    double dist = 0.75;
    bool distFlag = true;
    double retract = 3.5;
    double poleTol = 1.25;
    int limits = 2;
    bool limitsFlag = true;
    double tolLimits = 0.002;
    int startType = 1;
    int solution = 1;
    double preferred = 45.0;
    bool rapidInterp = true;
    int pole = 1;
    bool poleA = false;
    bool poleB = true;
    bool alignment = true;
    int interpolation = 1;
    bool retractMax = true;
};

Le MxpRecord(unsigned v, const Mxp& s)
{
    Le le;
    if (v >= 25)
        le.I32(s.units);
    else
        le.U8(s.unitsByte);
    le.U8(s.autoPairs).U8(s.otherPair).F64(s.changeLimit).F64(s.step).F64(s.dist).U8(s.distFlag).F64(s.retract);
    if (v >= 16)
        le.F64(s.poleTol);
    if (v >= 185)
        le.I32(s.limits);
    else if (v >= 16)
        le.U8(s.limitsFlag);
    if (v >= 55)
        le.F64(s.tolLimits).I32(s.startType).I32(s.solution).F64(s.preferred);
    if (v >= 100)
        le.U8(s.rapidInterp);
    if (v >= 165)
        le.I32(s.pole);
    else if (v >= 162)
        le.U8(s.poleA).U8(s.poleB);
    else if (v >= 156)
        le.U8(s.poleA);
    if (v >= 181)
        le.U8(s.alignment);
    if (v >= 220)
        le.I32(s.interpolation).U8(s.retractMax);
    return le;
}

void ExpectMxp(const post::qzMXPParam& p, unsigned v, const Mxp& s)
{
    EXPECT_EQ(p.GetUnits(), v >= 25 ? s.units : (s.unitsByte == 1 ? 1 : 2));
    EXPECT_EQ(p.GetAngleSelectAutoFrom2Pairs(), s.autoPairs);
    EXPECT_EQ(p.GetAngleSelectOtherPair(), s.otherPair);
    EXPECT_EQ(p.GetAngleChangeLimit(), s.changeLimit);
    EXPECT_EQ(p.GetInterpolationStep(), s.step);
    EXPECT_EQ(p.GetInterpolationDist(), s.dist);
    EXPECT_EQ(p.GetInterpolationDistFlag(), s.distFlag);
    EXPECT_EQ(p.GetRetractDistForLargeAngChange(), s.retract);
    EXPECT_EQ(p.GetPoleAngleTolInDeg(), v >= 16 ? s.poleTol : 0.57);
    EXPECT_EQ(p.GetMachineLimits(), v >= 185 ? s.limits : (v >= 16 && s.limitsFlag ? 3 : 0));
    EXPECT_EQ(p.GetAngleTolInDegForUsingMachLimits(), v >= 55 ? s.tolLimits : 0.0001);
    EXPECT_EQ(p.GetStartAngleType(), v >= 55 ? s.startType : 0);
    EXPECT_EQ(p.GetSolutionForStartAngle(), v >= 55 ? s.solution : 0);
    EXPECT_EQ(p.GetPreferredStartAngleValInDeg(), v >= 55 ? s.preferred : 0.0);
    EXPECT_EQ(p.GetInterpolationRapidMoves(), v >= 100 && s.rapidInterp);
    const int pole = v >= 165 ? s.pole : v >= 162 ? (s.poleA || s.poleB ? 2 : 0) : v >= 156 ? (s.poleA ? 1 : 0) : 0;
    EXPECT_EQ(p.GetPoleHandling(), pole);
    EXPECT_EQ(p.GetToolpathAlignment(), v >= 181 && s.alignment);
    EXPECT_EQ(p.GetInterpolation(), v >= 220 ? s.interpolation : 0);
    EXPECT_EQ(p.GetRetractToolAtMax(), v >= 220 && s.retractMax);
}

void ReadMxpCase(unsigned version, const Mxp& s)
{
    misc::qzAutoPointer<post::qzMXPParam> p;
    ReadRecord(MxpRecord(version, s).Bytes(), [&](misc::qzBinInputStream& in) { ReadAt(in, version, p); });
    ASSERT_TRUE(p);
    ExpectMxp(*p, version, s);
}

TEST(PostCodecMXP, EveryVersionRuleAtItsBoundary)
{
    for (unsigned version : {3u, 15u, 16u, 24u, 25u, 54u, 55u, 99u, 100u, 155u, 156u, 161u, 162u, 164u, 165u, 180u,
                             181u, 184u, 185u, 219u, 220u, 226u})
    {
        SCOPED_TRACE(version);
        ReadMxpCase(version, Mxp());
    }
}

TEST(PostCodecMXP, OlderFormsConvert)
{
    struct Case
    {
        unsigned version;
        std::function<void(Mxp&)> set;
    };
    const Case cases[] = {
        {24, [](Mxp& s) { s.unitsByte = 0; }},      {24, [](Mxp& s) { s.unitsByte = 2; }},
        {24, [](Mxp& s) { s.unitsByte = 1; }},      {100, [](Mxp& s) { s.limitsFlag = false; }},
        {184, [](Mxp& s) { s.limitsFlag = true; }}, {156, [](Mxp& s) { s.poleA = false; }},
        {161, [](Mxp& s) { s.poleA = true; }},      {162, [](Mxp& s) { s.poleA = s.poleB = false; }},
        {163, [](Mxp& s) { s.poleA = true, s.poleB = false; }},
        {164, [](Mxp& s) { s.poleA = true, s.poleB = true; }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.version);
        Mxp s;
        c.set(s);
        ReadMxpCase(c.version, s);
    }
    // Units below 25: a metric flag, so any byte other than 1 is inches.
    Mxp two;
    two.unitsByte = 2;
    misc::qzAutoPointer<post::qzMXPParam> p;
    misc::qzMemoryIOStream stream;
    codec_test::Load(stream, MxpRecord(24, two).Bytes());
    ReadAt(stream, 24, p);
    EXPECT_EQ(p->GetUnits(), qzUnitsFactory::INCH);
}

TEST(PostCodecMXP, RoundTripsAndMatchesTheLayout)
{
    post::qzMXPParam p(qzUnitsFactory::INCH);
    p.SetAngleSelectAutoFrom2Pairs(false);
    p.SetAngleSelectOtherPair(true);
    p.SetAngleChangeLimit(12.5);
    p.SetInterpolationStep(0.25);
    p.SetInterpolationDist(0.75);
    p.SetInterpolationDistFlag(true);
    p.SetRetractDistForLargeAngChange(3.5);
    p.SetPoleAngleTolInDeg(1.25);
    p.SetMachineLimits(post::qzMXPParam::ROTATION_LIMITS);
    p.SetAngleTolInDegForUsingMachLimits(0.002);
    p.SetStartAngleType(post::qzMXPParam::PREFERRED_START_ANGLE);
    p.SetSolutionForStartAngle(post::qzMXPParam::SECOND_SOLUTION);
    p.SetPreferredStartAngleValInDeg(45.0);
    p.SetInterpolationRapidMoves(true);
    p.SetPoleHandling(post::qzMXPParam::KEEP_ROTARY_ANGLE);
    p.SetToolpathAlignment(true);
    p.SetInterpolation(post::qzMXPParam::VECTOR_INTERPOLATION);
    p.SetRetractToolAtMax(true);
    const std::string bytes = Written(p);
    EXPECT_EQ(bytes, MxpRecord(kNewest, Mxp()).Bytes());
    misc::qzAutoPointer<post::qzMXPParam> read;
    ReadRecord(bytes, [&](misc::qzBinInputStream& in) { ReadAt(in, kNewest, read); });
    ExpectMxp(*read, kNewest, Mxp());
}

// ---------------------------------------------------------------------------------------------
// Short data

TEST(PostCodecTruncation, EveryCutEndsInEndOfData)
{
    Posted f;
    using codec_test::ExpectTruncationFails;
    {
        SCOPED_TRACE("posted move");
        post::qzPosted6axMove m;
        ExpectTruncationFails(PostedRecord(kNewest, 3, f).Bytes(),
                              [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, m); });
    }
    {
        SCOPED_TRACE("list");
        PooledList<post::qzPosted4axMove> target;
        ExpectTruncationFails(Le().Size(2).I32(1).Append(PostedRecord(kNewest, 1, f)).Append(PostedRecord(kNewest, 1, f)).Bytes(),
                              [&](misc::qzBinInputStream& s) { ReadAt(s, kNewest, target.list); });
    }
    {
        SCOPED_TRACE("toolpath");
        ExpectTruncationFails(Le().Size(1).I32(2).Append(PostedRecord(kNewest, 2, f)).Append(MatrixRecord()).Bytes(),
                              [&](misc::qzBinInputStream& s) {
                                  post::qzPostedTP tp;
                                  ReadAt(s, kNewest, tp);
                              });
    }
    for (int axes : {0, 1, 2, 3})
    {
        SCOPED_TRACE("machine definition " + std::to_string(axes));
        Mach m;
        m.axes = axes;
        ExpectTruncationFails(MachRecord(kNewest, m).Append(Le().Str("AB").I32(2)).Bytes(),
                              [&](misc::qzBinInputStream& s) {
                                  post::qzMachDefBuilder builder;
                                  ReadAt(s, kNewest, builder);
                              });
    }
    {
        SCOPED_TRACE("extra parameters");
        ExpectTruncationFails(MxpRecord(kNewest, Mxp()).Bytes(), [&](misc::qzBinInputStream& s) {
            misc::qzAutoPointer<post::qzMXPParam> p;
            ReadAt(s, kNewest, p);
        });
    }
}
} // namespace
