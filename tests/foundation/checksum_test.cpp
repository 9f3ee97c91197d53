// MD5 against the RFC 1321 vectors, digests of fixed pseudo-random inputs and OpenSSL, and the
// checksum trailers of files and streams.
#include "brimlib/qzException.h"
#include "foundation/qzChecksum.h"
#include "foundation/qzDataIntegrityUtils.h"
#include "foundation/qzIdxRangeException.h"
#include "test_support.h"

#include <gtest/gtest.h>
#if defined(TESSAFORM_HAVE_OPENSSL)
#  include <openssl/evp.h>
#endif

namespace
{
using misc::qzDataIntegrityUtils;
using misc::qzMemoryIOStream;
using misc::qzChecksum::CMD5Checksum;
using tessaform_test::ErrorMessage;
using tessaform_test::RandomBytes;
using tessaform_test::ReadFile;
using tessaform_test::ScopedTempDir;
using tessaform_test::WriteFile;
using IdxError = misc::qzIdxRangeException<misc::qzUInt64>;

#if defined(TESSAFORM_HAVE_OPENSSL)
std::string ReferenceMD5(const std::string& data)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_Digest(data.data(), data.size(), digest, &size, EVP_md5(), nullptr);
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < size; ++i)
        text += {hex[digest[i] >> 4], hex[digest[i] & 15]};
    return text;
}
#else
// Without the OpenSSL peer (the Windows build) the trailers are checked against our own digest,
// which the RFC vectors and the fixed digests of the MD5 suite pin on every platform.
std::string ReferenceMD5(const std::string& data)
{
    return CMD5Checksum::GetMD5(data.data(), data.size());
}
#endif

qzMemoryIOStream StreamOf(const std::string& payload)
{
    qzMemoryIOStream stream(64);
    stream.Write(payload.data(), payload.size());
    return stream;
}

std::string Contents(const qzMemoryIOStream& stream)
{
    return std::string(static_cast<const char*>(stream.GetBuffer()), stream.GetDataLength());
}

TEST(MD5, RfcTestSuite)
{
    const std::pair<const char*, const char*> suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& [input, digest] : suite)
        EXPECT_EQ(CMD5Checksum::GetMD5(input, std::strlen(input)), digest) << '"' << input << '"';
}

TEST(MD5, PaddingBoundariesAndLargeInputsMatchFixedDigestsAndOpenSsl)
{
    // Digests of RandomBytes(size, size) taken with coreutils' md5sum, so that the suite holds
    // where OpenSSL is not at hand.
    const std::pair<std::size_t, const char*> cases[] = {
        {55, "ebd9c3cc511598df0726ed6dcb699d15"},  {56, "d49bb001ed1a04dd166a0a161303df0d"},
        {63, "c3aa2bb42f03f0e0454537b9fa443f57"},  {64, "343e12913153aa20b71750d357ec5e1e"},
        {65, "a3d0c4ffe57de252a63935f65e0c9331"},  {119, "af21f64684f101ce8c35414eaf1d18f8"},
        {120, "9c36732b8c0e5c73f6b69ce56e904aac"}, {128, "e40ee4d46cff30320a9d6153eb03a9ee"},
        {3u * 1024 * 1024 + 17, "9b0db067dac39743ab89156ff0526217"},
    };
    for (const auto& [size, digest] : cases)
    {
        const std::string data = RandomBytes(size, static_cast<unsigned>(size));
        EXPECT_EQ(CMD5Checksum::GetMD5(data.data(), data.size()), digest) << size << " bytes";
        EXPECT_EQ(ReferenceMD5(data), digest) << size << " bytes";
    }
}

