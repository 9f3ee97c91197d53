// Encoders and decoders of the primitive values every binary record is built from.
#pragma once

#include "foundation/qzBinStreams.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

namespace misc
{
namespace detail
{
// Little-endian stores and loads: a plain copy on little-endian hosts, a byte swap elsewhere.
template <class U> inline U ToLittleEndian(U value)
{
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    if constexpr (sizeof(U) == 1)
        return value;
    else if constexpr (sizeof(U) == 2)
        return __builtin_bswap16(value);
    else if constexpr (sizeof(U) == 4)
        return __builtin_bswap32(value);
    else
        return __builtin_bswap64(value);
#else
    return value;
#endif
}

template <class U> inline void StoreLE(unsigned char* out, U value)
{
    value = ToLittleEndian(value);
    std::memcpy(out, &value, sizeof(U));
}

template <class U> inline U LoadLE(const unsigned char* in)
{
    U value;
    std::memcpy(&value, in, sizeof(U));
    return ToLittleEndian(value);
}
} // namespace detail

class qzIFStream;
class qzOFStream;
class qzFile;
class qzTempFile;

/// A byte count with its own encoding (SIZE): 4 bytes, 2 with shrink data, 8 in 64-bit data.
/// Sizes are 32-bit on every platform; a larger value is refused with qzRangeException<double>.
class TESSAFORM_API qzStreamableSize_t
{
public:
    /// Takes a count; one beyond 32 bits throws qzRangeException<double>.
    qzStreamableSize_t(qzUInt64 value = 0);
    /// The count, usable wherever an unsigned integer is.
    operator std::uint32_t() const { return m_value; }
    /// The count.
    std::uint32_t GetValue() const { return m_value; }

private:
    std::uint32_t m_value;
};

/// A 64-bit counter (U64), distinct from the 4-byte `unsigned long`.
class TESSAFORM_API qzStreamableUnsignedInt64
{
public:
    /// Wraps the value for the 8-byte encoding.
    qzStreamableUnsignedInt64(qzUInt64 value = 0) : m_value(value) {}
    /// The value, usable wherever a 64-bit integer is.
    operator qzUInt64() const { return m_value; }
    /// The value.
    qzUInt64 GetValue() const { return m_value; }

private:
    qzUInt64 m_value;
};

/// Writes primitive values little-endian with no padding between them.
///
/// Widths: bool/char 1 byte; short, unsigned short, wchar_t 2; int, unsigned int, long,
/// unsigned long 4 (2 with shrink data: the low 16 bits); 64-bit integers 8; float 4;
/// double and long double 8 (4 with shrink data, as float). `long` values beyond 32 bits and
/// sizes beyond the SIZE width are refused with qzRangeException<double> rather than truncated.
/// A string is SIZE + its bytes; a file is SIZE + its content.
/// Each operator returns the underlying stream.
class TESSAFORM_API qzBOBasicTypes
{
public:
    /// Writes to the stream (not owned; it must outlive the writer), shrunk or full width.
    qzBOBasicTypes(qzBinOutputStream& stream, bool shrinkData);

    /// Whether 32-bit integers and doubles are written in 2 and 4 bytes.
    bool GetShrinkData() const { return m_shrinkData; }
    /// Switches the shrunk widths on or off for the values written next.
    void SetShrinkData(bool shrinkData) { m_shrinkData = shrinkData; }
    /// The stream written to.
    qzBinOutputStream& GetStream() const { return m_stream; }

    /// \name Primitive values
    ///@{

