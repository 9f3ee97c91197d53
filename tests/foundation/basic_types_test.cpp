#include "brimlib/qzFileStreams.h"
#include "brimlib/qzFileSystem.h"
#include "foundation/qzBasicTypes.h"
#include "foundation/qzRangeException.h"
#include "foundation/qzStdStreams.h"
#include "foundation/qzTempFile.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace
{
using misc::qzBIBasicTypes;
using misc::qzBOBasicTypes;
using misc::qzFile;
using misc::qzInt64;
using misc::qzMemoryIOStream;
using misc::qzStreamableSize_t;
using misc::qzStreamableUnsignedInt64;
using misc::qzTempFile;
using tessaform_test::ErrorMessage;
using tessaform_test::MiscErrorCode;
using tessaform_test::RandomBytes;
using tessaform_test::ReadFile;
using tessaform_test::ScopedTempDir;
using tessaform_test::Thrown;
using tessaform_test::WriteFile;
using Bytes = std::vector<unsigned char>;
using RangeError = misc::qzRangeException<double>;

// Not exactly a qzMemoryIOStream: the codecs take the virtual Read/Write path, not the in-place one.
class DerivedMemoryStream : public qzMemoryIOStream
{
public:
    using qzMemoryIOStream::qzMemoryIOStream;
};

Bytes BytesOf(const qzMemoryIOStream& s)
{
    const auto* data = static_cast<const unsigned char*>(s.GetBuffer());
    return data ? Bytes(data, data + s.GetDataLength()) : Bytes();
}

template <class Stream = qzMemoryIOStream> Stream StreamOf(const Bytes& bytes)
{
    Stream s(16);
    s.Write(bytes.data(), bytes.size());
    s.Rewind(0);
    return s;
}

template <class T> Bytes Encode(bool shrink, const T& value)
{
    qzMemoryIOStream s(4);
    qzBOBasicTypes(s, shrink) << value;
    return BytesOf(s);
}

// Decodes one value that must take up all of `bytes`.
template <class T> T Decode(const Bytes& bytes, bool shrink, bool unicode = false, bool is64 = false)
{
    qzMemoryIOStream s = StreamOf(bytes);
    qzBIBasicTypes in(s, shrink, unicode, is64);
    T value{};
    in >> value;
    EXPECT_EQ(s.GetDataLength(), s.GetPosition()) << "bytes left over";
    return value;
}

enum class Medium
{
    Memory,
    DerivedMemory,
    File
};

// Writes, then reads back over the medium; the reader must use up exactly what was written.
void Transfer(Medium medium, const std::function<void(misc::qzBinOutputStream&)>& write,
              const std::function<void(misc::qzBinInputStream&)>& read)
{
    if (medium == Medium::File)
    {
        ScopedTempDir dir;
        const std::string path = dir.Path("transfer.bin");
        {
            misc::qzStdOutputStream out(path);
            write(out);
        }
        misc::qzStdInputStream in(path);
        read(in);
        char extra;
        misc::qzUInt64 one = 1;
        EXPECT_EQ(2148u, MiscErrorCode([&] { in.Read(&extra, one); }));
        return;
    }
    // Small steps: many values straddle a growth.
    std::unique_ptr<qzMemoryIOStream> s = medium == Medium::Memory ? std::make_unique<qzMemoryIOStream>(8)
                                                                   : std::make_unique<DerivedMemoryStream>(8);
    write(*s);
    s->Rewind(0);
    read(*s);
    EXPECT_EQ(s->GetDataLength(), s->GetPosition());
}

// Values written, what each must read back as and, for hand-typed records, the bytes expected.
class Script
{
public:
    Script(bool unicode, bool is64) : m_unicode(unicode), m_is64(is64) {}

    template <class T> void Value(T written, T expected, const Bytes& bytes = {})
    {
        Write([written](qzBOBasicTypes& out) { out << written; }, bytes);
        Expect(expected);
    }

    // The writer has no unicode or 64-bit form: such sizes and strings are built from primitives.
    void Size(std::uint32_t n, const Bytes& bytes = {})
    {
        Write(SizeWriter(n), bytes);
        Expect(qzStreamableSize_t(n));
    }

    void String(const std::string& text)
    {
        if (!m_unicode && !m_is64)
            return Value(text, text);
        Write(
            [size = SizeWriter(static_cast<std::uint32_t>(text.size())), text, unicode = m_unicode](auto& out)
            {
                size(out);
                for (const char c : text)
                {
                    if (unicode)
                        out << static_cast<wchar_t>(static_cast<unsigned char>(c));
                    else
                        out << c;
                }
            },
            {});
        Expect(text);
    }

    void WriteAll(qzBOBasicTypes& out) const
    {
        for (const auto& write : m_writes)
            write(out);
    }
    void ReadAll(qzBIBasicTypes& in) const
    {
        for (const auto& read : m_reads)
            read(in);
    }
    const Bytes& GetBytes() const { return m_bytes; }

private:
    void Write(std::function<void(qzBOBasicTypes&)> write, const Bytes& bytes)
    {
        m_writes.push_back(std::move(write));
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }

    template <class T> void Expect(T expected)
    {
        m_reads.push_back(
            [expected](qzBIBasicTypes& in)
            {
                T got{};
                in >> got;
                EXPECT_EQ(Plain(expected), Plain(got));
            });
    }

    std::function<void(qzBOBasicTypes&)> SizeWriter(std::uint32_t n) const
    {
        if (m_is64)
            return [n](qzBOBasicTypes& out) { out << qzStreamableUnsignedInt64(n); };
        return [n](qzBOBasicTypes& out) { out << qzStreamableSize_t(n); };
    }

    template <class T> static T Plain(const T& value) { return value; }
    static std::uint32_t Plain(const qzStreamableSize_t& value) { return value.GetValue(); }
    static misc::qzUInt64 Plain(const qzStreamableUnsignedInt64& value) { return value.GetValue(); }
    static int Plain(const char& value) { return static_cast<unsigned char>(value); }
    static long Plain(const wchar_t& value) { return value; }

    bool m_unicode;
    bool m_is64;
    std::vector<std::function<void(qzBOBasicTypes&)>> m_writes;
    std::vector<std::function<void(qzBIBasicTypes&)>> m_reads;
    Bytes m_bytes;
};

// Reads a record back from its bytes, then from every truncation of them: each must fail with 2018
// at the first value that lacks bytes.
template <class Stream> void ReadRecord(const Script& record, bool shrink)
{
    const Bytes& bytes = record.GetBytes();
    Stream whole = StreamOf<Stream>(bytes);
    qzBIBasicTypes in(whole, shrink, false, false);
    record.ReadAll(in);
    EXPECT_EQ(bytes.size(), whole.GetPosition());
    for (std::size_t n = 0; n < bytes.size(); ++n)
    {
        Stream cut = StreamOf<Stream>(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)));
        qzBIBasicTypes cutIn(cut, shrink, false, false);
        EXPECT_EQ(2018u, MiscErrorCode([&] { record.ReadAll(cutIn); })) << "cut after " << n << " bytes";
    }
}