TEST(MD5, PiecewiseUpdatesEqualOneUpdateAndFinalStartsOver)
{
    const std::string data = RandomBytes(1000, 3);
    CMD5Checksum md5;
    std::size_t offset = 0;
    for (std::size_t piece : {0u, 1u, 62u, 64u, 3u, 200u, 129u})
    {
        md5.Update(data.data() + offset, piece);
        offset += piece;
    }
    md5.Update(data.data() + offset, data.size() - offset);
    EXPECT_EQ(CMD5Checksum::ToHex(md5.Final()), "288ce7bd18c44822da74d7196f680397");
    EXPECT_EQ(CMD5Checksum::ToHex(md5.Final()), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(ChecksumTrailer, StreamGetsDigestAndMarkerAndAnyFlippedByteFails)
{
    qzMemoryIOStream empty(8);
    qzDataIntegrityUtils::AddChecksum(empty);
    EXPECT_EQ(Contents(empty), "d41d8cd98f00b204e9800998ecf8427eQZCP");
    EXPECT_EQ(empty.GetPosition(), 36u);
    EXPECT_TRUE(qzDataIntegrityUtils::HasChecksum(empty));
    EXPECT_TRUE(qzDataIntegrityUtils::VerifyChecksum(empty));
    EXPECT_EQ(empty.GetPosition(), 0u) << "the cursor is left after the (empty) payload";

    const std::string payload = "abc and some more payload";
    qzMemoryIOStream pristine = StreamOf(payload);
    qzDataIntegrityUtils::AddChecksum(pristine);
    EXPECT_EQ(Contents(pristine), payload + ReferenceMD5(payload) + "QZCP");
    for (std::size_t i = 0; i < payload.size(); ++i)
    {
        std::string bytes = Contents(pristine);
        bytes[i] ^= 0x01;
        qzMemoryIOStream damaged = StreamOf(bytes);
        EXPECT_TRUE(qzDataIntegrityUtils::HasChecksum(damaged));
        EXPECT_FALSE(qzDataIntegrityUtils::VerifyChecksum(damaged)) << "byte " << i;
    }
    EXPECT_TRUE(qzDataIntegrityUtils::VerifyChecksum(pristine));
    EXPECT_EQ(pristine.GetPosition(), payload.size());
}

TEST(ChecksumTrailer, StreamsWithoutMarkerOrTooShortAreRefused)
{
    qzMemoryIOStream plain = StreamOf("no trailer here at all, just data");
    EXPECT_FALSE(qzDataIntegrityUtils::HasChecksum(plain));
    const auto missing =
        tessaform_test::Thrown<misc::qzException>([&] { qzDataIntegrityUtils::VerifyChecksum(plain); });
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->GetErrorCode(), 3700u);
    EXPECT_EQ(missing->GetErrorMessage(), "Memory stream doesn't have a checksum attached");

    qzMemoryIOStream tiny = StreamOf("QZC");
    const auto shortStream =
        tessaform_test::Thrown<IdxError>([&] { qzDataIntegrityUtils::HasChecksum(tiny); });
    ASSERT_TRUE(shortStream);
    EXPECT_EQ(shortStream->GetMaxIndex(), 2u);

    // A marker without room for a digest in front of it.
    qzMemoryIOStream markerOnly = StreamOf("xxQZCP");
    EXPECT_TRUE(qzDataIntegrityUtils::HasChecksum(markerOnly));
    EXPECT_THROW(qzDataIntegrityUtils::VerifyChecksum(markerOnly), IdxError);
}

TEST(ChecksumTrailer, FilesCarryTheDigestAloneAndNestTwice)
{
    ScopedTempDir dir;
    const std::string path = dir.Path("payload.bin");
    for (const std::string& payload : {std::string(), RandomBytes(2 * 1024 * 1024 + 5, 11)})
    {
        WriteFile(path, payload);
        qzDataIntegrityUtils::AddChecksumToFile(path);
        const std::string once = ReadFile(path);
        EXPECT_EQ(once, payload + ReferenceMD5(payload));
        EXPECT_TRUE(qzDataIntegrityUtils::VerifyChecksumFromFile(path));

        qzDataIntegrityUtils::AddChecksumToFile(path);
        EXPECT_EQ(ReadFile(path), once + ReferenceMD5(once));
        EXPECT_TRUE(qzDataIntegrityUtils::VerifyChecksumFromFile(path));

        std::string damaged = once;
        damaged[payload.size() / 2] ^= 0x40;
        WriteFile(path, damaged);
        EXPECT_FALSE(qzDataIntegrityUtils::VerifyChecksumFromFile(path)) << payload.size() << " bytes";
    }
}

TEST(ChecksumTrailer, FileFailuresCarryTheirMessages)
{
    ScopedTempDir dir;
    const std::string missing = dir.Path("missing.bin");
    EXPECT_EQ(ErrorMessage([&] { qzDataIntegrityUtils::AddChecksumToFile(missing); }),
              "Error opening file for input : " + missing +
                  "\nOccured in qzDataIntegrityUtils::AddChecksumToFile");
    EXPECT_EQ(ErrorMessage([&] { qzDataIntegrityUtils::VerifyChecksumFromFile(missing); }),
              "Error opening file for input : " + missing +
                  "\nOccured in qzDataIntegrityUtils::VerifyChecksumFromFile");

    const std::string shortFile = dir.Path("short.bin");
    WriteFile(shortFile, std::string(31, 'x'));
    EXPECT_EQ(tessaform_test::MiscErrorCode([&] { qzDataIntegrityUtils::VerifyChecksumFromFile(shortFile); }),
              2148u);
}
} // namespace
