// The node pool, the lists built on it, and the enriched posted moves kept in such lists.
#include "toolpath/toolpath.h"

#include "foundation/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <thread>
#include <vector>

namespace
{
using misc::qzMemoryPool;
using tessaform_test::ErrorMessage;
using tessaform_test::Thrown;

// Counts live instances; construction may be made to fail.
struct Tracked
{
    inline static int alive = 0;
    explicit Tracked(int v, bool fail = false) : value(v)
    {
        if (fail)
            throw std::runtime_error("refused");
        ++alive;
    }
    Tracked(const Tracked& other) : value(other.value) { ++alive; }
    ~Tracked() { --alive; }
    int value;
};
using TrackedList = misc::qzMemoryPoolList<Tracked>;

std::vector<int> Values(const TrackedList& list)
{
    std::vector<int> values;
    for (const Tracked& t : list)
        values.push_back(t.value);
    return values;
}

std::vector<float> Axes(const qzEnrichedPostedMove& move)
{
    return std::vector<float>(move.GetAxesBegin(), move.GetAxesEnd());
}

template <class F> unsigned long CadcamCode(F&& f)
{
    const auto e = Thrown<qzcadcamException>(f);
    return e ? e->GetErrorCode() : 0;
}

TEST(MemoryPool, RequestsUpToTheNodeSizeOnly)
{
    qzMemoryPool pool(64, 4);
    EXPECT_EQ(ErrorMessage([&] { pool.Alloc(65); }), "Allocation request size too big");
    EXPECT_NE(pool.Alloc(64), nullptr);
    qzMemoryPool noRoom(64, 0);
    EXPECT_EQ(ErrorMessage([&] { noRoom.Alloc(8); }), "qzMemoryPool::Alloc: Node allocation failed");
}

TEST(MemoryPool, BlocksHandOutAlignedNodesInAddressOrder)
{
    for (std::uint32_t size : {16u, 24u, 40u, 152u})
    {
        SCOPED_TRACE(size);
        qzMemoryPool pool(size, 4);
        std::vector<std::uintptr_t> nodes;
        for (int i = 0; i < 5; ++i)
        {
            EXPECT_EQ(pool.GetBlockCount(), i == 0 ? 0u : 1u);
            nodes.push_back(reinterpret_cast<std::uintptr_t>(pool.Alloc(size)));
            EXPECT_EQ(nodes.back() % 16, 0u) << "node " << i;
            if (i > 0 && i < 4)
            {
                EXPECT_GE(nodes[i], nodes[i - 1] + size) << "node " << i;
            }
        }
        EXPECT_EQ(pool.GetBlockCount(), 2u);
        EXPECT_TRUE(nodes[4] < nodes[0] || nodes[4] >= nodes[3] + size);
    }
}

TEST(MemoryPool, ResetHandsTheSameNodesOutAgainWithoutNewBlocks)
{
    qzMemoryPool pool(32, 2);
    pool.Reset(); // nothing made yet
    std::vector<void*> first;
    for (int i = 0; i < 5; ++i)
        first.push_back(pool.Alloc(32));
    pool.Reset();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(pool.Alloc(32), first[i]) << "node " << i;
    EXPECT_EQ(pool.GetBlockCount(), 3u);
    pool.Alloc(32); // the last block's second node
    pool.Alloc(32);
    EXPECT_EQ(pool.GetBlockCount(), 4u);
}

TEST(MemoryPool, ConcurrentAllocationsNeverOverlap)
{
    constexpr std::uint64_t perThread = 100000;
    qzMemoryPool pool(16, 1000);
    std::vector<std::uint64_t*> nodes[2];
    auto fill = [&](std::uint64_t t) {
        for (std::uint64_t i = 0; i < perThread; ++i)
        {
            nodes[t].push_back(static_cast<std::uint64_t*>(pool.Alloc(16)));
            nodes[t].back()[0] = t << 32 | i;
            nodes[t].back()[1] = ~(t << 32 | i);
        }
    };
    std::thread first(fill, 0), second(fill, 1);
    first.join();
    second.join();
    std::size_t overwritten = 0;
    for (std::uint64_t t = 0; t < 2; ++t)
        for (std::uint64_t i = 0; i < perThread; ++i)
            overwritten += nodes[t][i][0] != (t << 32 | i) || nodes[t][i][1] != ~(t << 32 | i);
    EXPECT_EQ(overwritten, 0u);
    nodes[0].insert(nodes[0].end(), nodes[1].begin(), nodes[1].end());
    std::sort(nodes[0].begin(), nodes[0].end());
    EXPECT_EQ(std::adjacent_find(nodes[0].begin(), nodes[0].end()), nodes[0].end());
    EXPECT_EQ(pool.GetBlockCount(), 200u);
}

TEST(MemoryPoolList, WalksBothWaysFailedInsertionChangesNothingAndValuesDieWithTheList)
{
    Tracked::alive = 0;
    qzMemoryPool pool(TrackedList::NodeSize, 2); // the lists span several blocks
    {
        TrackedList list(&pool);
        EXPECT_TRUE(list.begin() == list.end());
        EXPECT_EQ(ErrorMessage([&] { list.front(); }), "Accessing NULL pointer");
        EXPECT_EQ(ErrorMessage([&] { list.back(); }), "Accessing NULL pointer");
        list.emplace_back(1);
        EXPECT_EQ(list.front().value, 1);
        EXPECT_EQ(&list.front(), &list.back());
        list.emplace_back(2);
        EXPECT_EQ(list.front().value, 1);
        EXPECT_EQ(list.back().value, 2);
        EXPECT_THROW(list.emplace_back(3, true), std::runtime_error);
        EXPECT_EQ(list.size(), 2u);
        list.emplace_back(4);
        EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 4}));
        std::vector<int> backward;
        for (auto it = list.end(); it != list.begin();)
            backward.push_back((--it)->value);
        EXPECT_EQ(backward, (std::vector<int>{4, 2, 1}));
        TrackedList copy(list);
        EXPECT_EQ(Tracked::alive, 6);
        copy.clear();
        EXPECT_EQ(Tracked::alive, 3);
        EXPECT_TRUE(copy.begin() == copy.end());
    }
    EXPECT_EQ(Tracked::alive, 0);

    qzMemoryPool tooSmall(TrackedList::NodeSize - 1, 8);
    TrackedList cramped(&tooSmall);
    EXPECT_EQ(ErrorMessage([&] { cramped.push_back(Tracked(5)); }), "Allocation request size too big");
    EXPECT_TRUE(cramped.empty());
}

