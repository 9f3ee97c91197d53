// Sharing, ownership and base/derived conversion of the counted pointer.
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzException.h"

#include <gtest/gtest.h>

namespace
{
using misc::qzAutoPointer;

struct Counted
{
    explicit Counted(int* alive) : m_alive(alive) { ++*m_alive; }
    virtual ~Counted() { --*m_alive; }
    int* m_alive;
};

struct Other
{
    virtual ~Other() = default;
    int padding[4] = {};
};

// Derived lies at a non-zero offset from its Counted base: releasing through the base must
// still destroy the whole object.
struct Derived : Other, Counted
{
    explicit Derived(int* alive, int* derivedAlive) : Counted(alive), m_derivedAlive(derivedAlive)
    {
        ++*m_derivedAlive;
    }
    ~Derived() override { --*m_derivedAlive; }
    int* m_derivedAlive;
};

TEST(AutoPointer, CopiesShareOneCountAndLastHolderDestroys)
{
    int alive = 0;
    {
        qzAutoPointer<Counted> a(new Counted(&alive));
        EXPECT_EQ(a.GetRefCount(), 1u);
        EXPECT_TRUE(a.IsOwner());
        {
            qzAutoPointer<Counted> b = a;
            qzAutoPointer<Counted> c;
            c = b;
            EXPECT_EQ(a.GetRefCount(), 3u);
            EXPECT_EQ(b.Get(), a.Get());
        }
        EXPECT_EQ(a.GetRefCount(), 1u);
        EXPECT_EQ(alive, 1);
        qzAutoPointer<Counted> moved = std::move(a);
        EXPECT_TRUE(a.IsNull());
        EXPECT_EQ(moved.GetRefCount(), 1u);
    }
    EXPECT_EQ(alive, 0);
}

TEST(AutoPointer, BorrowedObjectIsNeverDestroyed)
{
    int alive = 0;
    Counted local(&alive);
    {
        qzAutoPointer<Counted> borrowed(&local, false);
        qzAutoPointer<Counted> copy = borrowed;
        EXPECT_FALSE(copy.IsOwner());
        EXPECT_EQ(copy.GetRefCount(), 2u);
    }
    EXPECT_EQ(alive, 1);
}

TEST(AutoPointer, BaseAndDerivedShareTheBlockAndDestroyTheWholeObject)
{
    int alive = 0, derivedAlive = 0;
    {
        qzAutoPointer<Counted> base;
        {
            qzAutoPointer<Derived> derived(new Derived(&alive, &derivedAlive));
            base = derived;
            EXPECT_EQ(derived.GetRefCount(), 2u);
            EXPECT_EQ(base.Get(), static_cast<Counted*>(derived.Get()));
            qzAutoPointer<Derived> back = base.DynamicCast<Derived>();
            EXPECT_EQ(back.Get(), derived.Get());
            EXPECT_EQ(derived.GetRefCount(), 3u);
            EXPECT_TRUE(base.DynamicCast<Other>().Get() != nullptr);
        }
        EXPECT_EQ(base.GetRefCount(), 1u);
        EXPECT_EQ(derivedAlive, 1);
    }
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(derivedAlive, 0);
}

TEST(AutoPointer, EmptyPointerHasNoBlockAndRefusesDereference)
{
    qzAutoPointer<int> empty;
    EXPECT_TRUE(empty.IsNull());
    EXPECT_EQ(empty.GetRefCount(), 0u);
    EXPECT_EQ(qzAutoPointer<int>(static_cast<int*>(nullptr)).GetRefCount(), 0u);
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        try
        {
            if (attempt == 0)
                (void)*empty;
            else
                (void)empty.operator->();
            FAIL() << "dereferencing an empty pointer must throw";
        }
        catch (const misc::qzException& e)
        {
            EXPECT_EQ(e.GetErrorCode(), 0u);
            EXPECT_EQ(e.GetErrorMessage(), "Accessing NULL pointer");
        }
    }
}

TEST(AutoPointer, ResetAndFailedDynamicCastLeaveOthersIntact)
{
    int alive = 0;
    qzAutoPointer<Counted> a(new Counted(&alive));
    qzAutoPointer<Counted> b = a;
    EXPECT_TRUE(a.DynamicCast<Derived>().IsNull());
    EXPECT_EQ(a.GetRefCount(), 2u);
    a.Reset();
    EXPECT_TRUE(a.IsNull());
    EXPECT_EQ(b.GetRefCount(), 1u);
    EXPECT_EQ(alive, 1);
    b.Reset();
    EXPECT_EQ(alive, 0);
}
} // namespace
