// Enumerator names taken from the compiler, as the JSON form of parameter sets uses them.
#include "brimlib/qz5axParams.h"
#include "paramformat/qzEnumNames.h"

#include <gtest/gtest.h>

namespace
{
using paramformat::EnumeratorName;
using paramformat::EnumeratorValue;

enum class Scoped : int
{
    FIRST = 0,
    LAST = 63
};

TEST(EnumNames, NamedValuesByNameOthersNot)
{
    EXPECT_EQ(EnumeratorName<qzLeadParams::Type>(qzLeadParams::NO_LEAD), "NO_LEAD");
    EXPECT_EQ(EnumeratorName<qzLeadParams::Type>(qzLeadParams::HELIX), "HELIX");
    EXPECT_EQ(EnumeratorName<qzLeadParams::Type>(5), "");
    EXPECT_EQ(EnumeratorName<qzLeadParams::Type>(-1), "");
    EXPECT_EQ(EnumeratorName<qzLeadParams::Type>(300), "");
    EXPECT_EQ(EnumeratorName<Scoped>(63), "LAST");
    EXPECT_EQ(EnumeratorName<Scoped>(1), "");

    int value = -7;
    EXPECT_TRUE(EnumeratorValue<qzLeadParams::Type>("LINE", value));
    EXPECT_EQ(value, qzLeadParams::LINE);
    EXPECT_TRUE(EnumeratorValue<Scoped>("FIRST", value));
    EXPECT_EQ(value, 0);
    value = -7;
    EXPECT_FALSE(EnumeratorValue<qzLeadParams::Type>("line", value));
    EXPECT_FALSE(EnumeratorValue<qzLeadParams::Type>("", value));
    EXPECT_EQ(value, -7);
}
} // namespace
