// MD5 message digest (RFC 1321).
#pragma once

#include "tessaform_export.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace misc
{
namespace qzChecksum
{
/// Incremental MD5: feed bytes with Update in any pieces, then take the digest with Final.
class TESSAFORM_API CMD5Checksum
{
public:
    /// The 16 bytes of an MD5 digest, in output order.
    using Digest = std::array<std::uint8_t, 16>;

    /// An empty digest, ready for Update.
    CMD5Checksum();

    /// Feeds `size` bytes at `data`; pieces may be of any length.
    void Update(const void* data, std::size_t size);
    /// The digest of everything fed so far; the object starts over afterwards.
    Digest Final();
    /// Starts a new digest.
    void Reset();

    /// 32 lowercase hexadecimal characters, two per digest byte in order.
    static std::string ToHex(const Digest& digest);
    /// The hexadecimal digest of one buffer.
    static std::string GetMD5(const void* data, std::size_t size);

private:
    void Blocks(const std::uint8_t* data, std::size_t count);

    std::uint32_t m_state[4];
    std::uint64_t m_length; // bytes fed so far
    std::uint8_t m_pending[64];
    std::size_t m_pendingSize;
};
} // namespace qzChecksum
} // namespace misc
