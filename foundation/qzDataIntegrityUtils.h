// MD5 checksum trailers on files and memory streams.
#pragma once

#include "foundation/qzBinStreams.h"

#include <string>

namespace misc
{
class qzIFStream;

/// Appends the MD5 digest of binary data as 32 lowercase hexadecimal characters and verifies it.
///
/// Memory stream layout: payload, digest text (32 bytes), the marker "QZCP" (4 bytes).
/// File layout: payload, digest text (32 bytes); files carry no marker.
/// A digest mismatch is reported by the result (false), never by an exception.
class TESSAFORM_API qzDataIntegrityUtils
{
public:
    /// Length of the stored digest text in bytes (32).
    static const unsigned int m_checksumBlockSize;
    /// Length of the marker in bytes (4).
    static const unsigned int m_markerSize;
    /// The marker bytes "QZCP" read as a little-endian 32-bit value.
    static const unsigned long QZCP_BINARY_MARKER;

    /// Appends the digest of the whole file to it. Failures to open throw qzException 0
    /// "Error opening file for input|output : <path>\nOccured in qzDataIntegrityUtils::AddChecksumToFile".
    static void AddChecksumToFile(const std::string& path);
    /// Whether the last 32 bytes of the file are the digest of the bytes before them. A file
    /// shorter than a digest throws qzmiscException 2148.
    static bool VerifyChecksumFromFile(const std::string& path);

    /// Appends digest and marker at the end of the data; the cursor ends at the new end.
    static void AddChecksum(qzMemoryIOStream& stream);
    /// Whether the stored digest matches the payload; qzException 3700 "Memory stream doesn't
    /// have a checksum attached" when the marker is missing. The cursor is left after the payload.
    static bool VerifyChecksum(qzMemoryIOStream& stream);
    /// Whether the stream ends in the marker; a stream shorter than 4 bytes throws
    /// qzIdxRangeException<qzUInt64> from Rewind.
    static bool HasChecksum(qzMemoryIOStream& stream);

private:
    static std::string CalculateFileChecksum(qzIFStream& file, qzUInt64 size);
    static std::string CalculateChecksum(qzMemoryIOStream& stream, qzUInt64 size);
};
} // namespace misc
