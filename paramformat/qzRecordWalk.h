// Walkers that turn a record description into reads or writes (internal).
//
// A description (qzMoveLayout.h) calls its walker once per field, in stream order, with the
// model's accessor pair, and asks `Since(n)` where a field exists only from stored version n.
// The reading walker reads the field and calls the setter; the writing walker calls the getter
// and writes the newest layout, for which every `Since` holds. `Set` and `Legacy` only act when
// reading: the value a field takes when an older version lacks it, or reads its older form.
//
// Field encodings: Real F64, Float F32, Bool U8, Int I32 (an enumeration of the post records),
// Enum (an enumeration by the stored version's rule, written as one byte), Point P3, Size SIZE.
#pragma once

#include "brimlib/qzException.h"
#include "foundation/qzBasicTypes.h"
#include "geometry/qzTPoint.h"
#include "paramformat/qzBICadcamTypes.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>
#include <typeinfo>

// Inlines a record walk whole into the loop that runs it: the accessor pairs are constants
// there, so each field becomes a direct load or store.
#if defined(__GNUC__)
#define QZ_FLATTEN __attribute__((flatten))
#else
#define QZ_FLATTEN
#endif

namespace paramformat
{
/// The stream as a memory stream when it is exactly one (not a class derived from it, whose
/// reads and writes may do more).
template <class Stream> misc::qzMemoryIOStream* ExactMemoryStream(Stream& stream)
{
    return typeid(stream) == typeid(misc::qzMemoryIOStream) ? static_cast<misc::qzMemoryIOStream*>(&stream) : nullptr;
}

/// Accepted values of a range-checked enumeration and the qzcadcamException raised outside.
struct EnumRange
{
    int lowest;
    int highest;
    qzcadcamException::errorIDD error;

    void Check(int value) const
    {
        if (value < lowest || value > highest)
            throw qzcadcamException(error);
    }
};

/// Primitive reads for the walkers. When the basic-type reader is one of ours (no overridden
/// value readers) without shrink data, over exactly a qzMemoryIOStream, fixed-width values are
/// copied straight from the memory buffer; everything else, and every short read, goes through
/// the basic-type reader, so the bytes consumed and the errors raised are the same either way.
class BinSource
{
public:
    /// `fastAllowed`: the caller vouches that `basic` reads primitives the stock way.
    BinSource(misc::qzBIBasicTypes& basic, unsigned version, bool fastAllowed)
        : m_basic(basic), m_version(version),
          m_memory(fastAllowed && !basic.GetShrinkData() ? ExactMemoryStream(basic.GetStream()) : nullptr)
    {
    }

    unsigned GetVersion() const { return m_version; }
    misc::qzBIBasicTypes& GetBasic() const { return m_basic; }

    double Real()
    {
        std::uint64_t bits;
        if (Fast(bits))
            return FromBits<double>(bits);
        double value;
        m_basic >> value;
        return value;
    }
    float Float()
    {
        std::uint32_t bits;
        if (Fast(bits))
            return FromBits<float>(bits);
        float value;
        m_basic >> value;
        return value;
    }
    int Int()
    {
        std::uint32_t bits;
        if (Fast(bits))
            return static_cast<std::int32_t>(bits);
        int value;
        m_basic >> value;
        return value;
    }
    unsigned UInt()
    {
        std::uint32_t bits;
        if (Fast(bits))
            return bits;
        unsigned value;
        m_basic >> value;
        return value;
    }
    bool Bool()
    {
        std::uint8_t byte;
        if (Fast(byte))
            return byte != 0;
        bool value;
        m_basic >> value;
        return value;
    }
    /// One byte as stored (a bool would fold every non-zero byte into 1).
    unsigned char Byte()
    {
        unsigned char byte;
        m_basic >> byte;
        return byte;
    }
    unsigned Size() { return m_basic.GetSize_t(); }
    cadcam::qzTPoint3d<double> Point()
    {
        const double x = Real();
        const double y = Real();
        return cadcam::qzTPoint3d<double>(x, y, Real());
    }
    std::string Str()
    {
        std::string value;
        m_basic >> value;
        return value;
    }
    /// An enumeration by the stored version's rule: I32 below 18, one sign-extended byte from 18.
    int Enum() { return cadcam::ReadVersionedEnum(m_basic, m_version); }

private:
    template <class U> bool Fast(U& value)
    {
        unsigned char bytes[sizeof(U)];
        if (!m_memory || !m_memory->ReadInPlace(bytes, sizeof(U)))
            return false;
        std::memcpy(&value, bytes, sizeof(U));
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
        if constexpr (sizeof(U) == 4)
            value = __builtin_bswap32(value);
        else if constexpr (sizeof(U) == 8)
            value = __builtin_bswap64(value);
#endif
        return true;
    }
    template <class F, class U> static F FromBits(U bits)
    {
        F value;
        std::memcpy(&value, &bits, sizeof(F));
        return value;
    }

    misc::qzBIBasicTypes& m_basic;
    unsigned m_version;
    misc::qzMemoryIOStream* m_memory;
};

/// Primitive writes of the newest layout. As BinSource, fixed-width values go straight into the
/// buffer of an exact qzMemoryIOStream without shrink data while it has room; everything else
/// goes through the basic-type writer.
class BinSink
{
public:
    explicit BinSink(misc::qzBOBasicTypes& basic)
        : m_basic(basic), m_memory(!basic.GetShrinkData() ? ExactMemoryStream(basic.GetStream()) : nullptr)
    {
    }

