// Toolpath trees: flat iteration across passes, slices and sections, levels made on demand,
// sharing between copies, link queries, collisions, unit scaling and equality.
#include "toolpath/toolpath.h"

#include "foundation/test_support.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace
{
using namespace cadcam;
using measures::qzUnitsFactory;
using misc::qzAutoPointer;
using misc::qzMakeAutoPointer;
using tessaform_test::ErrorMessage;
using tessaform_test::Thrown;
using Point = qzCNCMove::Point;
using Xs = std::vector<double>;

qzAutoPointer<qzCNCMove> At(double x, qzCNCMove::collState state = qzCNCMove::NOT_CHECKED)
{
    qzAutoPointer<qzCNCMove> move = qzMakeAutoPointer<qz3axMove>(Point(x, 0.0, 0.0), Point(0.0, 0.0, 1.0));
    move->SetCollisionState(state);
    return move;
}

// The x of every move in iteration order.
template <class C> Xs XsOf(const C& moves)
{
    Xs xs;
    for (auto it = moves.GetMovesBegin(); it != moves.GetMovesEnd(); ++it)
        xs.push_back((*it)->GetPosition().x());
    return xs;
}

template <class Level> qzAutoPointer<Level> Holding(std::initializer_list<double> xs)
{
    auto level = qzMakeAutoPointer<Level>();
    for (double x : xs)
        level->PushBackMove(At(x));
    return level;
}

// Every level exists, but no move.
qzAutoPointer<qzTPPass> HollowPass()
{
    auto pass = qzMakeAutoPointer<qzTPPass>();
    pass->PushBack(qzMakeAutoPointer<qzTPSlice>());
    (*pass->GetSlicesBegin())->PushBack(qzMakeAutoPointer<qzTPContour>());
    return pass;
}

template <class F> unsigned long CadcamCode(F&& f)
{
    const auto e = Thrown<qzcadcamException>(f);
    return e ? e->GetErrorCode() : 0;
}

TEST(ToolpathIteration, SkipsEmptyLevelsAndCountsAllMoves)
{
    qzToolPath tp;
    tp.PushBack(HollowPass());
    EXPECT_TRUE(tp.IsEmpty());
    EXPECT_TRUE(tp.GetMovesBegin() == tp.GetMovesEnd());
    tp.PushBack(Holding<qzTPPass>({1, 2}));
    tp.PushBack(HollowPass());
    tp.PushBack(Holding<qzTPPass>({3}));
    EXPECT_EQ(XsOf(tp), (Xs{1, 2, 3}));
    EXPECT_EQ(tp.GetMovesCount(), 3u);
    EXPECT_FALSE(tp.IsEmpty());
}

TEST(ToolpathIteration, NullLevelsAreReported)
{
    qzToolPath tp;
    tp.PushBack(Holding<qzTPPass>({1}));
    tp.PushBack(qzAutoPointer<qzTPPass>());
    EXPECT_EQ(ErrorMessage([&] { tp.GetMovesCount(); }), "Accessing NULL pointer");
    auto it = tp.GetMovesBegin();
    EXPECT_EQ(ErrorMessage([&] { ++it; }), "Accessing NULL pointer");

    // A bare collection has no level that could make room for a move.
    misc::qzCollectionOfContainers<qzSectionList> bare;
    EXPECT_EQ(tessaform_test::MiscErrorCode([&] { bare.push_back(At(1)); }), 5503u);
    EXPECT_EQ(tessaform_test::MiscErrorCode([&] { bare.push_front(At(1)); }), 5503u);
}

TEST(ToolpathInsert, FirstMoveCreatesPassSliceAndContour)
{
    qzToolPath tp;
    tp.PushBackMove(At(1));
    tp.PushBackMove(At(2));
    ASSERT_EQ(tp.GetPassesCount(), 1u);
    const qzTPPass& pass = **tp.GetPassesBegin();
    ASSERT_EQ(pass.GetSlicesCount(), 1u);
    const qzTPSlice& slice = **pass.GetSlicesBegin();
    ASSERT_EQ(slice.GetSectionsCount(), 1u);
    const qzTPSection& section = **slice.GetSectionsBegin();
    EXPECT_NE(dynamic_cast<const qzTPContour*>(&section), nullptr);
    EXPECT_FALSE(qzToolPath::IsALink(section));
    EXPECT_EQ(XsOf(section), (Xs{1, 2}));
}

TEST(ToolpathInsert, FrontEndAndMiddle)
{
    qzToolPath tp;
    auto hollow = HollowPass();
    auto filled = Holding<qzTPPass>({2});
    tp.PushBack(hollow);
    tp.PushBack(filled);
    tp.PushFrontMove(At(1));
    EXPECT_TRUE(hollow->IsEmpty());
    EXPECT_EQ(XsOf(*filled), (Xs{1, 2}));

    auto contour = Holding<qzTPContour>({3});
    auto link = qzMakeAutoPointer<qzTPLink>(qzTPLink::LEAD_OUT);
    tp.PushBack(qzMakeAutoPointer<qzTPSlice>());
    tp.PushBack(contour);
    tp.PushBack(link);
    auto end = tp.GetMovesEnd();
    auto placed = tp.InsertMove(end, At(4));
    EXPECT_EQ((*placed)->GetPosition().x(), 4.0);
    EXPECT_EQ(XsOf(*link), (Xs{4}));

    auto third = tp.GetMovesBegin();
    ++third;
    ++third;
    placed = tp.InsertMove(third, At(2.5));
    EXPECT_EQ((*placed)->GetPosition().x(), 2.5);
    EXPECT_EQ(XsOf(*contour), (Xs{2.5, 3}));
    EXPECT_EQ(XsOf(tp), (Xs{1, 2, 2.5, 3, 4}));
}

TEST(ToolpathSharing, CopiesShareTheirPassesNotTheList)
{
    qzToolPath source;
    source.PushBackMove(At(1));
    qzToolPath copy(source);
    copy.PushBackMove(At(2));
    qzToolPath assigned(qzUnitsFactory::INCH);
    assigned = source;
    EXPECT_EQ(assigned.GetUnits(), qzUnitsFactory::METRIC);
    assigned.PushFrontMove(At(0));
    EXPECT_EQ(XsOf(source), (Xs{0, 1, 2}));

    copy.PushBack(Holding<qzTPPass>({9}));
    EXPECT_EQ(source.GetPassesCount(), 1u);
    qzToolPath empty;
    qzToolPath fromEmpty(empty);
    fromEmpty.PushBackMove(At(1));
    EXPECT_EQ(empty.GetPassesCount(), 0u);
}

TEST(ToolpathPasses, InsertEraseAndClearOnlyReleaseReferences)
{
    qzToolPath tp;
    auto p1 = Holding<qzTPPass>({1}), p2 = Holding<qzTPPass>({2}), p3 = Holding<qzTPPass>({3});
    tp.PushBack(p1);
    tp.PushBack(p3);
    auto at = std::next(tp.GetPassesBegin());
    EXPECT_EQ(tp.Insert(at, p2)->Get(), p2.Get());
    tp.PushFront(Holding<qzTPPass>({0}));
    EXPECT_EQ(XsOf(tp), (Xs{0, 1, 2, 3}));

    auto after = tp.ErasePasses(std::next(tp.GetPassesBegin()), std::next(tp.GetPassesBegin(), 3));
    EXPECT_EQ(after->Get(), p3.Get());
    EXPECT_EQ(XsOf(tp), (Xs{0, 3}));
    EXPECT_EQ(p1.GetRefCount(), 1u);
    EXPECT_EQ(XsOf(*p1), (Xs{1}));
    tp.Clear();
    EXPECT_EQ(tp.GetPassesCount(), 0u);
    EXPECT_EQ(p3.GetRefCount(), 1u);
}

TEST(ToolpathLinks, SectionKindOfAMove)
{
    // Neither a contour nor a link.
    class OddSection : public qzTPSection
    {
        void AssureSpace4Move() override {}
    };
    qzToolPath tp;
    tp.PushBack(Holding<qzTPLink>({1}));
    tp.PushBack(Holding<qzTPContour>({2}));
    tp.PushBack(Holding<OddSection>({3}));
    auto it = tp.GetMovesBegin();
    EXPECT_TRUE(tp.IsPartOfALink(it));
    EXPECT_EQ(tp.GetLinkType(it), qzTPLink::BETWEEN_SLICES);
    ++it;
    EXPECT_FALSE(tp.IsPartOfALink(it));
    EXPECT_EQ(CadcamCode([&] { tp.GetLinkType(it); }), 2640u);
    ++it;
    EXPECT_EQ(CadcamCode([&] { tp.IsPartOfALink(it); }), 2639u);
    EXPECT_EQ(CadcamCode([&] { tp.GetLinkType(it); }), 2639u);
    EXPECT_EQ(ErrorMessage([&] { tp.IsPartOfALink(tp.GetMovesEnd()); }), "Accessing NULL pointer");
}

TEST(ToolpathCollisions, OnlyCollisionStateTwoCounts)
{
    qzToolPath tp;
    EXPECT_FALSE(tp.Collide());
    EXPECT_EQ(tp.CountCollisions(), 0u);
    tp.PushBackMove(At(1, qzCNCMove::NO_COLLISION));
    EXPECT_FALSE(tp.Collide());
    tp.PushBackMove(At(2, qzCNCMove::COLLISION));
    tp.PushBack(Holding<qzTPPass>({3}));
    tp.PushBackMove(At(4, qzCNCMove::COLLISION));
    EXPECT_TRUE(tp.Collide());
    EXPECT_EQ(tp.CountCollisions(), 2u);
}

TEST(ToolpathUnits, ConversionScalesPositionsOnly)
{
    qzToolPath tp;
    auto five = qzMakeAutoPointer<qz5axMove>(Point(25.4, 50.8, -2.54), Point(0.0, 0.6, 0.8));
    tp.PushBackMove(At(-12.7));
    tp.PushBackMove(five);
    tp.SetUnits(qzUnitsFactory::INCH, true);
    EXPECT_EQ(tp.GetUnits(), qzUnitsFactory::INCH);
    EXPECT_NEAR((*tp.GetMovesBegin())->GetPosition().x(), -0.5, 1e-12);
    EXPECT_NEAR((five->GetPosition() - Point(1.0, 2.0, -0.1)).Length2(), 0.0, 1e-24);
    EXPECT_EQ(five->GetOrientation(), Point(0.0, 0.6, 0.8));
    tp.SetUnits(qzUnitsFactory::METRIC, false);
    EXPECT_NEAR(five->GetPosition().x(), 1.0, 1e-12);
}

TEST(ToolpathEquality, UnitsAndMovesInOrderRegardlessOfStructure)
{
    qzToolPath a, b, otherKind;
    a.PushBackMove(At(1));
    a.PushBackMove(At(2));
    b.PushBack(Holding<qzTPPass>({1}));
    b.PushBack(Holding<qzTPPass>({2}));
    EXPECT_TRUE(a == b);
    b.SetUnits(qzUnitsFactory::INCH, false);
    EXPECT_TRUE(a != b);
    b.SetUnits(qzUnitsFactory::METRIC, false);
    b.PushBackMove(At(3));
    EXPECT_FALSE(a == b);
    otherKind.PushBackMove(qzMakeAutoPointer<qz5axMove>(Point(1.0, 0.0, 0.0), Point(0.0, 0.0, 1.0)));
    otherKind.PushBackMove(At(2));
    EXPECT_FALSE(a == otherKind);
}
} // namespace
