#include "brimlib/qzFileStreams.h"
#include "brimlib/qzFileSystem.h"
#include "brimlib/qzStringConv.h"
#include "foundation/qzFileStreamEx.h"
#include "foundation/qzStdStreams.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <ios>
#include <sstream>
#include <string>

namespace
{
using misc::qzStdInputStream;
using misc::qzStdOutputStream;
using std::ios_base;
using tessaform_test::MiscErrorCode;
using tessaform_test::ReadFile;
using tessaform_test::ScopedTempDir;
using tessaform_test::WriteFile;
namespace mode = misc::qzOpenMode;

std::string Take(qzStdInputStream& in, misc::qzUInt64 wanted)
{
    std::string out(static_cast<std::size_t>(wanted), '\0');
    in.Read(out.data(), wanted);
    out.resize(static_cast<std::size_t>(wanted));
    return out;
}

std::string ReadAll(std::istream& in)
{
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

TEST(StdInputStream, FailsWithInputErrorWhenBytesAreMissing)
{
    ScopedTempDir dir;
    qzStdInputStream missing(dir.Path("missing.bin")); // the failed open surfaces at the first Read
    EXPECT_EQ(2148u, MiscErrorCode([&] { Take(missing, 1); }));

    std::istringstream text("abcdef");
    qzStdInputStream in(text);
    EXPECT_EQ("abcd", Take(in, 4));
    EXPECT_EQ("ef", Take(in, 2)); // exactly the rest is no failure
    EXPECT_EQ(2148u, MiscErrorCode([&] { Take(in, 1); }));

    std::istringstream throwing("abc"); // the stream's own exception becomes the input error
    throwing.exceptions(ios_base::failbit | ios_base::eofbit);
    qzStdInputStream partial(throwing);
    EXPECT_EQ(2148u, MiscErrorCode([&] { Take(partial, 4); }));
}

TEST(StdInputStream, BorrowsTheStreamAndSharesItBetweenCopies)
{
    std::istringstream text("abcdef");
    {
        qzStdInputStream in(text);
        EXPECT_FALSE(in.GetStream().IsOwner());
        qzStdInputStream copy(in);
        EXPECT_EQ(2u, in.GetStream().GetRefCount());
        EXPECT_EQ("ab", Take(in, 2));
        EXPECT_EQ("cd", Take(copy, 2));
    }
    EXPECT_EQ("ef", ReadAll(text)); // still alive after the adapters are gone
}

TEST(StdOutputStream, FailingStreamThrowsOutputError)
{
    std::ostringstream broken;
    broken.setstate(ios_base::badbit);
    qzStdOutputStream out(broken);
    EXPECT_EQ(2149u, MiscErrorCode([&] { out.Write("x", 1); }));

    ScopedTempDir dir;
    qzStdOutputStream unopenable(dir.Path("no-such-dir/file.bin"));
    EXPECT_EQ(2149u, MiscErrorCode([&] { unopenable.Write("x", 1); }));
}

TEST(StdOutputStream, FileNameCreatesOrTruncatesTheFile)
{
    ScopedTempDir dir;
    const std::string path = dir.Path("out.bin");
    WriteFile(path, "previous content");
    qzStdOutputStream{path};
    EXPECT_EQ("", ReadFile(path));
    {
        qzStdOutputStream out(path);
        out.Write("ab\n", 3);
    }
    EXPECT_EQ("ab\n", ReadFile(path));

    std::ostringstream text;
    {
        qzStdOutputStream borrowed(text);
        borrowed.Write("xyz", 3);
    }
    text << "!"; // not owned: alive after the adapter
    EXPECT_EQ("xyz!", text.str());
}

TEST(StdOutputStream, CloseReportsBytesAFullDiskRefused)
{
#if defined(_WIN32)
    GTEST_SKIP() << "Windows has no device that refuses every write as /dev/full does";
#else
    // The bytes wait in the buffer, so only Close can tell that they were lost.
    qzStdOutputStream full("/dev/full");
    const std::string record(4469, 'p');
    EXPECT_EQ(2149u, MiscErrorCode([&] {
                  full.Write(record.data(), record.size());
                  full.Close();
              }));
#endif
}

TEST(StdOutputStream, CloseReportsDataThatNeverReachedTheFile)
{
    ScopedTempDir dir;
    qzStdOutputStream unopenable(dir.Path("no-such-dir/file.bin"));
    EXPECT_EQ(2149u, MiscErrorCode([&] { unopenable.Close(); }));
    EXPECT_EQ(2149u, MiscErrorCode([&] { unopenable.Flush(); }));

    const std::string path = dir.Path("out.bin");
    qzStdOutputStream out(path);
    out.Write("abc", 3);
    out.Flush();
    EXPECT_EQ("abc", ReadFile(path)); // flushed while still open
    out.Write("de", 2);
    out.Close();
    EXPECT_EQ("abcde", ReadFile(path));
    EXPECT_NO_THROW(out.Close()); // closing again does nothing more
    EXPECT_EQ(2149u, MiscErrorCode([&] { out.Write("f", 1); }));

    std::ostringstream text;
    qzStdOutputStream borrowed(text);
    borrowed.Write("xyz", 3);
    borrowed.Close(); // a borrowed stream stays open
    text << "!";
    EXPECT_EQ("xyz!", text.str());
}

TEST(OpenModes, ModeStringsFollowTheCRuntimeTable)
{
    const ios_base::openmode in = ios_base::in, out = ios_base::out, tr = ios_base::trunc,
                             app = ios_base::app;
    struct Row
    {
        ios_base::openmode mode;
        const char* text;
        const char* binary;
    };
    const Row allowed[] = {{in, "r", "rb"},
                           {out, "w", "wb"},
                           {out | tr, "w", "wb"},
                           {out | app, "a", "ab"},
                           {in | out, "r+", "r+b"},
                           {in | out | tr, "w+", "w+b"},
                           {in | out | app, "a+", "a+b"}};
    for (const Row& row : allowed)
    {
        for (const ios_base::openmode ate : {ios_base::openmode{}, ios_base::ate}) // ate plays no part
        {
            EXPECT_STREQ(row.text, misc::OpenModeString(row.mode | ate));
            EXPECT_STREQ(row.binary, misc::OpenModeString(row.mode | ate | ios_base::binary));
        }
    }
    for (const ios_base::openmode refused : {ios_base::openmode{}, tr, app, in | tr, in | app, tr | app,
                                             out | tr | app, in | tr | app, in | out | tr | app})
    {
        EXPECT_EQ(nullptr, misc::OpenModeString(refused)) << static_cast<int>(refused);
        EXPECT_EQ(nullptr, misc::OpenModeString(refused | ios_base::binary)) << static_cast<int>(refused);
    }
}

TEST(OpenModes, IntegerModeBitsMapToStandardModes)
{
    EXPECT_EQ(ios_base::in | ios_base::binary, misc::ToStdOpenMode(33));
    EXPECT_EQ(ios_base::out | ios_base::trunc | ios_base::binary, misc::ToStdOpenMode(50));
    EXPECT_EQ(ios_base::out | ios_base::app | ios_base::binary, misc::ToStdOpenMode(42));
    EXPECT_EQ(ios_base::in | ios_base::ate, misc::ToStdOpenMode(5));
    EXPECT_EQ(ios_base::openmode{}, misc::ToStdOpenMode(0x40 | 0x100)); // unknown bits
}

TEST(FileStreamEx, InputAddsInAndOutputAddsOut)
{
    ScopedTempDir dir;
    const std::string path = dir.Path("modes.txt");
    for (const auto& [bits, text] : {std::pair{mode::binary, "abc"}, {mode::app, "de"}}) // "wb", then "a"
    {
        basic_ofstream_ex<char> out(path.c_str(), static_cast<int>(bits));
        ASSERT_TRUE(out.is_open());
        out << text;
    }
    EXPECT_EQ("abcde", ReadFile(path));
    {
        basic_ofstream_ex<char> out(path.c_str(), static_cast<int>(mode::trunc)); // "w"
        ASSERT_TRUE(out.is_open());
        out << "xy";
    }
    basic_ifstream_ex<char> in(path.c_str(), static_cast<int>(mode::binary)); // "rb"
    ASSERT_TRUE(in.is_open());
    EXPECT_EQ("xy", ReadAll(in));
}

TEST(FileStreamEx, FailedOpenSetsFailbitAndALaterOpenClearsIt)
{
    ScopedTempDir dir;
    const std::string existing = dir.Path("existing.bin");
    WriteFile(existing, "data");

    basic_ifstream_ex<char> in(dir.Path("missing.bin").c_str(), static_cast<int>(mode::binary));
    EXPECT_TRUE(in.GetFailed());
    EXPECT_FALSE(in.is_open());
    in.open(existing.c_str(), ios_base::binary);
    EXPECT_FALSE(in.GetFailed());
    EXPECT_EQ("data", ReadAll(in));

    basic_ifstream_ex<char> refused(existing.c_str(), ios_base::trunc); // in|trunc: not in the table
    EXPECT_TRUE(refused.GetFailed());
    EXPECT_FALSE(refused.rdbuf()->is_open());
    EXPECT_EQ("data", ReadFile(existing));

    basic_ofstream_ex<char> out(dir.Path("no-such-dir/x.bin").c_str(), ios_base::binary);
    EXPECT_TRUE(out.GetFailed());
}

TEST(FileStreamEx, WideNamesOpenUnderTheirUtf8Names)
{
    ScopedTempDir dir;
    const std::wstring wideDir(dir.Path().begin(), dir.Path().end()); // the scratch path is ASCII
    const std::wstring wide = wideDir + L"/\u00fcmlaut-\u20ac-\U0001F600.bin";
    const std::string utf8 = dir.Path("\xC3\xBCmlaut-\xE2\x82\xAC-\xF0\x9F\x98\x80.bin");
    {
        basic_ofstream_ex<char> out(wide.c_str(), static_cast<int>(mode::binary));
        ASSERT_TRUE(out.is_open());
        out << "wide";
    }
    EXPECT_TRUE(misc::qzFileSystem::FileExists(utf8));
    misc::qzIFStream in(wide.c_str(), mode::binary);
    EXPECT_EQ("wide", ReadAll(in));
}

TEST(FileStreamEx, NarrowUtf8AndWideNamesOpenOneFileWhichReopensCleanly)
{
    ScopedTempDir dir;
    const std::string utf8 = dir.Path("\xD1\x84\xD1\x80\xD0\xB5\xD0\xB7\xD0\xB0-\xE2\x82\xAC.bin");
    const std::wstring wide = misc::to_wide(utf8);
    {
        basic_ofstream_ex<char> out(utf8.c_str(), static_cast<int>(mode::binary)); // narrow, UTF-8
        ASSERT_TRUE(out.is_open());
        out << std::string("a\r\n\x1A" "b", 5);
    }
    basic_ifstream_ex<char> in(wide.c_str(), ios_base::binary | ios_base::ate);
    ASSERT_TRUE(in.is_open());
    EXPECT_EQ(in.tellg(), std::streampos(5)) << "ate starts at the end";
    in.seekg(0);
    EXPECT_EQ(ReadAll(in), std::string("a\r\n\x1A" "b", 5)) << "binary mode keeps every byte";
    in.close();
    EXPECT_FALSE(in.is_open());

    {
        basic_ofstream_ex<char> out(wide.c_str(), ios_base::binary | ios_base::app);
        ASSERT_TRUE(out.is_open());
        out << "+";
        out.close();
        EXPECT_FALSE(out.GetFailed());
    }
    in.clear();
    in.open(wide.c_str(), ios_base::binary); // the same stream, opened again
    ASSERT_TRUE(in.is_open());
    EXPECT_EQ(ReadAll(in), std::string("a\r\n\x1A" "b+", 6));
    EXPECT_EQ(ReadFile(utf8), std::string("a\r\n\x1A" "b+", 6));
}

TEST(FileStreams, OperatorNotTellsWhetherAFileIsAttached)
{
    ScopedTempDir dir;
    WriteFile(dir.Path("f.bin"), "");
    misc::qzIFStream in;
    EXPECT_TRUE(!in);
    in.open(dir.Path("f.bin").c_str(), mode::binary);
    EXPECT_FALSE(!in);
    EXPECT_TRUE(!misc::qzIFStream(dir.Path("missing.bin"), mode::binary));
}
} // namespace
