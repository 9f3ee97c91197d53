#include "foundation/qzVersion.h"

#include <gtest/gtest.h>

#include <string>

// TESSAFORM_EXPECTED_VERSION is the project version as CMake knows it, handed to this test
// directly: a stale configured header or a library built from another version fails here.
TEST(TessaformVersion, LibraryAndHeadersReportTheProjectVersion)
{
    EXPECT_STREQ(misc::GetTessaformVersion(), TESSAFORM_EXPECTED_VERSION);
    EXPECT_STREQ(TESSAFORM_VERSION, TESSAFORM_EXPECTED_VERSION);
    const std::string composed = std::to_string(TESSAFORM_VERSION_MAJOR) + "." +
                                 std::to_string(TESSAFORM_VERSION_MINOR) + "." +
                                 std::to_string(TESSAFORM_VERSION_PATCH);
    EXPECT_EQ(composed, TESSAFORM_EXPECTED_VERSION);
}