TEST(EnrichedPostedMove, AxesValuesAreZeroedThenOverwrittenInPlaceOrResized)
{
    qzEnrichedPostedMove move;
    move.SetAxesValues(3, nullptr);
    EXPECT_EQ(Axes(move), (std::vector<float>{0, 0, 0}));
    const float* array = move.GetAxesValuesPtr();
    const float values[] = {1.5f, -2.0f, 3.25f};
    move.SetAxesValues(3, values);
    EXPECT_EQ(move.GetAxesValuesPtr(), array);
    EXPECT_EQ(Axes(move), (std::vector<float>{1.5f, -2.0f, 3.25f}));
    move.SetAxesValues(std::vector<float>{7, 8});
    EXPECT_EQ(Axes(move), (std::vector<float>{7, 8}));
    EXPECT_THROW(move.SetAxesValues(std::vector<float>{}), std::out_of_range);
    EXPECT_EQ(move.GetNrOfAxes(), 2u);

    // Keeping the first axes: the source is the array the call replaces, so it must be read
    // before that array is released.
    move.SetAxesValues(std::vector<float>{5, 6, 9, 10, 11, 12});
    move.SetAxesValues(2, move.GetAxesValuesPtr());
    EXPECT_EQ(Axes(move), (std::vector<float>{5, 6}));

    move.SetAxesComment("tilt B");
    EXPECT_EQ(move.GetAxesComment(), "tilt B");
    move.SetAxesComment("");
    EXPECT_EQ(move.GetAxesComment(), "");
}

TEST(EnrichedPostedMove, AxisIndexAndCountLimits)
{
    qzEnrichedPostedMove move(2);
    move[1] = 4.0f;
    EXPECT_EQ(move.GetAxesValue(1), 4.0f);
    EXPECT_EQ(CadcamCode([&] { move[2]; }), 2052u);
    EXPECT_EQ(CadcamCode([&] { static_cast<const qzEnrichedPostedMove&>(move)[2]; }), 2052u);

    const float* array = move.GetAxesValuesPtr();
    std::vector<float> many(65536, 1.0f);
    EXPECT_EQ(CadcamCode([&] { move.SetAxesValues(65536, many.data()); }), 2052u);
    EXPECT_EQ(CadcamCode([&] { move.SetAxesValues(many); }), 2052u);
    EXPECT_EQ(move.GetAxesValuesPtr(), array);
    EXPECT_EQ(Axes(move), (std::vector<float>{0, 4}));
    many.pop_back();
    move.SetAxesValues(many);
    EXPECT_EQ(move.GetNrOfAxes(), 65535u);
}

TEST(EnrichedPostedMove, CopiesAreDeepWithEitherAllocator)
{
    qzHeapAllocator heap;
    for (qzHeapAllocator* allocator : {static_cast<qzHeapAllocator*>(nullptr), &heap})
    {
        SCOPED_TRACE(allocator ? "heap" : "free store");
        qzEnrichedPostedMove move(3, allocator);
        move[0] = 1.0f;
        move.SetAxesComment("note");
        qzEnrichedPostedMove copy(move), assigned(1);
        assigned = move;
        EXPECT_TRUE(copy == move);
        EXPECT_TRUE(assigned == move);
        copy[0] = 9.0f;
        copy.SetAxesComment("other");
        move.SetAxesValues(5, nullptr);
        EXPECT_EQ(move.GetAxesComment(), "note");
        EXPECT_EQ(Axes(move), (std::vector<float>(5, 0.0f)));
        EXPECT_EQ(Axes(assigned), (std::vector<float>{1, 0, 0}));
    }
}

TEST(EnrichedPostedTP, MovesInOrderAndCopiesOfItsOwn)
{
    cadcam::qzEnrichedPostedTP tp;
    EXPECT_TRUE(tp.IsEmpty());
    for (int i = 0; i < 5000; ++i) // beyond one pool block
    {
        qzEnrichedPostedMove move(1);
        move.SetFeedrate(static_cast<float>(i));
        tp.push_back(move);
    }
    EXPECT_EQ(tp.GetSize(), 5000u);
    EXPECT_FALSE(tp.IsEmpty());
    int expected = 0, outOfOrder = 0;
    for (auto it = tp.GetMovesBegin(); it != tp.GetMovesEnd(); ++it)
        outOfOrder += it->GetFeedrate() != static_cast<float>(expected++);
    EXPECT_EQ(outOfOrder, 0);

    cadcam::qzEnrichedPostedTP copy(tp);
    copy.push_back(qzEnrichedPostedMove(1));
    (*copy.GetMovesBegin())[0] = 5.0f;
    EXPECT_EQ(tp.GetSize(), 5000u);
    EXPECT_EQ(tp.GetMovesBegin()->GetAxesValue(0), 0.0f);
    tp = copy;
    EXPECT_EQ(tp.GetSize(), 5001u);
    EXPECT_EQ(tp.GetMovesBegin()->GetAxesValue(0), 5.0f);
}
} // namespace