void CheckRecord(const Script& record, bool shrink)
{
    qzMemoryIOStream s(4);
    qzBOBasicTypes out(s, shrink);
    record.WriteAll(out);
    EXPECT_EQ(record.GetBytes(), BytesOf(s));
    ReadRecord<qzMemoryIOStream>(record, shrink);
    ReadRecord<DerivedMemoryStream>(record, shrink);
}

TEST(BasicTypesLayout, FullWidthValuesAreLittleEndianWithoutPadding)
{
    Script s(false, false);
    s.Value(true, true, {0x01});
    s.Value('a', 'a', {0x61});
    s.Value<unsigned char>(0xFE, 0xFE, {0xFE});
    s.Value<short>(-2, -2, {0xFE, 0xFF});
    s.Value<unsigned short>(0xBEEF, 0xBEEF, {0xEF, 0xBE});
    s.Value<wchar_t>(0x20AC, 0x20AC, {0xAC, 0x20});
    s.Value(-2, -2, {0xFE, 0xFF, 0xFF, 0xFF});
    s.Value(0x01020304u, 0x01020304u, {0x04, 0x03, 0x02, 0x01});
    s.Value(-3L, -3L, {0xFD, 0xFF, 0xFF, 0xFF});
    s.Value(0xA1B2C3D4ul, 0xA1B2C3D4ul, {0xD4, 0xC3, 0xB2, 0xA1});
    s.Value<qzInt64>(-2, -2, {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    const qzStreamableUnsignedInt64 u64(0x0102030405060708ull);
    s.Value(u64, u64, {0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01});
    s.Size(5, {0x05, 0x00, 0x00, 0x00});
    s.Value(1.0f, 1.0f, {0x00, 0x00, 0x80, 0x3F});
    s.Value(1.0, 1.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F});
    s.Value(-2.0L, -2.0L, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0});
    s.Value<std::string>("abc", "abc", {0x03, 0x00, 0x00, 0x00, 'a', 'b', 'c'});
    s.Value<std::string>("", "", {0x00, 0x00, 0x00, 0x00});
    CheckRecord(s, false);
}