    /// Writes one value in its width from the table above.
    qzBinOutputStream& operator<<(const float& value);
    qzBinOutputStream& operator<<(const double& value);
    qzBinOutputStream& operator<<(const long double& value);
    qzBinOutputStream& operator<<(const int& value);
    qzBinOutputStream& operator<<(const unsigned int& value);
    qzBinOutputStream& operator<<(const long& value);
    qzBinOutputStream& operator<<(const unsigned long& value);
    qzBinOutputStream& operator<<(const short& value);
    qzBinOutputStream& operator<<(const unsigned short& value);
    qzBinOutputStream& operator<<(const wchar_t& value);
    qzBinOutputStream& operator<<(const bool& value);
    qzBinOutputStream& operator<<(const char& value);
    qzBinOutputStream& operator<<(const unsigned char& value);
    qzBinOutputStream& operator<<(const qzInt64& value);
    qzBinOutputStream& operator<<(const qzStreamableSize_t& value);
    qzBinOutputStream& operator<<(const qzStreamableUnsignedInt64& value);
    qzBinOutputStream& operator<<(const std::string& value);
    ///@}
    /// Embeds the whole file (from its start), copied in fixed chunks.
    qzBinOutputStream& operator<<(qzIFStream& file);
    /// Embeds the file at the path; "File <path> can not be open " when it cannot be opened.
    qzBinOutputStream& operator<<(const qzFile& file);
    /// Embeds the held file; "Accessing NULL pointer" without one.
    qzBinOutputStream& operator<<(const qzTempFile& file);

protected:
    // Not public: 64-bit values go through qzStreamableUnsignedInt64, so that an `unsigned long`
    // (4 bytes in the format) can never pick the 8-byte form by accident. Protected so that
    // record writers can bring the whole overload set in with a using-declaration.
    /// Writes the value in 8 bytes (U64), shrink data or not.
    qzBinOutputStream& operator<<(const qzUInt64& value);

private:
    void WriteFileKnowingSize(qzIFStream& file, unsigned int size);
    void WriteBytes(const void* bytes, qzUInt64 size) { m_stream.Write(bytes, size); }
    template <class U> void WriteFixed(U value);
    /// 4 bytes, or the low 16 bits with shrink data.
    void WriteWord(std::uint32_t value);

    bool m_shrinkData;
    qzBinOutputStream& m_stream;
    // The stream itself when it is exactly a qzMemoryIOStream: primitives then skip the
    // virtual call (one call per value dominates the cost of the codecs).
    qzMemoryIOStream* m_memory;
};

/// Reads the primitive values written by qzBOBasicTypes.
///
/// A value the stream cannot deliver in full throws qzmiscException 2018. With the shrink
/// flag, 32-bit integers are read from 2 bytes (int and long sign-extended) and doubles from
/// 4 bytes, rounded to 6 decimals. With the 64-bit flag a SIZE is 8 bytes and must stay below
/// 2^31 (qzmiscException 2157). With the unicode flag string characters are 16-bit units.
/// Value readers are virtual so that a reader of an older layout can replace one.
class TESSAFORM_API qzBIBasicTypes
{
protected:
    // The 8-byte reader of qzStreamableUnsignedInt64; protected for the same reason as the
    // writer's.
    /// Reads an 8-byte value (U64); qzmiscException 2018 when the data end.
    virtual qzBinInputStream& operator>>(qzUInt64& value);

public:
    /// The stream, then the shrink-data, unicode and 64-bit-binary flags.
    qzBIBasicTypes(qzBinInputStream& stream, bool shrinkData, bool isUnicode, bool is64bBin);

    /// \name Primitive values
    ///@{

