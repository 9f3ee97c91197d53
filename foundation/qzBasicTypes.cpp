#include "foundation/qzBasicTypes.h"

#include "brimlib/qzException.h"
#include "brimlib/qzFileStreams.h"
#include "brimlib/qzStringConv.h"
#include "foundation/qzRangeException.h"
#include "foundation/qzStdStreams.h"
#include "foundation/qzTempFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <typeinfo>

namespace misc
{
using detail::LoadLE;
using detail::StoreLE;

namespace
{
// Embedded files are copied through one buffer of this size, in chunks of kFileChunk bytes.
constexpr std::size_t kFileBuffer = 1048576;
constexpr unsigned int kFileChunk = 943718;
// Reading starts with chunks of this size and doubles them while the input keeps delivering.
constexpr unsigned int kFirstFileChunk = 65536;

[[noreturn]] void RefuseRange(double min, double max, double value)
{
    throw qzRangeException<double>(min, max, value, 20);
}
} // namespace

qzStreamableSize_t::qzStreamableSize_t(qzUInt64 value) : m_value(static_cast<std::uint32_t>(value))
{
    if (value > 0xFFFFFFFFull)
        RefuseRange(0.0, 4294967295.0, static_cast<double>(value));
}

// ---------------------------------------------------------------------------------------------
// Writer

namespace
{
template <class Stream> qzMemoryIOStream* ExactMemoryStream(Stream& stream)
{
    return typeid(stream) == typeid(qzMemoryIOStream) ? dynamic_cast<qzMemoryIOStream*>(&stream) : nullptr;
}
} // namespace

qzBOBasicTypes::qzBOBasicTypes(qzBinOutputStream& stream, bool shrinkData)
    : m_shrinkData(shrinkData), m_stream(stream), m_memory(ExactMemoryStream(stream))
{
}

template <class U> void qzBOBasicTypes::WriteFixed(U value)
{
    unsigned char bytes[sizeof(U)];
    StoreLE(bytes, value);
    if (!m_memory || !m_memory->WriteInPlace(bytes, sizeof(U)))
        WriteBytes(bytes, sizeof(U));
}

void qzBOBasicTypes::WriteWord(std::uint32_t value)
{
    if (m_shrinkData)
        WriteFixed<std::uint16_t>(static_cast<std::uint16_t>(value));
    else
        WriteFixed<std::uint32_t>(value);
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const float& value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    WriteFixed<std::uint32_t>(bits);
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const double& value)
{
    if (m_shrinkData)
        return *this << static_cast<float>(value);
    std::uint64_t bits;
    std::memcpy(&bits, &value, 8);
    WriteFixed<std::uint64_t>(bits);
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const long double& value)
{
    return *this << static_cast<double>(value);
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const int& value)
{
    WriteWord(static_cast<std::uint32_t>(value));
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const unsigned int& value)
{
    WriteWord(value);
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const long& value)
{
    if (value < -2147483647L - 1 || value > 2147483647L)
        RefuseRange(-2147483648.0, 2147483647.0, static_cast<double>(value));
    return *this << static_cast<int>(value);
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const unsigned long& value)
{
    if (value > 4294967295UL)
        RefuseRange(0.0, 4294967295.0, static_cast<double>(value));
    return *this << static_cast<unsigned int>(value);
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const short& value)
{
    WriteFixed<std::uint16_t>(static_cast<std::uint16_t>(value));
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const unsigned short& value)
{
    WriteFixed<std::uint16_t>(value);
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const wchar_t& value)
{
    WriteFixed<std::uint16_t>(static_cast<std::uint16_t>(value));
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const bool& value)
{
    const unsigned char byte = value ? 1 : 0;
    WriteBytes(&byte, 1);
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const char& value)
{
    WriteBytes(&value, 1);
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const unsigned char& value)
{
    WriteBytes(&value, 1);
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const qzInt64& value)
{
    WriteFixed<std::uint64_t>(static_cast<std::uint64_t>(value));
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const qzUInt64& value)
{
    WriteFixed<std::uint64_t>(value);
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const qzStreamableSize_t& value)
{
    // A size that does not fit its 2-byte shrink form would desynchronise every later field.
    if (m_shrinkData && value.GetValue() > 0xFFFFu)
        RefuseRange(0.0, 65535.0, static_cast<double>(value.GetValue()));
    WriteWord(value.GetValue());
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const qzStreamableUnsignedInt64& value)
{
    return *this << value.GetValue();
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const std::string& value)
{
    *this << qzStreamableSize_t(value.size());
    WriteBytes(value.data(), value.size());
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(qzIFStream& file)
{
    file.clear();
    file.seekg(0, std::ios_base::end);
    const std::streamoff length = file.tellg();
    if (length < 0)
        throw qzmiscException(qzmiscException::INPUT_STREAM_FAILED);
    const qzStreamableSize_t size(static_cast<qzUInt64>(length));
    *this << size;
    WriteFileKnowingSize(file, size);
    return m_stream;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const qzFile& file)
{
    qzIFStream in(file.GetPath(), qzOpenMode::binary);
    if (!in)
        throw qzException(0, "File " + file.GetPath() + " can not be open ");
    return *this << in;
}

qzBinOutputStream& qzBOBasicTypes::operator<<(const qzTempFile& file)
{
    return *this << *file.GetFile();
}

void qzBOBasicTypes::WriteFileKnowingSize(qzIFStream& file, unsigned int size)
{
    file.clear();
    file.seekg(0, std::ios_base::beg);
    std::unique_ptr<char[]> buffer(new char[std::min<std::size_t>(size, kFileBuffer)]);
    qzStdInputStream in(file);
    while (size > 0)
    {
        const unsigned int chunk = size < kFileChunk ? size : kFileChunk;
        qzUInt64 got = chunk;
        in.Read(buffer.get(), got);
        if (got != chunk)
            throw qzmiscException(qzmiscException::UNEXPECTED_END_OF_DATA);
        WriteBytes(buffer.get(), chunk);
        size -= chunk;
    }
}

// ---------------------------------------------------------------------------------------------
// Reader

qzBIBasicTypes::qzBIBasicTypes(qzBinInputStream& stream, bool shrinkData, bool isUnicode, bool is64bBin)
    : m_stream(stream), m_shrinkData(shrinkData), m_is64bBin(is64bBin), m_isUnicode(isUnicode),
      m_memory(ExactMemoryStream(stream))
{
}

qzBIBasicTypes::~qzBIBasicTypes() = default;

void qzBIBasicTypes::ReadBytes(void* bytes, qzUInt64 size) const
{
    qzUInt64 got = size;
    m_stream.Read(bytes, got);
    if (got != size)
        throw qzmiscException(qzmiscException::UNEXPECTED_END_OF_DATA);
}

template <class U> U qzBIBasicTypes::ReadFixed() const
{
    unsigned char bytes[sizeof(U)];
    if (!m_memory || !m_memory->ReadInPlace(bytes, sizeof(U)))
        ReadBytes(bytes, sizeof(U));
    return LoadLE<U>(bytes);
}

qzBinInputStream& qzBIBasicTypes::operator>>(qzUInt64& value)
{
    value = ReadFixed<std::uint64_t>();
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(std::string& value)
{
    const unsigned int count = GetSize_t();
    value.clear();
    // The string grows as characters arrive: a corrupt count cannot reserve more than this.
    value.reserve(count < 4096u ? count : 4096u);
    for (unsigned int i = 0; i < count; ++i)
    {
        if (m_isUnicode)
        {
            wchar_t c;
            *this >> c;
            value += to_ascii(c);
        }
        else
        {
            char c;
            *this >> c;
            value += c;
        }
    }
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(qzStreamableUnsignedInt64& value)
{
    value = GetUnsignedInt64();
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(qzStreamableSize_t& value)
{
    value = GetSize_t();
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(qzInt64& value)
{
    value = static_cast<qzInt64>(ReadFixed<std::uint64_t>());
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(long double& value)
{
    double d;
    *this >> d;
    value = d;
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(unsigned long& value)
{
    unsigned int v;
    *this >> v;
    value = v;
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(unsigned int& value)
{
    if (m_shrinkData)
    {
        unsigned short v;
        *this >> v;
        value = v;
    }
    else
        value = ReadFixed<std::uint32_t>();
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(wchar_t& value)
{
    value = static_cast<wchar_t>(ReadFixed<std::uint16_t>());
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(unsigned short& value)
{
    value = ReadFixed<std::uint16_t>();
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(unsigned char& value)
{
    value = ReadFixed<std::uint8_t>();
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(long& value)
{
    int v;
    *this >> v;
    value = v;
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(int& value)
{
    if (m_shrinkData)
    {
        short v;
        *this >> v;
        value = v;
    }
    else
        value = static_cast<std::int32_t>(ReadFixed<std::uint32_t>());
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(short& value)
{
    value = static_cast<std::int16_t>(ReadFixed<std::uint16_t>());
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(char& value)
{
    value = static_cast<char>(ReadFixed<std::uint8_t>());
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(bool& value)
{
    // Any stored byte other than 0 is true; a bool never holds another value.
    value = ReadFixed<std::uint8_t>() != 0;
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(float& value)
{
    const std::uint32_t bits = ReadFixed<std::uint32_t>();
    std::memcpy(&value, &bits, 4);
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(double& value)
{
    if (m_shrinkData)
    {
        float f;
        *this >> f;
        value = RoundDouble(f, 6);
    }
    else
    {
        const std::uint64_t bits = ReadFixed<std::uint64_t>();
        std::memcpy(&value, &bits, 8);
    }
    return m_stream;
}

unsigned int qzBIBasicTypes::GetSize_t() const
{
    if (m_is64bBin)
    {
        const std::uint64_t size = ReadFixed<std::uint64_t>();
        if (size >= 0x80000000ull)
            throw qzmiscException(qzmiscException::STORED_SIZE_TOO_LARGE);
        return static_cast<unsigned int>(size);
    }
    return m_shrinkData ? ReadFixed<std::uint16_t>() : ReadFixed<std::uint32_t>();
}

qzUInt64 qzBIBasicTypes::GetUnsignedInt64() const
{
    return ReadFixed<std::uint64_t>();
}

double qzBIBasicTypes::RoundDouble(double value, int decimals) const
{
    const double p = std::pow(10.0, decimals + 1);
    double t = value * p;
    t = t >= 0 ? t + 5 : t - 5;
    t = std::trunc(t / 10);
    return t / std::pow(10.0, decimals);
}

qzBinInputStream& qzBIBasicTypes::operator>>(qzOFStream& file)
{
    ReadFileKnowingSize(file, GetSize_t());
    return m_stream;
}

qzBinInputStream& qzBIBasicTypes::operator>>(qzFile& file)
{
    qzOFStream out(file.GetPath(), qzOpenMode::binary, qzOFStream::DEFAULT);
    if (!out)
        throw qzException(0, "File " + file.GetPath() + " can not be open ");
    return *this >> out;
}

qzBinInputStream& qzBIBasicTypes::operator>>(qzTempFile& file)
{
    file.Init();
    return *this >> *file.GetFile();
}

void qzBIBasicTypes::ReadFileKnowingSize(qzOFStream& file, unsigned int size)
{
    // Bounded chunks through one buffer that grows as the input delivers them, up to the
    // fixed chunk size: a stored size the input cannot back ends in 2018 after a buffer no
    // larger than what was read plus 64 KiB.
    unsigned int capacity = std::min(size, kFirstFileChunk);
    std::unique_ptr<char[]> buffer(new char[capacity]);
    qzStdOutputStream out(file);
    while (size > 0)
    {
        const unsigned int chunk = std::min(size, capacity);
        ReadBytes(buffer.get(), chunk);
        out.Write(buffer.get(), chunk);
        size -= chunk;
        if (size > capacity && capacity < kFileChunk)
        {
            capacity = std::min(2 * capacity, kFileChunk);
            buffer.reset(new char[capacity]);
        }
    }
}
} // namespace misc