    void Real(double value)
    {
        if (!Fast(ToBits<std::uint64_t>(value)))
            m_basic << value;
    }
    void Float(float value)
    {
        if (!Fast(ToBits<std::uint32_t>(value)))
            m_basic << value;
    }
    void Int(int value)
    {
        if (!Fast(static_cast<std::uint32_t>(value)))
            m_basic << value;
    }
    void UInt(unsigned value)
    {
        if (!Fast(static_cast<std::uint32_t>(value)))
            m_basic << value;
    }
    void Bool(bool value)
    {
        if (!Fast(static_cast<std::uint8_t>(value ? 1 : 0)))
            m_basic << value;
    }
    void Byte(unsigned char value)
    {
        if (!Fast(static_cast<std::uint8_t>(value)))
            m_basic << value;
    }
    void Size(std::uint64_t value) { m_basic << misc::qzStreamableSize_t(value); }
    void Point(const cadcam::qzTPoint3d<double>& point)
    {
        Real(point.x());
        Real(point.y());
        Real(point.z());
    }
    void Str(const std::string& value) { m_basic << value; }
    /// One byte: the low 8 bits of the enumerator.
    void Enum(int value) { Byte(static_cast<unsigned char>(value & 0xFF)); }

private:
    template <class U, class F> static U ToBits(F value)
    {
        U bits;
        std::memcpy(&bits, &value, sizeof(U));
        return bits;
    }
    template <class U> bool Fast(U value)
    {
        if (!m_memory)
            return false;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
        if constexpr (sizeof(U) == 4)
            value = __builtin_bswap32(value);
        else if constexpr (sizeof(U) == 8)
            value = __builtin_bswap64(value);
#endif
        return m_memory->WriteInPlace(&value, sizeof(U));
    }

    misc::qzBOBasicTypes& m_basic;
    misc::qzMemoryIOStream* m_memory;
};

/// Reads the fields a description names into `record`.
template <class R> class FieldReader
{
public:
    FieldReader(BinSource& in, R& record) : m_in(in), m_record(record) {}

    bool Since(unsigned version) const { return m_in.GetVersion() >= version; }
    R& Record() const { return m_record; }

    template <class G, class S> void Real(G, S set) { std::invoke(set, m_record, m_in.Real()); }
    template <class G, class S> void Float(G, S set) { std::invoke(set, m_record, m_in.Float()); }
    template <class G, class S> void Bool(G, S set) { std::invoke(set, m_record, m_in.Bool()); }
    template <class G, class S> void Point(G, S set) { std::invoke(set, m_record, m_in.Point()); }
    template <class G, class S> void Size(G, S set) { std::invoke(set, m_record, m_in.Size()); }
    template <class G, class S> void Int(G, S set) { std::invoke(set, m_record, As<G>(m_in.Int())); }
    template <class G, class S> void Int(G, S set, const EnumRange& range)
    {
        const int value = m_in.Int();
        range.Check(value);
        std::invoke(set, m_record, As<G>(value));
    }
    template <class G, class S> void Enum(G, S set) { std::invoke(set, m_record, As<G>(m_in.Enum())); }
    /// A flag that decides whether further fields follow; `get` is what the writer stores.
    template <class G> bool Flag(G) { return m_in.Bool(); }
    /// An I32 of an older layout, read and dropped.
    void SkipInt() { m_in.Int(); }

    /// The value a field takes when the stored version lacks it.
    template <class S, class T> void Set(S set, T&& value) { std::invoke(set, m_record, std::forward<T>(value)); }
    /// An older form of a field: `convert(source)` reads it and returns the present value.
    template <class G, class S, class C> void Legacy(G, S set, C&& convert)
    {
        std::invoke(set, m_record, As<G>(convert(m_in)));
    }

private:
    // The getter's value type: the enumeration a setter takes.
    template <class G> using ValueOf = std::decay_t<std::invoke_result_t<G, const R&>>;
    template <class G> static ValueOf<G> As(int value) { return static_cast<ValueOf<G>>(value); }

    BinSource& m_in;
    R& m_record;
};

/// Writes the fields a description names from `record`, in the newest layout.
template <class R> class FieldWriter
{
public:
    FieldWriter(BinSink& out, const R& record) : m_out(out), m_record(record) {}

    bool Since(unsigned) const { return true; }
    const R& Record() const { return m_record; }

    template <class G, class S> void Real(G get, S) { m_out.Real(std::invoke(get, m_record)); }
    template <class G, class S> void Float(G get, S) { m_out.Float(std::invoke(get, m_record)); }
    template <class G, class S> void Bool(G get, S) { m_out.Bool(std::invoke(get, m_record)); }
    template <class G, class S> void Point(G get, S) { m_out.Point(std::invoke(get, m_record)); }
    template <class G, class S> void Size(G get, S) { m_out.Size(std::invoke(get, m_record)); }
    template <class G, class S> void Int(G get, S) { m_out.Int(static_cast<int>(std::invoke(get, m_record))); }
    template <class G, class S> void Int(G get, S, const EnumRange&)
    {
        m_out.Int(static_cast<int>(std::invoke(get, m_record)));
    }
    template <class G, class S> void Enum(G get, S) { m_out.Enum(static_cast<int>(std::invoke(get, m_record))); }
    template <class G> bool Flag(G get)
    {
        const bool value = std::invoke(get, m_record);
        m_out.Bool(value);
        return value;
    }
    void SkipInt() {}

    template <class S, class T> void Set(S, T&&) {}
    template <class G, class S, class C> void Legacy(G, S, C&&) {}

private:
    BinSink& m_out;
    const R& m_record;
};
} // namespace paramformat
