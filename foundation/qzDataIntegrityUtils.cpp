#include "foundation/qzDataIntegrityUtils.h"

#include "brimlib/qzException.h"
#include "brimlib/qzFileStreams.h"
#include "foundation/qzChecksum.h"
#include "foundation/qzStdStreams.h"

#include <algorithm>
#include <memory>
#include <new>

namespace misc
{
namespace
{
// Files are hashed through one buffer of this size, so memory stays flat whatever the file size.
constexpr std::size_t kHashChunk = 1 << 20;
const char kMarker[4] = {'Q', 'Z', 'C', 'P'};

[[noreturn]] void ThrowOpenFailure(const char* direction, const std::string& path, const char* function)
{
    throw qzException(0, std::string("Error opening file for ") + direction + " : " + path + "\n" +
                             "Occured in qzDataIntegrityUtils::" + function);
}

qzUInt64 FileSize(qzIFStream& file)
{
    file.seekg(0, std::ios_base::end);
    const std::streamoff size = file.tellg();
    if (size < 0)
        throw qzmiscException(qzmiscException::INPUT_STREAM_FAILED);
    return static_cast<qzUInt64>(size);
}
} // namespace

const unsigned int qzDataIntegrityUtils::m_checksumBlockSize = 32;
const unsigned int qzDataIntegrityUtils::m_markerSize = 4;
const unsigned long qzDataIntegrityUtils::QZCP_BINARY_MARKER = 0x50435A51ul; // "QZCP", 'Q' first

std::string qzDataIntegrityUtils::CalculateFileChecksum(qzIFStream& file, qzUInt64 size)
{
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kHashChunk]);
    if (!buffer)
        throw qzException(3701, "Error allocating memory for buffer");
    file.clear();
    file.seekg(0, std::ios_base::beg);
    qzStdInputStream in(file);
    qzChecksum::CMD5Checksum md5;
    while (size > 0)
    {
        qzUInt64 chunk = size < kHashChunk ? size : kHashChunk;
        in.Read(buffer.get(), chunk); // a short read throws qzmiscException 2148
        md5.Update(buffer.get(), static_cast<std::size_t>(chunk));
        size -= chunk;
    }
    return qzChecksum::CMD5Checksum::ToHex(md5.Final());
}

std::string qzDataIntegrityUtils::CalculateChecksum(qzMemoryIOStream& stream, qzUInt64 size)
{
    // Hashed in place: the payload is already in memory. The cursor ends after the hashed bytes,
    // as if they had been read.
    stream.Rewind(size);
    return qzChecksum::CMD5Checksum::GetMD5(stream.GetBuffer(), static_cast<std::size_t>(size));
}

void qzDataIntegrityUtils::AddChecksumToFile(const std::string& path)
{
    std::string digest;
    {
        qzIFStream in(path, qzOpenMode::in | qzOpenMode::binary);
        if (!in)
            ThrowOpenFailure("input", path, "AddChecksumToFile");
        digest = CalculateFileChecksum(in, FileSize(in));
    }
    qzOFStream out(path, qzOpenMode::out | qzOpenMode::app | qzOpenMode::binary, qzOFStream::DEFAULT);
    if (!out)
        ThrowOpenFailure("output", path, "AddChecksumToFile");
    qzStdOutputStream(out).Write(digest.data(), m_checksumBlockSize);
    out.close();
    if (out.GetFailed())
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
}

bool qzDataIntegrityUtils::VerifyChecksumFromFile(const std::string& path)
{
    qzIFStream in(path, qzOpenMode::in | qzOpenMode::binary);
    if (!in)
        ThrowOpenFailure("input", path, "VerifyChecksumFromFile");
    const qzUInt64 size = FileSize(in);
    if (size < m_checksumBlockSize)
        throw qzmiscException(qzmiscException::INPUT_STREAM_FAILED);
    in.seekg(static_cast<std::streamoff>(size - m_checksumBlockSize), std::ios_base::beg);
    char stored[32];
    qzUInt64 count = m_checksumBlockSize;
    qzStdInputStream(in).Read(stored, count);
    return CalculateFileChecksum(in, size - m_checksumBlockSize) == std::string(stored, m_checksumBlockSize);
}

void qzDataIntegrityUtils::AddChecksum(qzMemoryIOStream& stream)
{
    const qzUInt64 length = stream.GetDataLength();
    const std::string digest = CalculateChecksum(stream, length);
    stream.Rewind(length);
    stream.Write(digest.data(), m_checksumBlockSize);
    stream.Write(kMarker, m_markerSize);
}

bool qzDataIntegrityUtils::HasChecksum(qzMemoryIOStream& stream)
{
    stream.Rewind(stream.GetDataLength() - m_markerSize);
    char marker[4];
    qzUInt64 count = m_markerSize;
    stream.Read(marker, count);
    return count == m_markerSize && std::equal(marker, marker + 4, kMarker);
}

bool qzDataIntegrityUtils::VerifyChecksum(qzMemoryIOStream& stream)
{
    if (!HasChecksum(stream))
        throw qzException(3700, "Memory stream doesn't have a checksum attached");
    const qzUInt64 length = stream.GetDataLength();
    const qzUInt64 trailer = m_checksumBlockSize + m_markerSize;
    stream.Rewind(length - trailer); // shorter than a trailer: qzIdxRangeException
    char stored[32];
    qzUInt64 count = m_checksumBlockSize;
    stream.Read(stored, count);
    return CalculateChecksum(stream, length - trailer) == std::string(stored, m_checksumBlockSize);
}
} // namespace misc