    /// Reads one value in its width, as qzBOBasicTypes wrote it; qzmiscException 2018 when the
    /// data end.
    virtual qzBinInputStream& operator>>(std::string& value);
    virtual qzBinInputStream& operator>>(qzStreamableUnsignedInt64& value);
    virtual qzBinInputStream& operator>>(qzStreamableSize_t& value);
    virtual qzBinInputStream& operator>>(qzInt64& value);
    virtual qzBinInputStream& operator>>(long double& value);
    virtual qzBinInputStream& operator>>(unsigned long& value);
    virtual qzBinInputStream& operator>>(unsigned int& value);
    virtual qzBinInputStream& operator>>(wchar_t& value);
    virtual qzBinInputStream& operator>>(unsigned short& value);
    virtual qzBinInputStream& operator>>(unsigned char& value);
    virtual qzBinInputStream& operator>>(long& value);
    virtual qzBinInputStream& operator>>(int& value);
    virtual qzBinInputStream& operator>>(short& value);
    virtual qzBinInputStream& operator>>(char& value);
    virtual qzBinInputStream& operator>>(bool& value);
    virtual qzBinInputStream& operator>>(float& value);
    virtual qzBinInputStream& operator>>(double& value);
    ///@}
    /// Reads a SIZE.
    virtual unsigned int GetSize_t() const;
    /// Reads a U64.
    virtual qzUInt64 GetUnsignedInt64() const;

    /// Leaves the stream (not owned) where the last value ended.
    virtual ~qzBIBasicTypes();

    /// Reads an embedded file into the open stream, in fixed chunks.
    qzBinInputStream& operator>>(qzOFStream& file);
    /// Reads an embedded file into the file at the path (created or truncated).
    qzBinInputStream& operator>>(qzFile& file);
    /// Creates a fresh temporary file and reads an embedded file into it.
    qzBinInputStream& operator>>(qzTempFile& file);

    /// A bool, char, int, unsigned int or double read exactly as this class's own operator>>
    /// reads it, but inline while the data come from a memory stream and are not shrunk: the
    /// per-field path of the record readers.
    template <class T> T ReadValue();

    /// Whether 32-bit integers and doubles are read from 2 and 4 bytes.
    bool GetShrinkData() const { return m_shrinkData; }
    /// Switches the shrunk widths on or off for the values read next.
    void SetShrinkData(bool shrinkData) { m_shrinkData = shrinkData; }
    /// Whether string characters are 16-bit units.
    bool GetIsUnicode() const { return m_isUnicode; }
    /// Switches 16-bit string characters on or off.
    void SetIsUnicode(bool isUnicode) { m_isUnicode = isUnicode; }
    /// Whether a SIZE is 8 bytes.
    bool Get64bBin() const { return m_is64bBin; }
    /// Switches 8-byte SIZEs on or off.
    void Set64bBin(bool is64bBin) { m_is64bBin = is64bBin; }
    /// The stream read from.
    qzBinInputStream& GetStream() const { return m_stream; }

protected:
    /// Reads exactly `size` bytes or throws qzmiscException 2018.
    void ReadBytes(void* bytes, qzUInt64 size) const;

private:
    void ReadFileKnowingSize(qzOFStream& file, unsigned int size);
    double RoundDouble(double value, int decimals) const;
    template <class U> U ReadFixed() const;

    qzBinInputStream& m_stream;
    bool m_shrinkData;
    bool m_is64bBin;
    bool m_isUnicode;
    qzMemoryIOStream* m_memory; // as in qzBOBasicTypes
};

template <class T> inline T qzBIBasicTypes::ReadValue()
{
    static_assert(std::is_same<T, bool>::value || std::is_same<T, char>::value ||
                      std::is_same<T, int>::value || std::is_same<T, unsigned int>::value ||
                      std::is_same<T, double>::value,
                  "a fixed-width value");
    using Raw = std::conditional_t<sizeof(T) == 1, std::uint8_t,
                                   std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>;
    unsigned char bytes[sizeof(Raw)];
    if (m_memory && !m_shrinkData && m_memory->ReadInPlace(bytes, sizeof(Raw)))
    {
        const Raw raw = detail::LoadLE<Raw>(bytes);
        T value;
        if constexpr (std::is_same<T, bool>::value)
            value = raw != 0;
        else
            std::memcpy(&value, &raw, sizeof(T));
        return value;
    }
    T value; // shrunk values, other streams and the end of the data take the general path
    qzBIBasicTypes::operator>>(value);
    return value;
}
} // namespace misc