TEST(BasicTypesLayout, ShrinkNarrowsWordsSizesAndDoublesOnly)
{
    Script s(false, false);
    s.Value(-2, -2, {0xFE, 0xFF});               // sign-extended on reading
    s.Value(0x12345678u, 0x5678u, {0x78, 0x56}); // low 16 bits, zero-extended
    s.Value(70000L, 4464L, {0x70, 0x11});
    s.Value(0xFFFFFFFFul, 65535ul, {0xFF, 0xFF});
    s.Value<short>(-2, -2, {0xFE, 0xFF});
    s.Value<qzInt64>(1, 1, {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
    s.Size(0x1234, {0x34, 0x12});
    s.Value(0.1, 0.1, {0xCD, 0xCC, 0xCC, 0x3D}); // a float, rounded to 6 decimals on reading
    s.Value(-0.1234567, -0.123457, {0xDE, 0xD6, 0xFC, 0xBD});
    s.Value(-2.5L, -2.5L, {0x00, 0x00, 0x20, 0xC0});
    s.Value(-0.1234567f, -0.1234567f, {0xDE, 0xD6, 0xFC, 0xBD}); // a float is never rounded
    s.Value<std::string>("abc", "abc", {0x03, 0x00, 'a', 'b', 'c'});
    CheckRecord(s, true);
}

TEST(BasicTypesDecoding, BoolIsTrueForAnyNonZeroByte)
{
    EXPECT_FALSE(Decode<bool>({0x00}, false));
    EXPECT_TRUE(Decode<bool>({0x02}, false));
    EXPECT_TRUE(Decode<bool>({0xFF}, false));
}

TEST(BasicTypesDecoding, InlineReadsDecodeAsTheReadersDo)
{
    const Bytes bytes = {0x02, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x00, 0x00, 0x80,
                         0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F, 0x07};
    const auto readAll = [](auto&& stream, bool shrink)
    {
        qzBIBasicTypes in(stream, shrink, false, false);
        const bool flag = in.ReadValue<bool>();
        const char c = in.ReadValue<char>();
        const int i = in.ReadValue<int>();
        const unsigned u = in.ReadValue<unsigned int>();
        const double d = in.ReadValue<double>();
        EXPECT_EQ(2018u, MiscErrorCode([&] { in.ReadValue<int>(); })); // one byte left
        return std::make_tuple(flag, c, i, u, d);
    };
    const auto expected = std::make_tuple(true, '\xFF', -2, 0x80000004u, 0.1);
    EXPECT_EQ(expected, readAll(StreamOf(bytes), false));
    EXPECT_EQ(expected, readAll(StreamOf<DerivedMemoryStream>(bytes), false));
    // Shrunk values keep their narrower encoding: a 2-byte int, a 4-byte double rounded.
    const Bytes shrunk = {0x00, 0x41, 0xFE, 0xFF, 0x04, 0x00, 0xCD, 0xCC, 0xCC, 0x3D, 0x07};
    EXPECT_EQ(std::make_tuple(false, 'A', -2, 4u, 0.1), readAll(StreamOf(shrunk), true));
}

TEST(BasicTypesDecoding, UnicodeStringsHoldSixteenBitUnits)
{
    EXPECT_EQ("abc",
              Decode<std::string>({0x03, 0x00, 0x00, 0x00, 0x61, 0x00, 0x62, 0x00, 0x63, 0x00}, false, true));
    EXPECT_EQ("abc", Decode<std::string>({0x03, 0x00, 0x61, 0x00, 0x62, 0x00, 0x63, 0x00}, true, true));
    // Units beyond one byte have no narrow form.
    EXPECT_EQ("\xE9?", Decode<std::string>({0x02, 0x00, 0x00, 0x00, 0xE9, 0x00, 0xAC, 0x20}, false, true));
}

TEST(BasicTypesDecoding, SizesOfSixtyFourBitDataAreEightBytesBelowTwoToThe31)
{
    EXPECT_EQ("hello",
              Decode<std::string>({0x05, 0, 0, 0, 0, 0, 0, 0, 'h', 'e', 'l', 'l', 'o'}, false, false, true));
    EXPECT_EQ("hi", Decode<std::string>({0x02, 0, 0, 0, 0, 0, 0, 0, 'h', 'i'}, true, false, true));

    qzMemoryIOStream largest = StreamOf({0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x00, 0x00, 0x61});
    EXPECT_EQ(0x7FFFFFFFu, qzBIBasicTypes(largest, false, false, true).GetSize_t());

    for (const Bytes& tooLarge : {Bytes{0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00},
                                  Bytes{0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}})
    {
        EXPECT_EQ(2157u, MiscErrorCode([&] { Decode<qzStreamableSize_t>(tooLarge, false, false, true); }));
        EXPECT_EQ(2157u, MiscErrorCode([&] { Decode<std::string>(tooLarge, false, false, true); }));
    }
}

TEST(BasicTypesDecoding, CountBeyondTheDataFailsWithoutAllocatingIt)
{
    const Bytes narrow = {0xF0, 0xFF, 0xFF, 0x7F, 'a', 'b', 'c'};
    const Bytes shrunk = {0xFF, 0xFF, 'a', 'b', 'c'};
    const Bytes wide64 = {0xF0, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 'a', 0x00, 'b'}; // ends inside a unit
    EXPECT_EQ(2018u, MiscErrorCode([&] { Decode<std::string>(narrow, false); }));
    EXPECT_EQ(2018u, MiscErrorCode([&] { Decode<std::string>(shrunk, true); }));
    EXPECT_EQ(2018u, MiscErrorCode([&] { Decode<std::string>(wide64, false, true, true); }));
}

TEST(BasicTypesEncoding, RefusesValuesBeyondTheirEncoding)
{
    qzMemoryIOStream s(16);
    qzBOBasicTypes shrink(s, true);
    const auto e = Thrown<RangeError>([&] { shrink << qzStreamableSize_t(0x10000); });
    ASSERT_TRUE(e);
    EXPECT_EQ(65536.0, e->GetValue());
    EXPECT_TRUE(Thrown<RangeError>([&] { shrink << std::string(0x10000, 'x'); }));
    EXPECT_EQ(0u, s.GetDataLength()); // nothing half-written
    EXPECT_EQ((Bytes{0xFF, 0xFF}), Encode(true, qzStreamableSize_t(0xFFFF)));

    EXPECT_TRUE(Thrown<RangeError>([] { qzStreamableSize_t(0x100000000ull); }));
    if constexpr (sizeof(long) > 4)
    {
        qzBOBasicTypes full(s, false);
        EXPECT_TRUE(Thrown<RangeError>([&] { full << static_cast<long>(2147483648LL); }));
        EXPECT_TRUE(Thrown<RangeError>([&] { full << static_cast<long>(-2147483649LL); }));
        EXPECT_TRUE(Thrown<RangeError>([&] { full << static_cast<unsigned long>(4294967296ULL); }));
        EXPECT_EQ(0u, s.GetDataLength());
    }
    EXPECT_EQ((Bytes{0x00, 0x00, 0x00, 0x80}), Encode(false, static_cast<long>(-2147483647L - 1)));
}

Script BuildScript(bool shrink, bool unicode, bool is64)
{
    using I64 = std::numeric_limits<qzInt64>;
    Script s(unicode, is64);
    s.Value(false, false);
    s.Value('\xFF', '\xFF');
    s.Value<short>(-32768, -32768);
    s.Value<unsigned short>(65535, 65535);
    s.Value<wchar_t>(0xFFFD, 0xFFFD); // a 16-bit unit, not sign-extended
    s.Value<qzInt64>(I64::min(), I64::min());
    s.Value<qzInt64>(I64::max(), I64::max());
    s.Value<qzStreamableUnsignedInt64>(~0ull, ~0ull);
    s.Value(std::numeric_limits<float>::max(), std::numeric_limits<float>::max());
    if (shrink)
    {
        s.Value(-32768, -32768);
        s.Value(70000, 4464);
        s.Value(70000u, 4464u);
        s.Value(-2L, -2L);
        s.Value(0x12345ul, 0x2345ul);
        s.Value(-2.5, -2.5);
        s.Value(-0.1234567L, static_cast<long double>(-0.123457));
    }
    else
    {
        s.Value(std::numeric_limits<int>::min(), std::numeric_limits<int>::min());
        s.Value(4294967295u, 4294967295u);
        s.Value(-2147483647L - 1, -2147483647L - 1);
        s.Value(4294967295ul, 4294967295ul);
        s.Value(std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::denorm_min());
        s.Value(-0.1L, static_cast<long double>(-0.1)); // stored as a double
        s.Size(0x7FFFFFFF);
    }
    s.Size(65535);
    s.String("");
    s.String(std::string("nul\0\xE9", 5));
    s.Value('Z', 'Z'); // the end stays in step
    return s;
}

using RoundTripMode = std::tuple<bool, bool, bool, Medium>; // shrink, unicode, 64-bit

class BasicTypesRoundTrip : public ::testing::TestWithParam<RoundTripMode>
{
};

TEST_P(BasicTypesRoundTrip, EveryPrimitiveReadsBackAsWritten)
{
    const auto [shrink, unicode, is64, medium] = GetParam();
    const Script script = BuildScript(shrink, unicode, is64);
    Transfer(
        medium,
        [&, shrink = shrink](misc::qzBinOutputStream& stream)
        {
            qzBOBasicTypes out(stream, shrink);
            script.WriteAll(out);
        },
        [&, shrink = shrink, unicode = unicode, is64 = is64](misc::qzBinInputStream& stream)
        {
            qzBIBasicTypes in(stream, shrink, unicode, is64);
            script.ReadAll(in);
        });
}

std::string ModeName(const ::testing::TestParamInfo<RoundTripMode>& info)
{
    static const char* const media[] = {"Memory", "DerivedMemory", "File"};
    const auto [shrink, unicode, is64, medium] = info.param;
    return std::string(shrink ? "Shrink" : "Full") + (unicode ? "Unicode" : "Narrow") + (is64 ? "64" : "32") +
           media[static_cast<int>(medium)];
}

INSTANTIATE_TEST_SUITE_P(AllModes, BasicTypesRoundTrip,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool(), ::testing::Bool(),
                                            ::testing::Values(Medium::Memory, Medium::DerivedMemory,
                                                              Medium::File)),
                         ModeName);

// Embedded files: SIZE of the byte count, then the bytes.
class EmbeddedFileTest : public ::testing::Test
{
protected:
    std::string Make(const std::string& name, const std::string& content)
    {
        WriteFile(m_dir.Path(name), content);
        return m_dir.Path(name);
    }

    ScopedTempDir m_dir;
};

const Bytes kHello = {0x05, 0x00, 0x00, 0x00, 'h', 'e', 'l', 'l', 'o'};

TEST_F(EmbeddedFileTest, FileIsSizeThenContent)
{
    const qzFile hello(Make("hello.bin", "hello"));
    EXPECT_EQ(kHello, Encode(false, hello));
    EXPECT_EQ((Bytes{0x05, 0x00, 'h', 'e', 'l', 'l', 'o'}), Encode(true, hello));
    EXPECT_EQ((Bytes{0x00, 0x00, 0x00, 0x00}), Encode(false, qzFile(Make("empty.bin", ""))));

    qzTempFile temp(m_dir.Path(), "tmp");
    EXPECT_EQ("Accessing NULL pointer", ErrorMessage([&] { Encode(false, temp); }));
    temp.Init();
    WriteFile(temp.GetFilePath(), "hello");
    EXPECT_EQ(kHello, Encode(false, temp));

    const std::string missing = m_dir.Path("missing.bin");
    EXPECT_EQ("File " + missing + " can not be open ", ErrorMessage([&] { Encode(false, qzFile(missing)); }));

    misc::qzIFStream open(hello.GetPath().c_str(), misc::qzOpenMode::binary);
    std::string all;
    std::getline(open, all); // at the end, eofbit set: embedding still starts from the beginning
    qzMemoryIOStream s(4);
    qzBOBasicTypes(s, false) << open;
    EXPECT_EQ(kHello, BytesOf(s));
}

TEST_F(EmbeddedFileTest, ReadingReplacesTheTarget)
{
    const std::string target = Make("target.bin", "much longer previous content");
    qzFile file(target);
    qzMemoryIOStream s = StreamOf(kHello);
    qzBIBasicTypes(s, false, false, false) >> file;
    EXPECT_EQ("hello", ReadFile(target));

    qzTempFile temp(m_dir.Path(), "tmp");
    temp.Init();
    const std::string old = temp.GetFilePath();
    s.Rewind(0);
    qzBIBasicTypes(s, false, false, false) >> temp; // a fresh temporary file
    EXPECT_NE(old, temp.GetFilePath());
    EXPECT_FALSE(misc::qzFileSystem::FileExists(old));
    EXPECT_EQ("hello", ReadFile(temp.GetFilePath()));
}

TEST_F(EmbeddedFileTest, TruncatedContentFails)
{
    qzFile target(m_dir.Path("target.bin"));
    qzMemoryIOStream small = StreamOf({0x0A, 0x00, 0x00, 0x00, 'a', 'b', 'c', 'd'});
    EXPECT_EQ(2018u, MiscErrorCode([&] { qzBIBasicTypes(small, false, false, false) >> target; }));

    Bytes large = {0x80, 0x84, 0x1E, 0x00}; // 2,000,000 announced, half of it present
    large.resize(4 + 1000000, 0x5A);
    qzMemoryIOStream s = StreamOf(large);
    EXPECT_EQ(2018u, MiscErrorCode([&] { qzBIBasicTypes(s, false, false, false) >> target; }));
}

class LargeEmbeddedFileTest : public EmbeddedFileTest, public ::testing::WithParamInterface<Medium>
{
};

// Files of several copy chunks (one chunk is 943,718 bytes), the second an exact multiple.
TEST_P(LargeEmbeddedFileTest, RoundTripsByteExactly)
{
    const std::string first = RandomBytes(2100000, 1);
    const std::string second = RandomBytes(2 * 943718, 2);
    const qzFile firstFile(Make("first.bin", first));
    misc::qzIFStream secondFile(Make("second.bin", second).c_str(), misc::qzOpenMode::binary);
    const std::string secondCopy = m_dir.Path("second.out");
    Transfer(
        GetParam(),
        [&](misc::qzBinOutputStream& stream)
        {
            qzBOBasicTypes out(stream, false);
            out << 0x11223344;
            out << firstFile;
            out << secondFile;
            out << 'Z';
        },
        [&](misc::qzBinInputStream& stream)
        {
            qzBIBasicTypes in(stream, false, false, false);
            int head = 0;
            in >> head;
            EXPECT_EQ(0x11223344, head);
            qzTempFile temp(m_dir.Path(), "tmp");
            in >> temp;
            EXPECT_TRUE(ReadFile(temp.GetFilePath()) == first);
            {
                misc::qzOFStream target(secondCopy.c_str(), misc::qzOpenMode::binary);
                in >> target;
            }
            EXPECT_TRUE(ReadFile(secondCopy) == second);
            char tail = 0;
            in >> tail;
            EXPECT_EQ('Z', tail);
        });
}

INSTANTIATE_TEST_SUITE_P(Media, LargeEmbeddedFileTest, ::testing::Values(Medium::Memory, Medium::File),
                         [](const ::testing::TestParamInfo<Medium>& info)
                         { return std::string(info.param == Medium::File ? "File" : "Memory"); });
} // namespace
