#include "foundation/qzChecksum.h"

#include <cstring>

namespace misc
{
namespace qzChecksum
{
namespace
{
inline std::uint32_t Rotl(std::uint32_t x, int s)
{
    return (x << s) | (x >> (32 - s));
}

inline std::uint32_t LoadWord(const std::uint8_t* p)
{
    // Bytes in little-endian order on any host.
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The round functions in forms with short dependency chains: F as a select, G with an add in
// place of the or (its two terms never share a bit), I as usual.
#define QZ_MD5_F(b, c, d) ((d) ^ ((b) & ((c) ^ (d))))
#define QZ_MD5_H(b, c, d) ((b) ^ (c) ^ (d))
#define QZ_MD5_I(b, c, d) ((c) ^ ((b) | ~(d)))

#define QZ_MD5_STEP_F(a, b, c, d, x, s, t) a = b + Rotl(a + QZ_MD5_F(b, c, d) + (x) + (t), s)
#define QZ_MD5_STEP_G(a, b, c, d, x, s, t) a = b + Rotl(a + ((d) & (b)) + ((~(d)) & (c)) + (x) + (t), s)
#define QZ_MD5_STEP_H(a, b, c, d, x, s, t) a = b + Rotl(a + QZ_MD5_H(b, c, d) + (x) + (t), s)
#define QZ_MD5_STEP_I(a, b, c, d, x, s, t) a = b + Rotl(a + QZ_MD5_I(b, c, d) + (x) + (t), s)
} // namespace

CMD5Checksum::CMD5Checksum()
{
    Reset();
}

void CMD5Checksum::Reset()
{
    m_state[0] = 0x67452301u;
    m_state[1] = 0xefcdab89u;
    m_state[2] = 0x98badcfeu;
    m_state[3] = 0x10325476u;
    m_length = 0;
    m_pendingSize = 0;
}

void CMD5Checksum::Blocks(const std::uint8_t* data, std::size_t count)
{
    std::uint32_t a = m_state[0], b = m_state[1], c = m_state[2], d = m_state[3];
    for (; count > 0; --count, data += 64)
    {
        std::uint32_t x[16];
        for (int i = 0; i < 16; ++i)
            x[i] = LoadWord(data + 4 * i);
        const std::uint32_t aa = a, bb = b, cc = c, dd = d;

        QZ_MD5_STEP_F(a, b, c, d, x[0], 7, 0xd76aa478u);
        QZ_MD5_STEP_F(d, a, b, c, x[1], 12, 0xe8c7b756u);
        QZ_MD5_STEP_F(c, d, a, b, x[2], 17, 0x242070dbu);
        QZ_MD5_STEP_F(b, c, d, a, x[3], 22, 0xc1bdceeeu);
        QZ_MD5_STEP_F(a, b, c, d, x[4], 7, 0xf57c0fafu);
        QZ_MD5_STEP_F(d, a, b, c, x[5], 12, 0x4787c62au);
        QZ_MD5_STEP_F(c, d, a, b, x[6], 17, 0xa8304613u);
        QZ_MD5_STEP_F(b, c, d, a, x[7], 22, 0xfd469501u);
        QZ_MD5_STEP_F(a, b, c, d, x[8], 7, 0x698098d8u);
        QZ_MD5_STEP_F(d, a, b, c, x[9], 12, 0x8b44f7afu);
        QZ_MD5_STEP_F(c, d, a, b, x[10], 17, 0xffff5bb1u);
        QZ_MD5_STEP_F(b, c, d, a, x[11], 22, 0x895cd7beu);
        QZ_MD5_STEP_F(a, b, c, d, x[12], 7, 0x6b901122u);
        QZ_MD5_STEP_F(d, a, b, c, x[13], 12, 0xfd987193u);
        QZ_MD5_STEP_F(c, d, a, b, x[14], 17, 0xa679438eu);
        QZ_MD5_STEP_F(b, c, d, a, x[15], 22, 0x49b40821u);

        QZ_MD5_STEP_G(a, b, c, d, x[1], 5, 0xf61e2562u);
        QZ_MD5_STEP_G(d, a, b, c, x[6], 9, 0xc040b340u);
        QZ_MD5_STEP_G(c, d, a, b, x[11], 14, 0x265e5a51u);
        QZ_MD5_STEP_G(b, c, d, a, x[0], 20, 0xe9b6c7aau);
        QZ_MD5_STEP_G(a, b, c, d, x[5], 5, 0xd62f105du);
        QZ_MD5_STEP_G(d, a, b, c, x[10], 9, 0x02441453u);
        QZ_MD5_STEP_G(c, d, a, b, x[15], 14, 0xd8a1e681u);
        QZ_MD5_STEP_G(b, c, d, a, x[4], 20, 0xe7d3fbc8u);
        QZ_MD5_STEP_G(a, b, c, d, x[9], 5, 0x21e1cde6u);
        QZ_MD5_STEP_G(d, a, b, c, x[14], 9, 0xc33707d6u);
        QZ_MD5_STEP_G(c, d, a, b, x[3], 14, 0xf4d50d87u);
        QZ_MD5_STEP_G(b, c, d, a, x[8], 20, 0x455a14edu);
        QZ_MD5_STEP_G(a, b, c, d, x[13], 5, 0xa9e3e905u);
        QZ_MD5_STEP_G(d, a, b, c, x[2], 9, 0xfcefa3f8u);
        QZ_MD5_STEP_G(c, d, a, b, x[7], 14, 0x676f02d9u);
        QZ_MD5_STEP_G(b, c, d, a, x[12], 20, 0x8d2a4c8au);

        QZ_MD5_STEP_H(a, b, c, d, x[5], 4, 0xfffa3942u);
        QZ_MD5_STEP_H(d, a, b, c, x[8], 11, 0x8771f681u);
        QZ_MD5_STEP_H(c, d, a, b, x[11], 16, 0x6d9d6122u);
        QZ_MD5_STEP_H(b, c, d, a, x[14], 23, 0xfde5380cu);
        QZ_MD5_STEP_H(a, b, c, d, x[1], 4, 0xa4beea44u);
        QZ_MD5_STEP_H(d, a, b, c, x[4], 11, 0x4bdecfa9u);
        QZ_MD5_STEP_H(c, d, a, b, x[7], 16, 0xf6bb4b60u);
        QZ_MD5_STEP_H(b, c, d, a, x[10], 23, 0xbebfbc70u);
        QZ_MD5_STEP_H(a, b, c, d, x[13], 4, 0x289b7ec6u);
        QZ_MD5_STEP_H(d, a, b, c, x[0], 11, 0xeaa127fau);
        QZ_MD5_STEP_H(c, d, a, b, x[3], 16, 0xd4ef3085u);
        QZ_MD5_STEP_H(b, c, d, a, x[6], 23, 0x04881d05u);
        QZ_MD5_STEP_H(a, b, c, d, x[9], 4, 0xd9d4d039u);
        QZ_MD5_STEP_H(d, a, b, c, x[12], 11, 0xe6db99e5u);
        QZ_MD5_STEP_H(c, d, a, b, x[15], 16, 0x1fa27cf8u);
        QZ_MD5_STEP_H(b, c, d, a, x[2], 23, 0xc4ac5665u);

        QZ_MD5_STEP_I(a, b, c, d, x[0], 6, 0xf4292244u);
        QZ_MD5_STEP_I(d, a, b, c, x[7], 10, 0x432aff97u);
        QZ_MD5_STEP_I(c, d, a, b, x[14], 15, 0xab9423a7u);
        QZ_MD5_STEP_I(b, c, d, a, x[5], 21, 0xfc93a039u);
        QZ_MD5_STEP_I(a, b, c, d, x[12], 6, 0x655b59c3u);
        QZ_MD5_STEP_I(d, a, b, c, x[3], 10, 0x8f0ccc92u);
        QZ_MD5_STEP_I(c, d, a, b, x[10], 15, 0xffeff47du);
        QZ_MD5_STEP_I(b, c, d, a, x[1], 21, 0x85845dd1u);
        QZ_MD5_STEP_I(a, b, c, d, x[8], 6, 0x6fa87e4fu);
        QZ_MD5_STEP_I(d, a, b, c, x[15], 10, 0xfe2ce6e0u);
        QZ_MD5_STEP_I(c, d, a, b, x[6], 15, 0xa3014314u);
        QZ_MD5_STEP_I(b, c, d, a, x[13], 21, 0x4e0811a1u);
        QZ_MD5_STEP_I(a, b, c, d, x[4], 6, 0xf7537e82u);
        QZ_MD5_STEP_I(d, a, b, c, x[11], 10, 0xbd3af235u);
        QZ_MD5_STEP_I(c, d, a, b, x[2], 15, 0x2ad7d2bbu);
        QZ_MD5_STEP_I(b, c, d, a, x[9], 21, 0xeb86d391u);

        a += aa;
        b += bb;
        c += cc;
        d += dd;
    }
    m_state[0] = a;
    m_state[1] = b;
    m_state[2] = c;
    m_state[3] = d;
}

void CMD5Checksum::Update(const void* data, std::size_t size)
{
    auto bytes = static_cast<const std::uint8_t*>(data);
    m_length += size;
    if (m_pendingSize > 0)
    {
        const std::size_t take = size < 64 - m_pendingSize ? size : 64 - m_pendingSize;
        std::memcpy(m_pending + m_pendingSize, bytes, take);
        m_pendingSize += take;
        bytes += take;
        size -= take;
        if (m_pendingSize < 64)
            return;
        Blocks(m_pending, 1);
        m_pendingSize = 0;
    }
    if (size >= 64)
    {
        Blocks(bytes, size / 64);
        bytes += size / 64 * 64;
        size %= 64;
    }
    if (size > 0)
    {
        std::memcpy(m_pending, bytes, size);
        m_pendingSize = size;
    }
}

CMD5Checksum::Digest CMD5Checksum::Final()
{
    const std::uint64_t bits = m_length * 8;
    std::uint8_t tail[72] = {0x80};
    const std::size_t padding = (m_pendingSize < 56 ? 56 : 120) - m_pendingSize;
    for (int i = 0; i < 8; ++i)
        tail[padding + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    Update(tail, padding + 8);

    Digest digest;
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k)
            digest[4 * i + k] = static_cast<std::uint8_t>(m_state[i] >> (8 * k));
    Reset();
    return digest;
}

std::string CMD5Checksum::ToHex(const Digest& digest)
{
    static const char hex[] = "0123456789abcdef";
    std::string text(32, '0');
    for (std::size_t i = 0; i < digest.size(); ++i)
    {
        text[2 * i] = hex[digest[i] >> 4];
        text[2 * i + 1] = hex[digest[i] & 0x0F];
    }
    return text;
}

std::string CMD5Checksum::GetMD5(const void* data, std::size_t size)
{
    CMD5Checksum md5;
    md5.Update(data, size);
    return ToHex(md5.Final());
}
} // namespace qzChecksum
} // namespace misc
