// Helpers of the move and posted-move codec tests: records typed field by field from the
// layout, streams over them with a sentinel byte behind, and readers that check the bytes
// consumed.
#pragma once

#include "brimlib/qzException.h"
#include "foundation/qzBinStreams.h"
#include "foundation/test_support.h"
#include "geometry/qzTPoint.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>

namespace codec_test
{
using Point = cadcam::qzTPoint3d<double>;

/// Bytes of a stored record, little endian, one call per field as the layout lists them.
class Le
{
public:
    Le& U8(unsigned v) { return Raw(v, 1); }
    Le& I32(long long v) { return Raw(static_cast<std::uint64_t>(v), 4); }
    Le& U32(unsigned long long v) { return Raw(v, 4); }
    Le& Size(unsigned long long v) { return Raw(v, 4); }
    Le& F32(float v)
    {
        std::uint32_t raw;
        std::memcpy(&raw, &v, 4);
        return Raw(raw, 4);
    }
    Le& F64(double v)
    {
        std::uint64_t raw;
        std::memcpy(&raw, &v, 8);
        return Raw(raw, 8);
    }
    Le& P3(double x, double y, double z) { return F64(x).F64(y).F64(z); }
    Le& P3(const Point& p) { return P3(p.x(), p.y(), p.z()); }
    Le& Str(const std::string& s)
    {
        Size(s.size());
        m_bytes += s;
        return *this;
    }
    Le& Append(const Le& other)
    {
        m_bytes += other.m_bytes;
        return *this;
    }

    const std::string& Bytes() const { return m_bytes; }
    std::size_t Length() const { return m_bytes.size(); }

private:
    Le& Raw(std::uint64_t v, int width)
    {
        for (int i = 0; i < width; ++i)
            m_bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        return *this;
    }

    std::string m_bytes;
};

/// "01 00 | 2C" -> the bytes; separators are ignored.
inline std::string Hex(const char* text)
{
    std::string out;
    for (const char* p = text; *p; ++p)
        if (std::isxdigit(static_cast<unsigned char>(*p)))
        {
            out.push_back(static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16)));
            ++p;
        }
    return out;
}

constexpr char kSentinel = '\x5A';

/// A memory stream holding `bytes`, positioned at the start.
inline void Load(misc::qzMemoryIOStream& stream, const std::string& bytes)
{
    if (!bytes.empty())
        stream.Write(bytes.data(), bytes.size());
    stream.Rewind(0);
}

inline std::string Contents(const misc::qzMemoryIOStream& s)
{
    const char* data = static_cast<const char*>(s.GetBuffer());
    return data ? std::string(data, static_cast<std::size_t>(s.GetDataLength())) : std::string();
}

/// Runs `read(stream)` over the record followed by a sentinel byte and checks that exactly the
/// record was consumed.
template <class Read> void ReadRecord(const std::string& record, Read&& read)
{
    misc::qzMemoryIOStream stream;
    Load(stream, record + kSentinel);
    read(stream);
    EXPECT_EQ(stream.GetPosition(), record.size()) << "bytes consumed";
}

/// An input stream that is not a memory stream (no fast path), delivering `bytes`.
class PlainInput : public misc::qzBinInputStream
{
public:
    explicit PlainInput(std::string bytes) : m_bytes(std::move(bytes)) {}
    void Read(void* buffer, misc::qzUInt64& size) override
    {
        const std::size_t left = m_bytes.size() - m_position;
        const std::size_t n = size < left ? static_cast<std::size_t>(size) : left;
        std::memcpy(buffer, m_bytes.data() + m_position, n);
        m_position += n;
        size = n;
    }
    std::size_t Position() const { return m_position; }

private:
    std::string m_bytes;
    std::size_t m_position = 0;
};

/// The texts of the qzcadcamException codes the codecs raise.
inline std::string CadcamText(unsigned long code)
{
    switch (code)
    {
    case 2027:
        return "Stored data version not supported";
    case 2052:
        return "Axis index out of range";
    case 2637:
        return "Unknown move kind or angle state";
    case 2708:
        return "Invalid posted move type";
    default:
        return "?";
    }
}

/// The qzcadcamException code `f` throws, after checking that its message is the code's text.
template <class F> unsigned long CadcamCode(F&& f)
{
    const auto e = tessaform_test::Thrown<qzcadcamException>(f);
    if (!e)
        return 0;
    EXPECT_EQ(e->GetErrorMessage(), CadcamText(e->GetErrorCode()));
    return e->GetErrorCode();
}

/// Every proper prefix of `record` ends in qzmiscException 2018.
template <class Read> void ExpectTruncationFails(const std::string& record, Read&& read)
{
    for (std::size_t length = 0; length < record.size(); ++length)
    {
        misc::qzMemoryIOStream stream;
        Load(stream, record.substr(0, length));
        EXPECT_EQ(tessaform_test::MiscErrorCode([&] { read(stream); }), 2018u) << "cut at byte " << length;
    }
}
} // namespace codec_test
