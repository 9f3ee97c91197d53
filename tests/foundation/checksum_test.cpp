// MD5 against the RFC 1321 vectors and OpenSSL, and the checksum trailers of files and streams.
#include "brimlib/qzException.h"
#include "foundation/qzChecksum.h"
#include "foundation/qzDataIntegrityUtils.h"
#include "foundation/qzIdxRangeException.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

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

std::string OpenSslMD5(const std::string& data)
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

TEST(MD5, PaddingBoundariesAndLargeInputsMatchOpenSsl)
{
    for (std::size_t size : {55u, 56u, 63u, 64u, 65u, 119u, 120u, 128u, 3u * 1024 * 1024 + 17})
    {
        const std::string data = RandomBytes(size, static_cast<unsigned>(size));
        EXPECT_EQ(CMD5Checksum::GetMD5(data.data(), data.size()), OpenSslMD5(data)) << size << " bytes";
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
    EXPECT_EQ(CMD5Checksum::ToHex(md5.Final()), OpenSslMD5(data));
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
    EXPECT_EQ(Contents(pristine), payload + OpenSslMD5(payload) + "QZCP");
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
        EXPECT_EQ(once, payload + OpenSslMD5(payload));
        EXPECT_TRUE(qzDataIntegrityUtils::VerifyChecksumFromFile(path));

        qzDataIntegrityUtils::AddChecksumToFile(path);
        EXPECT_EQ(ReadFile(path), once + OpenSslMD5(once));
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
