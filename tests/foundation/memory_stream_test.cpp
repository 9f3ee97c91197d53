#include "foundation/qzBinStreams.h"
#include "foundation/qzIdxRangeException.h"
#include "foundation/qzMemoryException.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

namespace
{
using misc::qzMemoryIOStream;
using misc::qzUInt64;
using tessaform_test::Thrown;

void Put(qzMemoryIOStream& s, const std::string& bytes)
{
    s.Write(bytes.data(), bytes.size());
}

// The whole data, whatever the cursor.
std::string Contents(const qzMemoryIOStream& s)
{
    const char* data = static_cast<const char*>(s.GetBuffer());
    return data ? std::string(data, static_cast<std::size_t>(s.GetDataLength())) : std::string();
}

std::string Take(qzMemoryIOStream& s, qzUInt64 wanted)
{
    std::string out(static_cast<std::size_t>(wanted), '\0');
    s.Read(out.data(), wanted);
    out.resize(static_cast<std::size_t>(wanted));
    return out;
}

TEST(MemoryStream, GrowsByWholeStepsCoveringTheMissingBytes)
{
    qzMemoryIOStream s(10);
    EXPECT_EQ(10u, s.GetAllocatedSize());
    Put(s, std::string(25, 'a')); // 15 missing: two steps
    EXPECT_EQ(30u, s.GetAllocatedSize());
    Put(s, "bcdefg"); // 1 missing: one step
    EXPECT_EQ(40u, s.GetAllocatedSize());
    Put(s, "hijklmnop"); // fills the buffer exactly
    EXPECT_EQ(40u, s.GetAllocatedSize());
    EXPECT_EQ(std::string(25, 'a') + "bcdefghijklmnop", Contents(s));
}

TEST(MemoryStream, RewindAcceptsAtMostTheDataLength)
{
    qzMemoryIOStream s(4);
    Put(s, "01234567");
    s.Rewind(8);
    const auto e = Thrown<misc::qzIdxRangeException<qzUInt64>>([&] { s.Rewind(9); });
    ASSERT_TRUE(e);
    EXPECT_EQ(7u, e->GetMaxIndex());
    EXPECT_EQ(9u, e->GetIndex());
    EXPECT_EQ("Index out of bounds. Max index accepted: 7, index given: 9.", e->GetErrorMessage());
    EXPECT_EQ(8u, s.GetPosition());
}

TEST(MemoryStream, ReadAndWriteShareOneCursor)
{
    qzMemoryIOStream s(4);
    Put(s, "0123456789");
    s.Rewind(0);
    Put(s, "ab"); // overwrites in place
    EXPECT_EQ(10u, s.GetDataLength());
    EXPECT_EQ("2345", Take(s, 4)); // reading continues after the write

    s.Rewind(7);
    EXPECT_EQ("789", Take(s, 4)); // what remains, no error
    EXPECT_EQ("", Take(s, 1));
    EXPECT_EQ(10u, s.GetPosition());

    s.Rewind(8);
    Put(s, "XYZW"); // starts inside the data, runs past its end
    EXPECT_EQ("ab234567XYZW", Contents(s));
}

TEST(MemoryStream, ClearReleasesTheBufferAndNeedsAStepBeforeWriting)
{
    qzMemoryIOStream s(8);
    Put(s, "abc");
    s.Clear();
    EXPECT_EQ(nullptr, s.GetBuffer());
    EXPECT_EQ(0u, s.GetIncreaseStep());
    EXPECT_EQ(0u, s.GetDataLength());
    EXPECT_EQ(0u, s.GetAllocatedSize());

    const auto e = Thrown<misc::qzMemoryException>([&] { Put(s, "hello"); });
    ASSERT_TRUE(e);
    EXPECT_EQ("Allocation of 5 bytes failed.", e->GetErrorMessage());

    s.SetIncreaseStep(4);
    Put(s, "hello");
    EXPECT_EQ(8u, s.GetAllocatedSize());
    EXPECT_EQ("hello", Contents(s));
}

TEST(MemoryStream, FailedGrowthLeavesTheStreamAsItWas)
{
    qzMemoryIOStream s(8);
    Put(s, "abcdef");
    s.Rewind(2);
    const void* buffer = s.GetBuffer();
    // No whole step can be added to the allocation without overflowing the size type.
    s.SetIncreaseStep(std::numeric_limits<qzUInt64>::max());
    EXPECT_TRUE(Thrown<misc::qzMemoryException>([&] { Put(s, "0123456789"); }));
    EXPECT_EQ(buffer, s.GetBuffer());
    EXPECT_EQ(8u, s.GetAllocatedSize());
    EXPECT_EQ(2u, s.GetPosition());
    EXPECT_EQ("abcdef", Contents(s));
}

TEST(MemoryStream, CopiesAreDeepAndKeepTheCursor)
{
    qzMemoryIOStream original(4);
    Put(original, "abcdef");
    original.Rewind(2);

    qzMemoryIOStream copy(original);
    EXPECT_NE(original.GetBuffer(), copy.GetBuffer());
    EXPECT_EQ(2u, copy.GetPosition());
    Put(copy, "XY");
    EXPECT_EQ("abXYef", Contents(copy));
    EXPECT_EQ("abcdef", Contents(original));

    qzMemoryIOStream assigned(1);
    Put(assigned, "zzzzzzzzzz");
    assigned = original;
    EXPECT_NE(original.GetBuffer(), assigned.GetBuffer());
    EXPECT_EQ("cdef", Take(assigned, 10));
    EXPECT_EQ(2u, original.GetPosition());
}

TEST(MemoryStream, MovesTransferTheBuffer)
{
    qzMemoryIOStream source(4);
    Put(source, "abcdef");
    source.Rewind(1);
    const void* buffer = source.GetBuffer();

    qzMemoryIOStream moved(std::move(source));
    EXPECT_EQ(buffer, moved.GetBuffer());
    EXPECT_EQ("bcd", Take(moved, 3));

    qzMemoryIOStream target(2);
    Put(target, "old");
    target = std::move(moved);
    EXPECT_EQ(buffer, target.GetBuffer());
    EXPECT_EQ("ef", Take(target, 10));
}
} // namespace
